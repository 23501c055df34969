#include "data/SettingsPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace kv {

namespace {
QString& cached() {
    static QString dir;
    return dir;
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
        const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        dir = QDir(base).filePath(QStringLiteral("Dravelon/Karvento"));
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
