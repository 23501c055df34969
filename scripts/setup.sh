#!/usr/bin/env bash
# Installs the Debian packages Karvento needs to build, test and run.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config ccache
    qt6-base-dev libqt6opengl6-dev qt6-charts-dev libgl1-mesa-dev
    libsqlcipher-dev sqlcipher
    libssl-dev libsodium-dev libicu-dev
    libbenchmark-dev
    xvfb xauth fonts-dejavu-core
    qt6-translations-l10n
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: all packages present"
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "setup: missing packages: ${missing[*]}" >&2
        echo "setup: run this script as root (there is no sudo here)" >&2
        exit 1
    fi
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
