#include "TestSupport.h"

#include "location/CompanyAdministration.h"
#include "location/DatabaseCreation.h"
#include "schema/CompanyInitialData.h"
#include "schema/Schema.h"
#include "storage/TableMaintenance.h"
#include "storage/engine/Connection.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

using namespace kv;
using engine::Connection;
using engine::EngineSession;

namespace {

const QString kPassword = QStringLiteral("Baza2024");

QStringList listing(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

// Adding, renaming and deleting companies in a database location.
class TestCompanyAdministration : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    EngineSession session;

    // A fresh location without companies.
    QString newLocation(const QString& name) {
        const QString dir = env.newDirectory(name);
        if (!createFromTemplates(dir, CreationMode::NewDatabase, false, kPassword))
            qFatal("cannot create a location");
        return dir;
    }
    ResultSet select(const QString& dir, const QString& sql) {
        Connection c(&session);
        c.open(dir, false);
        return c.query(sql);
    }
    void execute(const QString& dir, const QString& sql) {
        Connection c(&session);
        c.open(dir, false);
        c.execute(sql);
    }
    int companyCount(const QString& location) {
        return select(location, QStringLiteral("SELECT COUNT(*) FROM firmy")).value(0, 0).toInt();
    }

private slots:
    void initTestCase() { session.addPassword(kPassword); }
    void init() {
        env.ui().clear();
        env.ui().setDefaultAnswer(false);
    }

    void newCompanyIsProtectedListedAndReadyToWork() {
        const QString location = newLocation(QStringLiteral("add"));
        CompanyAdministration admin(location, kPassword);
        QCOMPARE(admin.addCompany(QStringLiteral("Transport Kowalski"), QStringLiteral("kowalski")),
                 SetupResult::Done);
        QVERIFY(env.ui().last().text.startsWith(
            QStringLiteral("Zakładanie nowej firmy zakończyło się sukcesem. Do nowej firmy można "
                           "zalogować się podając użytkownika \"ADMIN\" i hasło \"zebux\"")));
        const auto list = admin.companies(325);
        QVERIFY(list);
        QCOMPARE(list->size(), 1);
        QCOMPARE(list->first().name, QStringLiteral("Transport Kowalski"));
        QCOMPARE(list->first().folder, QStringLiteral("kowalski"));

        const QString company = QDir(location).filePath(QStringLiteral("kowalski"));
        for (const schema::Table& t : schema::companyTables()) {
            QVERIFY2(trialOpenTable(company, t.file, kPassword), qPrintable(t.file));
            QVERIFY2(!trialOpenTable(company, t.file, schema::kTemplatePassword),
                     qPrintable(t.file));
        }
        for (const QString& marker : upgradeMarkerNames())
            QVERIFY(QFileInfo::exists(QDir(company).filePath(marker)));
        QCOMPARE(select(company, QStringLiteral("SELECT NAZWA FROM userzy")).value(0, 0).toString(),
                 QStringLiteral("ADMIN"));
    }

    void newCompanyHasItsDictionariesAndRates() {
        const QString location = newLocation(QStringLiteral("initial"));
        CompanyAdministration admin(location, kPassword);
        QCOMPARE(admin.addCompany(QStringLiteral("Nowa"), QStringLiteral("nowa")),
                 SetupResult::Done);
        const QString company = QDir(location).filePath(QStringLiteral("nowa"));

        const ResultSet kinds =
            select(company, QStringLiteral("SELECT KOD, OPIS, UZUP1 FROM slowniki "
                                           "WHERE IDSLOWNIK = 'RDPOJ' ORDER BY KOD"));
        QCOMPARE(kinds.rowCount(), 20);
        const QStringList fixed{QStringLiteral("Samochód osobowy"),
                                QStringLiteral("Samochód ciężarowy"), QStringLiteral("Motocykl"),
                                QStringLiteral("Motorower")};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(kinds.value(i, 0).toInt(), i + 1);
            QCOMPARE(kinds.value(i, 1).toString(), fixed.at(i));
        }
        for (int i = 4; i < 20; ++i) {
            QVERIFY(kinds.value(i, 0).toInt() > 4);
            QCOMPARE(kinds.value(i, 1).toString(), QStringLiteral("Inne %1").arg(i - 3));
            QCOMPARE(kinds.value(i, 2).toString(), QString::number(i + 1));
        }
        const ResultSet payments = select(
            company,
            QStringLiteral("SELECT OPIS FROM slowniki WHERE IDSLOWNIK = 'RDPLA' ORDER BY KOD"));
        QCOMPARE(payments.rowCount(), 3);
        QCOMPARE(payments.value(2, 0).toString(), QStringLiteral("Karta płatnicza"));
        const ResultSet vat = select(
            company,
            QStringLiteral("SELECT OPIS FROM slowniki WHERE IDSLOWNIK = 'STVAT' ORDER BY KOD"));
        QCOMPARE(vat.rowCount(), 4);
        QCOMPARE(vat.value(0, 0).toString(), QStringLiteral("23"));
        QCOMPARE(vat.value(3, 0).toString(), QStringLiteral("0"));

        const ResultSet rates =
            select(company, QStringLiteral(
                                "SELECT DATAOD, LW900, GT900, MOTOCYKL, MOTOROWER, RDPOJ5, RDPOJ20 "
                                "FROM stawki ORDER BY DATAOD"));
        QCOMPARE(rates.rowCount(), 2);
        QCOMPARE(rates.value(0, 0).toInt(), 20071114);
        QCOMPARE(rates.value(0, 1).toDouble(), 0.5214);
        QCOMPARE(rates.value(0, 2).toDouble(), 0.8358);
        QCOMPARE(rates.value(0, 3).toDouble(), 0.2302);
        QCOMPARE(rates.value(0, 4).toDouble(), 0.1382);
        QCOMPARE(rates.value(1, 0).toInt(), 20230117);
        QCOMPARE(rates.value(1, 1).toDouble(), 0.89);
        QCOMPARE(rates.value(1, 2).toDouble(), 1.15);
        QCOMPARE(rates.value(1, 3).toDouble(), 0.69);
        QCOMPARE(rates.value(1, 4).toDouble(), 0.42);
        QCOMPARE(rates.value(1, 6).toDouble(), 0.0);
    }

    void existingNameOrFolderIsRefusedBeforeCopying() {
        const QString location = newLocation(QStringLiteral("duplicate"));
        CompanyAdministration admin(location, kPassword);
        QCOMPARE(admin.addCompany(QStringLiteral("Pierwsza"), QStringLiteral("pierwsza")),
                 SetupResult::Done);
        const QStringList before = listing(location);
        const int progress = env.ui().progressUpdates();
        env.ui().clear();
        QCOMPARE(admin.addCompany(QStringLiteral("Pierwsza"), QStringLiteral("inna")),
                 SetupResult::Refused);
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Istnieje już firma w podanym katalogu bądź o podanej nazwie."));
        QCOMPARE(admin.addCompany(QStringLiteral("Inna"), QStringLiteral("pierwsza")),
                 SetupResult::Refused);
        QCOMPARE(listing(location), before);
        QCOMPARE(companyCount(location), 1);
        QCOMPARE(env.ui().progressUpdates(), progress);
    }

    void unsafeFolderNamesAreRefusedBeforeAnythingHappens_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("message");
        const QString bad = kBadCompanyFolderText;
        QTest::newRow("parent") << "../x" << bad;
        QTest::newRow("absolute") << "/etc" << bad;
        QTest::newRow("nested") << "a/b" << bad;
        QTest::newRow("backslash") << "a\\b" << bad;
        QTest::newRow("drive") << "C:" << bad;
        QTest::newRow("drive path") << "C:firma" << bad;
        QTest::newRow("dot") << "." << bad;
        QTest::newRow("dot dot") << ".." << bad;
        QTest::newRow("control") << "a\nb"
                                 << "Nazwa nie może zawierać znaków tabulacji ani końca wiersza.";
        QTest::newRow("engine folder")
            << "netfiledir"
            << "Nazwa NetFileDir jest zarezerwowana dla programu. Podaj inną nazwę folderu firmy.";
        QTest::newRow("empty") << ""
                               << "Nazwa firmy lub katalogu niepoprawna.";
        QTest::newRow("blank") << "   "
                               << "Nazwa firmy lub katalogu niepoprawna.";
        QTest::newRow("51 characters")
            << QString(51, u'f') << "Nazwa folderu firmy jest zbyt długa (maksymalnie 50 znaków).";
    }
    void unsafeFolderNamesAreRefusedBeforeAnythingHappens() {
        QFETCH(QString, folder);
        QFETCH(QString, message);
        const QString parent = env.newDirectory(QStringLiteral("unsafe"));
        const QString location = QDir(parent).filePath(QStringLiteral("baza"));
        QVERIFY(createFromTemplates(location, CreationMode::NewDatabase, false, kPassword));
        const QStringList before = listing(location);
        const int progress = env.ui().progressUpdates();
        env.ui().clear();
        CompanyAdministration admin(location, kPassword);
        QCOMPARE(admin.addCompany(QStringLiteral("Firma"), folder), SetupResult::Refused);
        QCOMPARE(env.ui().last().text, message);
        QCOMPARE(listing(location), before);
        QCOMPARE(listing(parent), QStringList{QStringLiteral("baza")});
        QCOMPARE(companyCount(location), 0);
        QCOMPARE(env.ui().progressUpdates(), progress);
    }

    void namesUpToFiftyCharactersAreTaken() {
        QVERIFY(companyFolderProblem(QString(50, u'f')).isEmpty());
        QVERIFY(companyFolderProblem(QStringLiteral("Firma Nowak sp. z o.o")).isEmpty());
        QVERIFY(CompanyAdministration::checkNewCompany(QString(50, u'n'), QStringLiteral("f")));
        QVERIFY(!CompanyAdministration::checkNewCompany(QString(51, u'n'), QStringLiteral("f")));
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Nazwa firmy jest zbyt długa (maksymalnie 50 znaków)."));
        // A name is one line: the company list could not show another.
        QVERIFY(!CompanyAdministration::checkNewCompany(QStringLiteral("Nowa\tlinia"),
                                                        QStringLiteral("f")));
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Nazwa nie może zawierać znaków tabulacji ani końca wiersza."));
    }

    void folderHoldingTablesOfAnUnlistedCompanyIsNotOverwritten() {
        const QString location = newLocation(QStringLiteral("orphan"));
        const QString orphan =
            test::makeTemplateCompany(QDir(location).filePath(QStringLiteral("stara")));
        CompanyAdministration admin(location, kPassword);
        QCOMPARE(admin.addCompany(QStringLiteral("Nowa"), QStringLiteral("stara")),
                 SetupResult::Refused);
        QVERIFY(env.ui().last().text.contains(QStringLiteral("znajdują się już tabele firmy")));
        QVERIFY(trialOpenTable(orphan, QStringLiteral("pojazdy.DB"), schema::kTemplatePassword));
        QCOMPARE(companyCount(location), 0);
    }

    void failedCreationLeavesNoTablesBehind() {
        const QString location = newLocation(QStringLiteral("failed"));
        // Protecting the copies fails when the templates carry another password.
        const QString install = env.newDirectory(QStringLiteral("wrong-templates"));
        const QString empty = QDir(install).filePath(QStringLiteral("data/empty"));
        QDir().mkpath(empty);
        const QString source = QDir(test::templateDataDir()).filePath(QStringLiteral("empty"));
        for (const QString& f : QDir(source).entryList(QDir::Files))
            QFile::copy(QDir(source).filePath(f), QDir(empty).filePath(f));
        QFile::remove(QDir(empty).filePath(QStringLiteral("koszty.D_")));
        QVERIFY(QFile::copy(QDir(location).filePath(QStringLiteral("odleglosci.DB")),
                            QDir(empty).filePath(QStringLiteral("koszty.D_"))));
        const QByteArray old = qgetenv("KARVENTO_INSTALL_DIR");
        qputenv("KARVENTO_INSTALL_DIR", install.toUtf8());
        CompanyAdministration admin(location, kPassword);
        const SetupResult result =
            admin.addCompany(QStringLiteral("Nieudana"), QStringLiteral("nie"));
        qputenv("KARVENTO_INSTALL_DIR", old);
        QCOMPARE(result, SetupResult::Failed);
        const QString company = QDir(location).filePath(QStringLiteral("nie"));
        for (const schema::Table& t : schema::companyTables())
            QVERIFY2(!QFileInfo::exists(QDir(company).filePath(t.file)), qPrintable(t.file));
        QCOMPARE(companyCount(location), 0);
        // The folder may be used again.
        QCOMPARE(admin.addCompany(QStringLiteral("Udana"), QStringLiteral("nie")),
                 SetupResult::Done);
    }

    void renameChangesOnlyTheName() {
        const QString location = newLocation(QStringLiteral("rename"));
        CompanyAdministration admin(location, kPassword);
        QCOMPARE(admin.addCompany(QStringLiteral("Stara"), QStringLiteral("firma")),
                 SetupResult::Done);
        QCOMPARE(admin.addCompany(QStringLiteral("Druga"), QStringLiteral("druga")),
                 SetupResult::Done);

        QCOMPARE(admin.renameCompany(QStringLiteral("Stara"), QStringLiteral("Druga")),
                 SetupResult::Refused);
        QCOMPARE(env.ui().last().text, QStringLiteral("Istnieje już firma o podanej nazwie."));
        QCOMPARE(admin.renameCompany(QStringLiteral("Stara"), QStringLiteral(" ")),
                 SetupResult::Refused);
        QCOMPARE(env.ui().last().text, QStringLiteral("Nazwa firmy niepoprawna."));
        QCOMPARE(admin.renameCompany(QStringLiteral("Brak"), QStringLiteral("Cokolwiek")),
                 SetupResult::Refused);

        QCOMPARE(admin.renameCompany(QStringLiteral("Stara"), QStringLiteral("O'Brien & syn")),
                 SetupResult::Done);
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Zmiana nazwy firmy zakończyło się sukcesem."));
        const auto list = admin.companies(325);
        QCOMPARE(list->size(), 2);
        QCOMPARE(list->at(1).name, QStringLiteral("O'Brien & syn"));
        QCOMPARE(list->at(1).folder, QStringLiteral("firma"));
    }

    void deleteRemovesTheTablesAndKeepsOtherFiles() {
        const QString location = newLocation(QStringLiteral("delete"));
        CompanyAdministration admin(location, kPassword);
        QCOMPARE(admin.addCompany(QStringLiteral("Do usunięcia"), QStringLiteral("usun")),
                 SetupResult::Done);
        QCOMPARE(admin.addCompany(QStringLiteral("Zostaje"), QStringLiteral("zostaje")),
                 SetupResult::Done);
        const QString company = QDir(location).filePath(QStringLiteral("usun"));
        QFile backup(QDir(company).filePath(QStringLiteral("pojazdy.BAK")));
        QVERIFY(backup.open(QIODevice::WriteOnly));
        backup.close();

        QCOMPARE(admin.deleteCompany(QStringLiteral("Do usunięcia")), SetupResult::Done);
        QCOMPARE(env.ui().last().text, QStringLiteral("Firma została usunięta."));
        for (const schema::Table& t : schema::companyTables())
            QVERIFY2(!QFileInfo::exists(QDir(company).filePath(t.file)), qPrintable(t.file));
        QVERIFY(QFileInfo::exists(QDir(company).filePath(QStringLiteral("pojazdy.BAK"))));
        // What the program made there goes too; the user's own files stay.
        QVERIFY(!QFileInfo::exists(QDir(company).filePath(QStringLiteral("update2.6"))));
        QCOMPARE(admin.companies(326)->size(), 1);
        QVERIFY(trialOpenTable(QDir(location).filePath(QStringLiteral("zostaje")),
                               QStringLiteral("pojazdy.DB"), kPassword));

        // A folder holding nothing but the tables goes with them.
        const QString bare =
            test::makeTemplateCompany(QDir(location).filePath(QStringLiteral("gola")));
        execute(location, QStringLiteral("INSERT INTO firmy (NAZWA, DIR) VALUES ('Gola', 'gola')"));
        QCOMPARE(admin.deleteCompany(QStringLiteral("Gola")), SetupResult::Done);
        QVERIFY(!QFileInfo::exists(bare));
    }

    void deleteRefusesFoldersOutsideTheLocation() {
        const QString parent = env.newDirectory(QStringLiteral("escape"));
        const QString location = QDir(parent).filePath(QStringLiteral("baza"));
        QVERIFY(createFromTemplates(location, CreationMode::NewDatabase, false, kPassword));
        test::makeTemplateCompany(parent); // tables a ".." folder would reach
        execute(location, QStringLiteral("INSERT INTO firmy (NAZWA, DIR) VALUES ('Zla', '..')"));
        CompanyAdministration admin(location, kPassword);
        QCOMPARE(admin.deleteCompany(QStringLiteral("Zla")), SetupResult::Refused);
        QVERIFY(env.ui().last().text.startsWith(kBadCompanyFolderText));
        QVERIFY(QFileInfo::exists(QDir(parent).filePath(QStringLiteral("pojazdy.DB"))));
        QCOMPARE(companyCount(location), 1);
        QCOMPARE(admin.deleteCompany(QStringLiteral("Nie ma takiej")), SetupResult::Refused);
    }

    void deleteWaitsUntilNobodyWorksWithTheCompany() {
        const QString location = newLocation(QStringLiteral("in-use"));
        CompanyAdministration admin(location, kPassword);
        QCOMPARE(admin.addCompany(QStringLiteral("Zajęta"), QStringLiteral("zajeta")),
                 SetupResult::Done);
        const QString company = QDir(location).filePath(QStringLiteral("zajeta"));
        QProcess holder;
        holder.start(test::helperProgram(QStringLiteral("kv-engine-helper")),
                     {QStringLiteral("hold"), company, kPassword});
        QVERIFY(holder.waitForStarted() && holder.waitForReadyRead(20000));
        QVERIFY(holder.readAll().contains("ready"));
        QCOMPARE(admin.deleteCompany(QStringLiteral("Zajęta")), SetupResult::Refused);
        QVERIFY(
            env.ui().last().text.contains(QStringLiteral("pracuje w tej chwili inny użytkownik")));
        QVERIFY(QFileInfo::exists(QDir(company).filePath(QStringLiteral("pojazdy.DB"))));
        QCOMPARE(companyCount(location), 1);
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(20000));
        QCOMPARE(admin.deleteCompany(QStringLiteral("Zajęta")), SetupResult::Done);
    }

    void wrongPasswordFailsWithTheCodeOfThePlace() {
        const QString location = newLocation(QStringLiteral("wrong"));
        CompanyAdministration admin(location, QStringLiteral("inne"));
        QVERIFY(!admin.companies(325));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd bazy danych"));
        QCOMPARE(admin.addCompany(QStringLiteral("X"), QStringLiteral("x")), SetupResult::Failed);
        QVERIFY(!QFileInfo::exists(QDir(location).filePath(QStringLiteral("x"))));
        QFile log(QDir(env.settingsDir()).filePath(QStringLiteral("debug/error.log")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray lines = log.readAll();
        QVERIFY(lines.contains("[0000000325]"));
        QVERIFY(lines.contains("[0000000320]"));
    }
};

QTEST_GUILESS_MAIN(TestCompanyAdministration)
#include "tst_companyadmin.moc"
