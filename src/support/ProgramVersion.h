#pragma once

#include <QString>

namespace kv {

// The program's version: CMake's project(VERSION), the one number that the
// window titles, the about box, both programs' --version and the package show.
inline QString programVersion() {
    return QStringLiteral(KV_VERSION);
}

} // namespace kv
