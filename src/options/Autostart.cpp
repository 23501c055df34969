#include "options/Autostart.h"

#include "storage/ErrorLog.h"
#include "support/UserInterface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kv::autostart {

namespace {

constexpr qint64 kRefusedCode = 23050745;

// Quotes one argument of an Exec line: inside double quotes a backslash,
// a quote, a backtick and a dollar need a backslash, and a literal percent
// sign is doubled so that it is not read as a field code.
QString quotedArgument(const QString& argument) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    return quoted + u'"';
}

// Exec is a string value of the desktop file, which has escapes of its own
// on top of the quoting of the arguments.
QString escapedStringValue(const QString& value) {
    QString escaped;
    for (const QChar c : value) {
        if (c == u'\\')
            escaped += QStringLiteral("\\\\");
        else if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (c == u'\t')
            escaped += QStringLiteral("\\t");
        else if (c == u'\r')
            escaped += QStringLiteral("\\r");
        else
            escaped += c;
    }
    return escaped;
}

// The folder as the user knows it: below the home folder written with "~".
QString shownDirectory() {
    const QString dir = QDir::cleanPath(directory());
    const QString home = QDir::cleanPath(QDir::homePath());
    if (dir.startsWith(home + u'/'))
        return u'~' + dir.mid(home.size());
    return QDir::toNativeSeparators(dir);
}

bool writeEntry(const QString& program) {
    const QByteArray text = entryText(program);
    QFile existing(entryPath());
    // An entry that is already right is left alone, so a folder made read-only
    // afterwards does not turn every save of the options into a complaint.
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == text)
        return true;
    existing.close();
    if (!QDir().mkpath(directory()))
        return false;
    QSaveFile file(entryPath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool removeEntry() {
    const QFileInfo info(entryPath());
    if (!info.exists() && !info.isSymLink())
        return true;
    return QFile::remove(entryPath());
}

} // namespace

QString directory() {
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // XDG ignores a relative XDG_CONFIG_HOME.
    const QString base = !config.isEmpty() && QDir::isAbsolutePath(config)
                             ? config
                             : QDir(QDir::homePath()).filePath(QStringLiteral(".config"));
    return QDir(base).filePath(QStringLiteral("autostart"));
}

QString entryPath() {
    return QDir(directory()).filePath(kEntryName + QStringLiteral(".desktop"));
}

bool isOn() {
    return QFileInfo::exists(entryPath());
}

QString execLine(const QString& program) {
    return escapedStringValue(quotedArgument(program) + u' ' + kArgument);
}

QByteArray entryText(const QString& program) {
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=%1\n"
                                        "Comment=Karvento – sprawdzanie terminów podczas startu "
                                        "komputera\n"
                                        "Exec=%2\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(kEntryName, execLine(program));
    return text.toUtf8();
}

bool switchTo(bool on, const QString& program) {
    return on ? writeEntry(program) : removeEntry();
}

QString refusedMessage() {
    return QStringLiteral("Brak uprawnień do zapisu wpisu autostartu. Sprawdź uprawnienia do "
                          "folderu ") +
           shownDirectory();
}

bool apply(bool on) {
    if (switchTo(on, QCoreApplication::applicationFilePath()))
        return true;
    ui().systemMessage(QStringLiteral("Karvento"), refusedMessage());
    appendErrorLog(codedLine(kRefusedCode,
                             QStringLiteral("Brak uprawnień do wpisu autostartu - ") + kEntryName));
    return false;
}

} // namespace kv::autostart
