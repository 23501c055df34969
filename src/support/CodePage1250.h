#pragma once

#include <QByteArray>
#include <QString>

namespace kv {

// The Central European single-byte code page (Windows-1250) in which the
// program writes and reads its CSV sheets, so spreadsheets on Polish systems
// and sheets made by earlier versions open with their letters intact.

// Characters the code page lacks become "?" (one per character: a character
// outside the basic plane, two UTF-16 units, is one); their number is added
// to *replaced when given.
QByteArray toCodePage1250(const QString& text, qsizetype* replaced = nullptr);
QString fromCodePage1250(const QByteArray& bytes);

} // namespace kv
