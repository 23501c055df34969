#pragma once

#include <QString>

namespace kv {

// The code of a failure's place written with ten digits: 25 -> "0000000025".
QString formatMessageCode(qint64 code);
// "[" + the ten-digit code + "]  " + the message: the form of every log line.
QString codedLine(qint64 code, const QString& message);

// Path of the error log, "debug/error.log" in the settings directory.
QString errorLogPath();

// Appends one line to the error log, prefixed with the time as
// "yyyy.mm.dd hh:nn:ss" and two blanks. Never fails visibly: a missing folder
// or a write error is ignored.
void appendErrorLog(const QString& line);

} // namespace kv
