#include "location/DatabaseLocation.h"

#include "location/PasswordScrambler.h"
#include "storage/ErrorReport.h"
#include "storage/SettingsPaths.h"
#include "storage/TableMaintenance.h"
#include "support/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

namespace kv {

namespace {

constexpr int kRecordSize = 257;

QString stripSeparators(QString path) {
    while (path.size() > 1 && (path.endsWith(u'/') || path.endsWith(u'\\')))
        path.chop(1);
    return path;
}

QString iniPath() {
    return settingsFile(QStringLiteral("karvento.ini"));
}
QString configPath() {
    return settingsFile(QStringLiteral("config.dat"));
}

} // namespace

QByteArray configRecordFor(const QString& password) {
    const QByteArray enciphered =
        PasswordScrambler::encipher(password.toLatin1(), kDatabasePasswordKey).left(255);
    QByteArray record(kRecordSize, '\0');
    record[0] = static_cast<char>(enciphered.size());
    for (int i = 0; i < enciphered.size(); ++i)
        record[i + 1] = enciphered.at(i);
    return record;
}

std::optional<QString> passwordFromConfigRecord(const QByteArray& record) {
    if (record.size() < 1)
        return std::nullopt;
    const int n = static_cast<unsigned char>(record.at(0));
    if (record.size() < 1 + n)
        return std::nullopt;
    return QString::fromLatin1(PasswordScrambler::decipher(record.mid(1, n), kDatabasePasswordKey));
}

DatabaseLocation readLocationAndPassword() {
    DatabaseLocation result;
    IniFile ini(iniPath());
    ini.load();
    result.location =
        stripSeparators(ini.readString(QStringLiteral("DATABASE"), QStringLiteral("lokalizacja")));
    if (!result.location.isEmpty()) {
        QFile file(configPath());
        std::optional<QString> password;
        if (file.open(QIODevice::ReadOnly))
            password = passwordFromConfigRecord(file.read(kRecordSize));
        if (password) {
            result.password = *password;
        } else {
            const QString why = file.exists() ? file.errorString()
                                              : QStringLiteral("Brak pliku %1").arg(configPath());
            reportDatabaseError(QStringLiteral("Nie można odczytać pliku config.dat: %1").arg(why),
                                true, 101749);
        }
        return result;
    }
    // Older installations kept both in the system settings (the registry).
    // The second key lies under "Microsoft", as some installers placed it.
    const std::pair<QString, QString> keys[] = {
        {QStringLiteral("Dravelon"), QStringLiteral("DataBase")},
        {QStringLiteral("Microsoft"), QStringLiteral("Dravelon/DataBase")}};
    for (const auto& [organisation, app] : keys) {
        QSettings system(QSettings::NativeFormat, QSettings::SystemScope, organisation, app);
        if (!system.contains(QStringLiteral("Location")))
            continue;
        result.location = stripSeparators(system.value(QStringLiteral("Location")).toString());
        const QByteArray enciphered = system.value(QStringLiteral("Driver")).toString().toLatin1();
        result.password =
            QString::fromLatin1(PasswordScrambler::decipher(enciphered, kDatabasePasswordKey));
        saveLocationAndPassword(result);
        break;
    }
    return result;
}

bool saveLocationAndPassword(const DatabaseLocation& location) {
    IniFile ini(iniPath());
    ini.load();
    ini.writeString(QStringLiteral("DATABASE"), QStringLiteral("lokalizacja"),
                    stripSeparators(location.location));
    const bool iniSaved = ini.save();
    QSaveFile file(configPath());
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(configRecordFor(location.password)) != kRecordSize || !file.commit()) {
        reportDatabaseError(
            QStringLiteral("Nie można zapisać pliku config.dat: %1").arg(file.errorString()), true,
            101756);
        return false;
    }
    return iniSaved;
}

LocationCheck checkLocation(const DatabaseLocation& location, bool trial) {
    const QString root = stripSeparators(location.location);
    if (root.isEmpty())
        return LocationCheck::Missing;
    if (!QFileInfo::exists(QDir(root).filePath(QStringLiteral("firmy.DB"))))
        return LocationCheck::Missing;
    deleteLockFiles(root);
    if (trial && !trialOpenTable(root, QStringLiteral("firmy.DB"), location.password))
        return LocationCheck::WrongPassword;
    return LocationCheck::Usable;
}

QString databasePasswordProblem(const QString& password) {
    if (password.size() < 3)
        return QStringLiteral("Hasło zbyt krótkie (minimum 3 znaki).");
    if (password.size() > 15)
        return QStringLiteral("Hasło zbyt długie (maksymalnie 15 znaków).");
    for (const QChar c : password) {
        const bool ok =
            (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
        if (!ok)
            return QStringLiteral("Hasło może składać się tylko z cyfr lub małych i dużych "
                                  "liter, bez polskich znaków.");
    }
    return {};
}

} // namespace kv
