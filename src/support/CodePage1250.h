#pragma once

#include <QByteArray>
#include <QString>

namespace kv {

// The Central European single-byte code page (Windows-1250) in which the
// program writes and reads its CSV sheets, so spreadsheets on Polish systems
// and sheets made by earlier versions open with their letters intact.

// Characters the code page lacks become "?" (one per character).
QByteArray toCodePage1250(const QString& text);
QString fromCodePage1250(const QByteArray& bytes);

} // namespace kv
