#!/usr/bin/env bash
# Builds Karvento and makes its Debian package, build/karvento_<version>_<arch>.deb
# (install it with: apt install ./build/karvento_*.deb).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
cd build
cpack -G DEB
ls -1 "$PWD"/karvento_*.deb
