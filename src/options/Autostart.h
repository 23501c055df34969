#pragma once

#include <QString>

namespace kv::autostart {

// The desktop's autostart entry "SprawdzaczKV" that runs the deadline check
// when the user logs in to the computer. It is an XDG autostart file,
// SprawdzaczKV.desktop in $XDG_CONFIG_HOME/autostart (~/.config/autostart
// when the variable is unset or not an absolute path); the entry is on while
// the file exists.

inline const QString kEntryName = QStringLiteral("SprawdzaczKV");
// The argument the entry starts the program with.
inline const QString kArgument = QStringLiteral("ONLYSHOWTERM");

QString directory();
QString entryPath();
bool isOn();

// The Exec value that starts the program with the argument. The program's path
// is always quoted and escaped, so blanks, quotes, "$" and "%" in it survive.
QString execLine(const QString& program);
// The whole content of the entry file.
QByteArray entryText(const QString& program);

// Creates (or rewrites) the entry for the program, or removes it. Removing an
// entry that does not exist succeeds. False when the folder or the file
// cannot be written or removed; nothing is shown then.
bool switchTo(bool on, const QString& program);

// What saving the options does: switches the entry for this program's
// executable and, when the system refuses, shows the plain system message and
// writes the log line. True when the entry now says what was asked.
bool apply(bool on);

// The message shown when the entry cannot be changed.
QString refusedMessage();

} // namespace kv::autostart
