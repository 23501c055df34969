#include "TestSupport.h"

#include "storage/ProgramOptions.h"
#include "support/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kv;

class TestOptions : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    QString write(const QString& name, const QByteArray& content) {
        const QString path = QDir(env.newDirectory(name)).filePath(QStringLiteral("karvento.ini"));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return path;
    }

private slots:
    void missingFileGivesDefaultsAndFirstSaveWritesEveryKey() {
        const QString path =
            QDir(env.newDirectory(QStringLiteral("none"))).filePath(QStringLiteral("karvento.ini"));
        const ProgramOptions o = ProgramOptions::load(path);
        QCOMPARE(o, ProgramOptions{});
        QVERIFY(o.save(path));
        IniFile ini(path);
        QVERIFY(ini.load());
        // Every key but RodzajKosztuRO (csvUtf8, the export's encoding, made it 53).
        QCOMPARE(ini.keys(QStringLiteral("OPTIONS")).size(), 53);
        QCOMPARE(ini.readString(QStringLiteral("OPTIONS"), QStringLiteral("csvUtf8")),
                 QStringLiteral("0"));
        QVERIFY(ini.contains(QStringLiteral("OPTIONS"), QStringLiteral("PokazujPoradeDnia")));
        QVERIFY(!ini.contains(QStringLiteral("OPTIONS"), QStringLiteral("RodzajKosztuRO")));
        QCOMPARE(ini.readString(QStringLiteral("OPTIONS"), QStringLiteral("cbFirstLog")),
                 QStringLiteral("0"));
        ProgramOptions back = ProgramOptions::load(path);
        QVERIFY(!back.cbFirstLog);
        back.cbFirstLog = true;
        QCOMPARE(back, ProgramOptions{});
    }

    void keysInOtherLetterCaseAndOddValues() {
        const QString path =
            write(QStringLiteral("case"),
                  "[options]\r\nPOKAZUJPORADEDNIA=0\r\nfiltrrokod=2010\r\n"
                  "dataWsteczna=abc\r\npytajPrzedKasowaniem=5\r\nCBPOJAZD=WE \"1'23\r\n"
                  "RodzajKosztuRO=1\r\n[DBGRID]\r\nPojazdyGrid=10,20\r\n");
        ProgramOptions o = ProgramOptions::load(path);
        QVERIFY(!o.pokazujPoradeDnia);
        QCOMPARE(o.filtrRokOd, 2010);
        QCOMPARE(o.dataWsteczna, 7);     // not an integer: default
        QVERIFY(o.pytajPrzedKasowaniem); // any non-zero integer is true
        QCOMPARE(o.CBPojazd, QStringLiteral("WE \"1'23"));
        QVERIFY(o.RodzajKosztuRO);
        o.filtrRokOd = 2012;
        o.RodzajKosztuRO = false;
        QVERIFY(o.save(path));
        IniFile ini(path);
        QVERIFY(ini.load());
        QCOMPARE(ini.readString(QStringLiteral("OPTIONS"), QStringLiteral("RodzajKosztuRO")),
                 QStringLiteral("1"));
        QCOMPARE(ini.readString(QStringLiteral("DBGRID"), QStringLiteral("PojazdyGrid")),
                 QStringLiteral("10,20"));
        QCOMPARE(ini.readInt(QStringLiteral("OPTIONS"), QStringLiteral("filtrRokOd"), 0), 2012);
        QCOMPARE(ini.keys(QStringLiteral("OPTIONS"))
                     .filter(QStringLiteral("filtrrokod"), Qt::CaseInsensitive)
                     .size(),
                 1);
        QCOMPARE(ProgramOptions::load(path).CBPojazd, QStringLiteral("WE \"1'23"));
    }

    void reportModuleDatesMoveToOptions() {
        const QString path = write(QStringLiteral("reports"),
                                   "[REPORTS]\nRP1_zestawienieDataOd=01.01.2024\nRP1_inne=7\n"
                                   "[OPTIONS]\nRP2_limitKm=300\n");
        QVERIFY(ProgramOptions::load(path).save(path));
        IniFile ini(path);
        QVERIFY(ini.load());
        QCOMPARE(ini.readString(QStringLiteral("OPTIONS"), QStringLiteral("RP1_zestawienieDataOd")),
                 QStringLiteral("01.01.2024"));
        QCOMPARE(ini.readString(QStringLiteral("OPTIONS"), QStringLiteral("RP2_limitKm")),
                 QStringLiteral("300"));
        QVERIFY(!ini.contains(QStringLiteral("OPTIONS"), QStringLiteral("RP1_inne")));
    }
};

QTEST_GUILESS_MAIN(TestOptions)
#include "tst_options.moc"
