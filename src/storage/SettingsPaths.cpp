#include "storage/SettingsPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// Where an installed copy keeps its data, from its programs' folder; CMake
// gives it from the install layout.
#ifndef KV_INSTALLED_DATA_DIR
#define KV_INSTALLED_DATA_DIR "../share/karvento"
#endif

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
    // The build tree, and a copy unpacked into one folder, keep the data
    // beside the programs.
    const QString programs = QCoreApplication::applicationDirPath();
    if (QFileInfo(QDir(programs).filePath(QStringLiteral("data"))).isDir())
        return programs;
    // An installed copy keeps it where the build placed it relative to the
    // programs (bin/ and share/karvento/), so a moved prefix still works. A
    // damaged installation is named by this folder, not by bin/.
    return QDir::cleanPath(QDir(programs).filePath(QStringLiteral(KV_INSTALLED_DATA_DIR)));
}

} // namespace kv
