#include "TestSupport.h"

#include "location/CompanyAdministration.h"
#include "location/DatabaseCreation.h"
#include "location/DatabaseLocation.h"
#include "location/DatabaseSetup.h"
#include "schema/Schema.h"
#include "storage/SettingsPaths.h"
#include "storage/engine/Connection.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

using namespace kv;

namespace {

const QString kPassword = QStringLiteral("Baza2024");

QStringList listing(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

// Company folders that also work on the Windows shares databases are kept
// on, names that Windows would take for one, additions that race, and a
// deletion that leaves no litter.
class TestCompanyFolders : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    QString newLocation(const QString& name) {
        const QString dir = env.newDirectory(name);
        if (!createFromTemplates(dir, CreationMode::NewDatabase, false, kPassword))
            qFatal("cannot create a location");
        return dir;
    }
    QList<CompanyEntry> companies(const QString& location) {
        return CompanyAdministration(location, kPassword)
            .companies(325)
            .value_or(QList<CompanyEntry>{});
    }

private slots:
    void init() {
        env.ui().clear();
        env.ui().setDefaultAnswer(false);
    }

    void foldersWindowsCannotHoldAreRefusedBeforeAnythingIsWritten_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("message");
        const QString chars = kForbiddenFolderCharactersText;
        for (const char* c : {"<", ">", "\"", "|", "?", "*"})
            QTest::newRow(c) << QStringLiteral("firma%1a").arg(QLatin1String(c)) << chars;
        QTest::newRow("colon") << "firma:a" << kBadCompanyFolderText;
        QTest::newRow("backslash") << "firma\\a" << kBadCompanyFolderText;
        QTest::newRow("escape") << QStringLiteral("firma\x1b")
                                << "Nazwa nie może zawierać "
                                   "znaków tabulacji ani końca "
                                   "wiersza.";
        QTest::newRow("delete char") << QStringLiteral("firma\x7f")
                                     << "Nazwa nie może zawierać "
                                        "znaków tabulacji ani "
                                        "końca wiersza.";
        QTest::newRow("trailing blank") << "firma " << kFolderEndText;
        QTest::newRow("trailing dot") << "firma." << kFolderEndText;
        QTest::newRow("dots") << "..." << kFolderEndText;
        for (const char* device : {"CON", "prn", "Aux", "NUL", "COM1", "com9", "LPT1", "LPT9",
                                   "CON.txt", "nul.tar.gz", "COM3 .dat"})
            QTest::newRow(device) << QString::fromLatin1(device) << QString();
    }
    void foldersWindowsCannotHoldAreRefusedBeforeAnythingIsWritten() {
        QFETCH(QString, folder);
        QFETCH(QString, message);
        const QString location = newLocation(QStringLiteral("windows"));
        const QStringList before = listing(location);
        const int progress = env.ui().progressUpdates();
        CompanyAdministration admin(location, kPassword);
        QCOMPARE(admin.addCompany(QStringLiteral("Firma"), folder), SetupResult::Refused);
        if (message.isEmpty())
            QVERIFY2(env.ui().last().text.contains(QStringLiteral("zarezerwowana")),
                     qPrintable(env.ui().last().text));
        else
            QCOMPARE(env.ui().last().text, message);
        QCOMPARE(listing(location), before);
        QCOMPARE(env.ui().progressUpdates(), progress);
        QVERIFY(companies(location).isEmpty());
    }

    void namesWindowsWouldTakeForOneWorkElsewhere() {
        for (const char* fine : {"COM10", "LPT0", "CONSOLE", "console.txt", "Firma.2024", " lead"})
            QVERIFY2(companyFolderProblem(QString::fromLatin1(fine)).isEmpty(), fine);
    }

    void namesDifferingOnlyInCaseOrBlanksAreRefused() {
        const QString location = newLocation(QStringLiteral("case"));
        CompanyAdministration admin(location, kPassword);
        QCOMPARE(admin.addCompany(QStringLiteral("Nowak"), QStringLiteral("nowak")),
                 SetupResult::Done);
        const QStringList before = listing(location);
        for (const auto& [name, folder] :
             {std::pair{"NOWAK", "inny"}, std::pair{" Nowak ", "inny"}, std::pair{"Inna", "NOWAK"},
              std::pair{"Inna", " nowak"}}) {
            env.ui().clear();
            QCOMPARE(admin.addCompany(QString::fromLatin1(name), QString::fromLatin1(folder)),
                     SetupResult::Refused);
            QVERIFY2(env.ui().last().text.contains(QStringLiteral("wielkością liter")),
                     qPrintable(env.ui().last().text));
        }
        QCOMPARE(listing(location), before);
        QCOMPARE(companies(location).size(), 1);

        // A folder of that name in another case, listed or not.
        QVERIFY(QDir(location).mkdir(QStringLiteral("Archiwum")));
        QCOMPARE(admin.addCompany(QStringLiteral("Archiwalna"), QStringLiteral("archiwum")),
                 SetupResult::Refused);
        QVERIFY(env.ui().last().text.contains(QStringLiteral("„Archiwum”")));
        QCOMPARE(admin.addCompany(QStringLiteral("Lista"), QStringLiteral("FIRMY.db")),
                 SetupResult::Refused);

        // A rename too; the company itself may change its case.
        QCOMPARE(admin.addCompany(QStringLiteral("Kowalski"), QStringLiteral("kowalski")),
                 SetupResult::Done);
        QCOMPARE(admin.renameCompany(QStringLiteral("Kowalski"), QStringLiteral("nowak ")),
                 SetupResult::Refused);
        QVERIFY(env.ui().last().text.contains(QStringLiteral("„Nowak”")));
        QCOMPARE(admin.renameCompany(QStringLiteral("Kowalski"), QStringLiteral("KOWALSKI")),
                 SetupResult::Done);
    }

    void existingEmptyFolderTakesTheCompany() {
        const QString location = newLocation(QStringLiteral("existing"));
        const QString folder = QDir(location).filePath(QStringLiteral("gotowy"));
        QVERIFY(QDir().mkpath(QDir(folder).filePath(QStringLiteral("backup_1"))));
        CompanyAdministration admin(location, kPassword);
        QCOMPARE(admin.addCompany(QStringLiteral("Gotowa"), QStringLiteral("gotowy")),
                 SetupResult::Done);
        QVERIFY(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("pojazdy.DB"))));
        QVERIFY(QFileInfo(QDir(folder).filePath(QStringLiteral("backup_1"))).isDir());
        // No scratch folder is left in the control folder.
        QCOMPARE(listing(QDir(location).filePath(QStringLiteral("NetFileDir"))),
                 QStringList{QStringLiteral("firmy.LCK")});
    }

    void abandonedScratchIsRemovedByTheNextAddition() {
        const QString location = newLocation(QStringLiteral("abandoned"));
        const QString scratch = QDir(location).filePath(QStringLiteral("NetFileDir/nowa_firma_1"));
        QVERIFY(QDir().mkpath(scratch));
        QFile half(QDir(scratch).filePath(QStringLiteral("pojazdy.DB")));
        QVERIFY(half.open(QIODevice::WriteOnly));
        half.close();
        CompanyAdministration admin(location, kPassword);
        QCOMPARE(admin.addCompany(QStringLiteral("Po awarii"), QStringLiteral("po")),
                 SetupResult::Done);
        QVERIFY(!QFileInfo::exists(scratch));
    }

    // Two programs add one folder at the same moment: one company, one
    // refusal that says why, no half-made folder.
    void simultaneousAdditionsOfOneFolderLeaveOneCompany() {
        const QString location = newLocation(QStringLiteral("race"));
        const QString program = QDir(installDirectory()).filePath(QStringLiteral("karvento-cli"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KARVENTO_SETTINGS_DIR"),
                           env.newDirectory(QStringLiteral("race-settings")));
        QProcess first, second;
        const auto start = [&](QProcess& p, const QString& name) {
            p.setProcessEnvironment(environment);
            p.start(program, {QStringLiteral("company"), QStringLiteral("add"), name,
                              QStringLiteral("wspolny"), QStringLiteral("--location"), location,
                              QStringLiteral("--db-password"), kPassword});
        };
        start(first, QStringLiteral("Pierwsza"));
        start(second, QStringLiteral("Druga"));
        QVERIFY(first.waitForFinished(120000) && second.waitForFinished(120000));
        const QList<int> codes{first.exitCode(), second.exitCode()};
        const QStringList errors{QString::fromUtf8(first.readAllStandardError()),
                                 QString::fromUtf8(second.readAllStandardError())};
        QVERIFY2(codes.contains(0) && codes.contains(1), qPrintable(errors.join(u'\n')));
        const QString loser = errors.at(codes.indexOf(1));
        QVERIFY2(loser.contains(QStringLiteral("Istnieje już firma w podanym katalogu")),
                 qPrintable(loser));
        const QList<CompanyEntry> list = companies(location);
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.first().folder, QStringLiteral("wspolny"));
        const QString company = QDir(location).filePath(QStringLiteral("wspolny"));
        for (const schema::Table& t : schema::companyTables())
            QVERIFY2(QFileInfo::exists(QDir(company).filePath(t.file)), qPrintable(t.file));
        QCOMPARE(listing(QDir(location).filePath(QStringLiteral("NetFileDir"))),
                 QStringList{QStringLiteral("firmy.LCK")});
        QStringList left = listing(location);
        left.removeAll(QStringLiteral("KARVENTO.LCK")); // the location's presence lock
        left.sort();
        QCOMPARE(left, (QStringList{QStringLiteral("NetFileDir"), QStringLiteral("firmy.DB"),
                                    QStringLiteral("odleglosci.DB"), QStringLiteral("wspolny")}));
    }

    void deletionTakesWhatTheProgramMadeAndAnEmptyFolder() {
        const QString location = newLocation(QStringLiteral("delete"));
        CompanyAdministration admin(location, kPassword);
        QCOMPARE(admin.addCompany(QStringLiteral("Pusta"), QStringLiteral("pusta")),
                 SetupResult::Done);
        QCOMPARE(admin.addCompany(QStringLiteral("Z kopią"), QStringLiteral("zkopia")),
                 SetupResult::Done);
        const QString kept = QDir(location).filePath(QStringLiteral("zkopia"));
        QVERIFY(QDir().mkpath(QDir(kept).filePath(QStringLiteral("backup_1"))));

        env.ui().setDefaultAnswer(true);
        QVERIFY(confirmCompanyDeletion());
        QVERIFY(env.ui().last().defaultNo); // Enter alone deletes nothing
        QCOMPARE(admin.deleteCompany(QStringLiteral("Pusta")), SetupResult::Done);
        QVERIFY(!QFileInfo::exists(QDir(location).filePath(QStringLiteral("pusta"))));
        QCOMPARE(admin.deleteCompany(QStringLiteral("Z kopią")), SetupResult::Done);
        QCOMPARE(listing(kept), QStringList{QStringLiteral("backup_1")});
    }

    void replacingADatabaseDefaultsToNo() {
        const QString dir = env.newDirectory(QStringLiteral("replace"));
        QVERIFY(createDatabase(dir, false, QStringLiteral("pierwsze")) == SetupResult::Done);
        env.ui().clear();
        QCOMPARE(createDatabase(dir, false, QStringLiteral("drugie")), SetupResult::Cancelled);
        QCOMPARE(env.ui().last().kind, ScriptedUserInterface::Kind::Question);
        QVERIFY(env.ui().last().defaultNo);
    }
};

QTEST_GUILESS_MAIN(TestCompanyFolders)
#include "tst_companyfolders.moc"
