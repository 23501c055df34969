#include "storage/SettingsPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kv {

namespace {
QString& cached() {
    static QString dir;
    return dir;
}
const QLatin1StringView kSubfolder("Dravelon/Karvento");

// Every user of the computer should share one settings folder. A system data
// folder (e.g. /usr/local/share/Dravelon/Karvento) prepared by the
// administrator with write access for all is used when there is one; users
// cannot create such a folder themselves, so otherwise each keeps their own.
QString computerWideDirectory() {
    const QStringList places =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    for (const QString& place : places) {
        if (place == own)
            continue;
        const QFileInfo shared(QDir(place).filePath(kSubfolder));
        if (shared.isDir() && shared.isWritable())
            return shared.absoluteFilePath();
    }
    return QDir(own).filePath(kSubfolder);
}
} // namespace

QString settingsDirectory() {
    QString& dir = cached();
    if (!dir.isEmpty())
        return dir;
    const QString fromEnv = qEnvironmentVariable("KARVENTO_SETTINGS_DIR");
    if (!fromEnv.isEmpty()) {
        dir = QDir(fromEnv).absolutePath();
    } else {
        dir = computerWideDirectory();
    }
    QDir().mkpath(dir);
    QDir().mkpath(QDir(dir).filePath(QStringLiteral("debug")));
    QDir().mkpath(QDir(dir).filePath(QStringLiteral("tmpFile")));
    return dir;
}

QString settingsFile(const QString& name) {
    QString n = name;
    while (n.startsWith(u'\\') || n.startsWith(u'/'))
        n.remove(0, 1);
    n.replace(u'\\', u'/');
    return QDir(settingsDirectory()).filePath(n);
}

void resetSettingsDirectory() {
    cached().clear();
}

QString installDirectory() {
    const QString fromEnv = qEnvironmentVariable("KARVENTO_INSTALL_DIR");
    if (!fromEnv.isEmpty())
        return QDir(fromEnv).absolutePath();
    return QCoreApplication::applicationDirPath();
}

} // namespace kv
