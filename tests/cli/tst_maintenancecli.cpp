#include "TestSupport.h"

#include "CliRun.h"
#include "location/CompanyAdministration.h"
#include "schema/Schema.h"
#include "schema/TemplateBuilder.h"
#include "storage/ProgramOptions.h"
#include "storage/SettingsPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

using namespace kv;

// "backup" and "upgrade" of karvento-cli.
class TestMaintenanceCli : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    using Run = test::CliRun;
    static Run run(QStringList args, const QString& location, const QString& password) {
        args << QStringLiteral("--location") << location << QStringLiteral("--db-password")
             << password;
        return test::runCli(args);
    }

    // A company of version 1.0.13: the last two steps are still to come.
    QString oldCompany(const QString& location, const QString& password) {
        const QString dir = QDir(location).filePath(QStringLiteral("stara"));
        createCompanyTables(dir, password, schema::Version::V1_0_13);
        for (const char* v : {"1.0.5", "1.0.6", "1.0.7", "1.0.8", "1.0.9", "1.0.13"})
            QFile(QDir(dir).filePath(QStringLiteral("update") + QString::fromLatin1(v)))
                .open(QIODevice::WriteOnly);
        return dir;
    }

private slots:
    void init() {
        env.ui().clear();
        env.ui().setDefaultAnswer(false);
    }

    void backupPrintsTheNextFolderEachTime() {
        const QString location = env.newDirectory(QStringLiteral("backup"));
        const QString company =
            test::makeTemplateCompany(QDir(location).filePath(QStringLiteral("firma")));
        const QStringList args{QStringLiteral("backup"), QStringLiteral("--company"),
                               QStringLiteral("firma")};
        for (int n : {1, 2}) {
            const Run r = run(args, location, schema::kTemplatePassword);
            QVERIFY2(r.code == 0, qPrintable(r.err));
            QCOMPARE(r.out.trimmed(), QDir(company).filePath(QStringLiteral("backup_%1").arg(n)));
        }
        QCOMPARE(
            QDir(QDir(company).filePath(QStringLiteral("backup_2"))).entryList(QDir::Files).size(),
            30);
        QVERIFY(env.ui().messages().isEmpty()); // nothing asked
    }

    void companyFolderIsChecked() {
        const QString location = env.newDirectory(QStringLiteral("refused"));
        for (const char* command : {"backup", "upgrade"}) {
            const QString word = QString::fromLatin1(command);
            const Run none = run({word}, location, schema::kTemplatePassword);
            QCOMPARE(none.code, 2); // how the command is used
            QVERIFY(none.err.contains(QStringLiteral("--company FOLDER")));
            const Run outside = run({word, QStringLiteral("--company"), QStringLiteral("..")},
                                    location, schema::kTemplatePassword);
            QCOMPARE(outside.code, 1);
            QVERIFY(outside.err.contains(kBadCompanyFolderText));
            const Run missing = run({word, QStringLiteral("--company"), QStringLiteral("brak")},
                                    location, schema::kTemplatePassword);
            QCOMPARE(missing.code, 1);
            QVERIFY(missing.err.contains(QStringLiteral("nie istnieje")));
        }
    }

    void upgradePrintsTheLinesItLogged() {
        const QString location = env.newDirectory(QStringLiteral("upgrade"));
        const QString password = QStringLiteral("haslo42");
        const QString company = oldCompany(location, password);
        const QStringList args{QStringLiteral("upgrade"), QStringLiteral("--company"),
                               QStringLiteral("stara")};
        const Run first = run(args, location, password);
        QVERIFY2(first.code == 0, qPrintable(first.err));
        const QStringList lines = first.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines.at(0).endsWith(
            QStringLiteral("[9999999999]  program zaktualizowany do wersji 2.6")));
        QVERIFY(lines.at(1).endsWith(QStringLiteral("[9999999999]  Dodano tabelę system.DB DIR=") +
                                     company));
        QVERIFY(lines.at(2).endsWith(
            QStringLiteral("[9999999999]  baza danych zaktualizowana do wersji 2.8")));
        QVERIFY(QFile::exists(QDir(company).filePath(QStringLiteral("system.DB"))));
        QVERIFY(env.ui().contains(QStringLiteral("Baza danych zaktualizowana do wersji 2.8")));

        const Run again = run(args, location, password);
        QCOMPARE(again.code, 0);
        QCOMPARE(again.out.trimmed(), QStringLiteral("Baza danych firmy jest aktualna."));
    }

    // The real program asks on the terminal; --yes answers "Tak".
    void terminalQuestionIsAnsweredByYes() {
        const QString program = QDir(installDirectory()).filePath(QStringLiteral("karvento-cli"));
        QVERIFY(QFileInfo(program).isExecutable());
        const QString settings = env.newDirectory(QStringLiteral("cli-settings"));
        const QString location = env.newDirectory(QStringLiteral("cli-db"));
        oldCompany(location, QStringLiteral("haslo42"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KARVENTO_SETTINGS_DIR"), settings);
        QProcess p;
        p.setProcessEnvironment(environment);
        p.start(program,
                {QStringLiteral("upgrade"), QStringLiteral("--company"), QStringLiteral("stara"),
                 QStringLiteral("--location"), location, QStringLiteral("--db-password"),
                 QStringLiteral("haslo42"), QStringLiteral("--yes")});
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(120000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(p.exitCode() == 0, qPrintable(err));
        QVERIFY(err.contains(QStringLiteral("(Domyślnie: TAK)? [Tak]")));
        QVERIFY(QString::fromUtf8(p.readAllStandardOutput())
                    .contains(QStringLiteral("program zaktualizowany do wersji 2.6")));
        // "Tak" leaves the option as it was: nothing written that turns it off.
        QVERIFY(ProgramOptions::load(QDir(settings).filePath(QStringLiteral("karvento.ini")))
                    .cbKopiujPrzebiegDoHistorii);

        // Without --yes and without a terminal the question takes the default
        // it names, so nobody's option is turned off unasked.
        const QString other = env.newDirectory(QStringLiteral("cli-db2"));
        oldCompany(other, QStringLiteral("haslo42"));
        QProcess q;
        q.setProcessEnvironment(environment);
        q.start(program, {QStringLiteral("upgrade"), QStringLiteral("--company"),
                          QStringLiteral("stara"), QStringLiteral("--location"), other,
                          QStringLiteral("--db-password"), QStringLiteral("haslo42")});
        q.closeWriteChannel();
        QVERIFY(q.waitForFinished(120000));
        const QString asked = QString::fromUtf8(q.readAllStandardError());
        QVERIFY2(q.exitCode() == 0, qPrintable(asked));
        QVERIFY2(asked.contains(QStringLiteral("[Tak – domyślnie; brak terminala]")),
                 qPrintable(asked));
        QVERIFY(ProgramOptions::load(QDir(settings).filePath(QStringLiteral("karvento.ini")))
                    .cbKopiujPrzebiegDoHistorii);
    }
};

QTEST_GUILESS_MAIN(TestMaintenanceCli)
#include "tst_maintenancecli.moc"
