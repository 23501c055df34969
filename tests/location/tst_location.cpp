#include "TestSupport.h"

#include "location/DatabaseLocation.h"
#include "location/PasswordScrambler.h"
#include "schema/Schema.h"
#include "storage/ErrorLog.h"
#include "storage/SettingsPaths.h"
#include "support/IniFile.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

using namespace kv;

class TestLocation : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void cipherRoundTrips() {
        PasswordScrambler c;
        c.Key = kDatabasePasswordKey;
        c.Cryptogram = "zZ9abcXYZ019";
        c.encipher();
        QVERIFY(c.Cryptogram != "zZ9abcXYZ019");
        QCOMPARE(c.Cryptogram.size(), 12);
        c.decipher();
        QCOMPARE(c.Cryptogram, QByteArray("zZ9abcXYZ019"));
        // 'z' (122) + 'Q' (81) passes 255 and wraps.
        QCOMPARE(static_cast<unsigned char>(PasswordScrambler::encipher("z", "Q").at(0)),
                 (122 + 81) % 256);
        QCOMPARE(static_cast<unsigned char>(PasswordScrambler::encipher("\xF0", "Q").at(0)),
                 (240 + 81) % 256);
        QCOMPARE(PasswordScrambler::decipher(PasswordScrambler::encipher("\xF0\x01", "Qm"), "Qm"),
                 QByteArray("\xF0\x01"));
        QCOMPARE(PasswordScrambler::encipher("abc", QByteArray()), QByteArray("abc"));
    }

    void configRecordIs257BytesAndReadsBack() {
        const QByteArray record = configRecordFor(QStringLiteral("Haslo123"));
        QCOMPARE(record.size(), 257);
        QCOMPARE(static_cast<int>(record.at(0)), 8);
        QCOMPARE(passwordFromConfigRecord(record).value_or(QString()), QStringLiteral("Haslo123"));
        QVERIFY(!passwordFromConfigRecord(QByteArray()).has_value());
        QVERIFY(!passwordFromConfigRecord(QByteArray(1, '\x09') + "abc").has_value());

        DatabaseLocation loc{QStringLiteral("/srv/baza/"), QStringLiteral("Tajne15znakowAB")};
        QVERIFY(saveLocationAndPassword(loc));
        QFile f(settingsFile(QStringLiteral("config.dat")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), configRecordFor(QStringLiteral("Tajne15znakowAB")));
        const DatabaseLocation back = readLocationAndPassword();
        QCOMPARE(back.location, QStringLiteral("/srv/baza"));
        QCOMPARE(back.password, QStringLiteral("Tajne15znakowAB"));
        IniFile ini(settingsFile(QStringLiteral("karvento.ini")));
        QVERIFY(ini.load());
        QCOMPARE(ini.readString(QStringLiteral("database"), QStringLiteral("LOKALIZACJA")),
                 QStringLiteral("/srv/baza"));
    }

    void unreadableConfigIsReported() {
        QVERIFY(saveLocationAndPassword({QStringLiteral("/srv/x"), QStringLiteral("abc")}));
        QFile::remove(settingsFile(QStringLiteral("config.dat")));
        env.ui().clear();
        const DatabaseLocation loc = readLocationAndPassword();
        QCOMPARE(loc.location, QStringLiteral("/srv/x"));
        QVERIFY(loc.password.isEmpty());
        QFile log(errorLogPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("[0000101749]  "));
        QCOMPARE(env.ui().messages().size(), 1);
    }

    void systemSettingsAreAFallbackCopiedOnce() {
        IniFile ini(settingsFile(QStringLiteral("karvento.ini")));
        ini.load();
        ini.removeKey(QStringLiteral("DATABASE"), QStringLiteral("lokalizacja"));
        QVERIFY(ini.save());
        const QString systemDir = env.newDirectory(QStringLiteral("system-settings"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, systemDir);
        {
            QSettings s(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Dravelon"),
                        QStringLiteral("DataBase"));
            s.setValue(QStringLiteral("Location"), QStringLiteral("/mnt/firma/"));
            s.setValue(QStringLiteral("Driver"), QString::fromLatin1(PasswordScrambler::encipher(
                                                     "stare1", kDatabasePasswordKey)));
        }
        const DatabaseLocation loc = readLocationAndPassword();
        QCOMPARE(loc.location, QStringLiteral("/mnt/firma"));
        QCOMPARE(loc.password, QStringLiteral("stare1"));
        // From now on the program's own files answer.
        QDir(systemDir).removeRecursively();
        const DatabaseLocation again = readLocationAndPassword();
        QCOMPARE(again.location, QStringLiteral("/mnt/firma"));
        QCOMPARE(again.password, QStringLiteral("stare1"));
    }

    void locationCheckResults() {
        QCOMPARE(checkLocation({}), LocationCheck::Missing);
        const QString root = env.newDirectory(QStringLiteral("loc"));
        QCOMPARE(checkLocation({root, QStringLiteral("x")}), LocationCheck::Missing);
        QVERIFY(QFile::copy(QDir(test::templateDataDir()).filePath(QStringLiteral("firmyblank.D_")),
                            QDir(root).filePath(QStringLiteral("firmy.DB"))));
        QCOMPARE(checkLocation({root, QStringLiteral("zle")}), LocationCheck::WrongPassword);
        QCOMPARE(checkLocation({root + u'/', schema::kTemplatePassword}), LocationCheck::Usable);
    }

    void passwordRules_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("problem");
        QTest::newRow("3 letters") << "abc"
                                   << "";
        QTest::newRow("15 mixed") << "Abcdefghij12345"
                                  << "";
        QTest::newRow("2") << "ab"
                           << "Hasło zbyt krótkie (minimum 3 znaki).";
        QTest::newRow("16") << "Abcdefghij123456"
                            << "Hasło zbyt długie (maksymalnie 15 znaków).";
        QTest::newRow("underscore")
            << "abc_def"
            << "Hasło może składać się tylko z cyfr lub małych i dużych liter, "
               "bez polskich znaków.";
        QTest::newRow("polish") << QStringLiteral("zażółć")
                                << "Hasło może składać się tylko z cyfr lub małych i dużych liter, "
                                   "bez polskich znaków.";
    }
    void passwordRules() {
        QFETCH(QString, password);
        QFETCH(QString, problem);
        QCOMPARE(databasePasswordProblem(password), problem);
    }
};

QTEST_GUILESS_MAIN(TestLocation)
#include "tst_location.moc"
