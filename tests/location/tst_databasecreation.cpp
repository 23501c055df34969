#include "TestSupport.h"

#include "location/DatabaseCreation.h"
#include "location/DatabaseLocation.h"
#include "location/DatabaseSetup.h"
#include "schema/Schema.h"
#include "storage/ErrorLog.h"
#include "storage/SettingsPaths.h"
#include "storage/TableMaintenance.h"
#include "storage/engine/Connection.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

using namespace kv;

namespace {

const QString kPassword = QStringLiteral("Nowe123");

bool opensWith(const QString& dir, const QString& file, const QString& password) {
    return trialOpenTable(dir, file, password);
}

// Points the installation directory at another folder for one test.
class InstallDirectory {
public:
    explicit InstallDirectory(const QString& dir) : m_old(qgetenv("KARVENTO_INSTALL_DIR")) {
        qputenv("KARVENTO_INSTALL_DIR", dir.toUtf8());
    }
    ~InstallDirectory() { qputenv("KARVENTO_INSTALL_DIR", m_old); }

private:
    QByteArray m_old;
};

// A copy of the installation's data folder that a test may spoil.
QString copyOfInstallation(const QString& root) {
    const QString source = test::templateDataDir();
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target =
            QDir(root).filePath(QStringLiteral("data/") + QDir(source).relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
    return root;
}

} // namespace

// Creating a new database from the installation templates, as the database
// window and "karvento-cli init" do.
class TestDatabaseCreation : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void init() {
        env.ui().clear();
        env.ui().setDefaultAnswer(false);
        currentDatabaseLocation() = {};
    }

    void demonstrationDatabaseIsProtectedWithTheChosenPassword() {
        const QString dir = env.newDirectory(QStringLiteral("demo-db"));
        const int progress = env.ui().progressUpdates();
        QCOMPARE(createDatabase(dir + u'/', true, kPassword), SetupResult::Done);

        for (const QString& root : {QStringLiteral("firmy.DB"), QStringLiteral("odleglosci.DB")}) {
            QVERIFY2(opensWith(dir, root, kPassword), qPrintable(root));
            QVERIFY2(!opensWith(dir, root, schema::kTemplatePassword), qPrintable(root));
        }
        const QString demo = QDir(dir).filePath(QStringLiteral("demo"));
        for (const schema::Table& t : schema::companyTables()) {
            QVERIFY2(opensWith(demo, t.file, kPassword), qPrintable(t.file));
            QVERIFY2(!opensWith(demo, t.file, schema::kTemplatePassword), qPrintable(t.file));
        }
        // The demonstration data came along and reads with the new password.
        engine::EngineSession session;
        session.addPassword(kPassword);
        engine::Connection c(&session);
        c.open(demo, false);
        QVERIFY(c.query(QStringLiteral("SELECT COUNT(*) FROM pojazdy")).value(0, 0).toInt() > 0);
        c.open(dir, false);
        QCOMPARE(c.query(QStringLiteral("SELECT DIR FROM firmy")).value(0, 0).toString(),
                 QStringLiteral("demo"));

        for (const QString& marker : upgradeMarkerNames()) {
            QVERIFY2(QFileInfo::exists(QDir(demo).filePath(marker)), qPrintable(marker));
            QVERIFY(!QFileInfo::exists(QDir(dir).filePath(marker)));
        }
        QCOMPARE(upgradeMarkerNames().size(), 7);
        QVERIFY(upgradeMarkerNames().contains(QStringLiteral("update1.0.13")));
        QVERIFY(upgradeMarkerNames().contains(QStringLiteral("update2.6")));

        // It became the program's database, in memory and on disk.
        QCOMPARE(currentDatabaseLocation().location, dir);
        QCOMPARE(currentDatabaseLocation().password, kPassword);
        const DatabaseLocation stored = readLocationAndPassword();
        QCOMPARE(stored.location, dir);
        QCOMPARE(stored.password, kPassword);
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[9999999999]  db created. Folder=") +
                                              dir));
        QCOMPARE(checkLocation(stored), LocationCheck::Usable);
        QVERIFY(QFileInfo(QDir(dir).filePath(QStringLiteral("NetFileDir"))).isDir());

        QVERIFY(env.ui().progressUpdates() - progress > 30);
        QVERIFY(!env.ui().progressVisible());
        QVERIFY(env.ui().messages().isEmpty());
    }

    void emptyDatabaseHasNoCompanyAndAsksForOne() {
        const QString dir = env.newDirectory(QStringLiteral("empty-db"));
        QCOMPARE(createDatabase(dir, false, QStringLiteral("abc")), SetupResult::Done);
        QVERIFY(opensWith(dir, QStringLiteral("firmy.DB"), QStringLiteral("abc")));
        QVERIFY(!QFileInfo::exists(QDir(dir).filePath(QStringLiteral("demo"))));
        for (const QString& marker : upgradeMarkerNames())
            QVERIFY(!QFileInfo::exists(QDir(dir).filePath(marker)));
        engine::EngineSession session;
        session.addPassword(QStringLiteral("abc"));
        engine::Connection c(&session);
        c.open(dir, false);
        QCOMPARE(c.query(QStringLiteral("SELECT COUNT(*) FROM firmy")).value(0, 0).toInt(), 0);
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Założono nową, PUSTĄ bazę danych. Dodaj teraz nową firmę do bazy "
                                "danych."));
    }

    void badPasswordIsRefusedBeforeAnythingIsCopied() {
        const QString dir = env.newDirectory(QStringLiteral("bad-password"));
        QCOMPARE(createDatabase(dir, true, QStringLiteral("ab")), SetupResult::Refused);
        QCOMPARE(env.ui().last().text, QStringLiteral("Hasło zbyt krótkie (minimum 3 znaki)."));
        QCOMPARE(createDatabase(dir, true, QStringLiteral("hasło1")), SetupResult::Refused);
        QVERIFY(QDir(dir).isEmpty());
        QVERIFY(currentDatabaseLocation().location.isEmpty());
    }

    void replacingADatabaseAsksFirst() {
        const QString dir = env.newDirectory(QStringLiteral("replace"));
        QCOMPARE(createDatabase(dir, false, QStringLiteral("pierwsze")), SetupResult::Done);
        env.ui().clear();
        env.ui().queueAnswer(false);
        QCOMPARE(createDatabase(dir, false, QStringLiteral("drugie")), SetupResult::Cancelled);
        QCOMPARE(env.ui().messages().first().kind, ScriptedUserInterface::Kind::Question);
        QVERIFY(env.ui().messages().first().text.startsWith(
            QStringLiteral("W podanej lokalizacji znajduje się już baza danych.")));
        QVERIFY(opensWith(dir, QStringLiteral("firmy.DB"), QStringLiteral("pierwsze")));
        QCOMPARE(readLocationAndPassword().password, QStringLiteral("pierwsze"));

        env.ui().queueAnswer(true);
        QCOMPARE(createDatabase(dir, false, QStringLiteral("drugie")), SetupResult::Done);
        QVERIFY(opensWith(dir, QStringLiteral("firmy.DB"), QStringLiteral("drugie")));
    }

    void failedCopyIsShownAndNothingIsRecorded() {
        // A complete installation, but the demonstration company's folder
        // cannot be made: a file of that name is in the way. (Templates missing
        // from the installation are refused before copying: tst_installationcheck.)
        const QString storedBefore = readLocationAndPassword().location;
        const QString dir = env.newDirectory(QStringLiteral("not-made"));
        QFile blocker(QDir(dir).filePath(QStringLiteral("demo")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(createDatabase(dir, true, kPassword), SetupResult::Failed);
        QCOMPARE(env.ui().last().text, QStringLiteral("Nie udało się stworzyć nowej bazy danych."));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Informacja"));
        QVERIFY(!env.ui().progressVisible());
        QVERIFY(currentDatabaseLocation().location.isEmpty());
        QCOMPARE(readLocationAndPassword().location, storedBefore);
    }

    void readOnlyTemplatesGiveWritableTables() {
        const QString install = copyOfInstallation(env.newDirectory(QStringLiteral("readonly")));
        QDirIterator it(install, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            QFile::setPermissions(it.next(), QFile::ReadOwner | QFile::ReadGroup);
        InstallDirectory use(install);
        const QString dir = env.newDirectory(QStringLiteral("from-readonly"));
        QVERIFY(createFromTemplates(dir, CreationMode::NewCompany, false, kPassword));
        for (const schema::Table& t : schema::companyTables())
            QVERIFY(QFileInfo(QDir(dir).filePath(t.file)).permissions() & QFile::WriteOwner);
    }

    void newPasswordIsAskedUntilItKeepsTheRules() {
        env.ui().queuePrompt(QStringLiteral("ab"));
        env.ui().queuePrompt(QStringLiteral("abc_def"));
        env.ui().queuePrompt(QStringLiteral("Dobre15"));
        QCOMPARE(askNewDatabasePassword().value_or(QString()), QStringLiteral("Dobre15"));
        const auto& m = env.ui().messages();
        QCOMPARE(m.size(), 5);
        QCOMPARE(m.at(0).caption, QStringLiteral("Podaj hasło"));
        QVERIFY(m.at(0).text.startsWith(QStringLiteral("Proszę podać nowe hasło")));
        QCOMPARE(m.at(1).text, QStringLiteral("Hasło zbyt krótkie (minimum 3 znaki)."));
        QVERIFY(m.at(3).text.startsWith(QStringLiteral("Hasło może składać się tylko")));
        env.ui().queuePrompt(std::nullopt);
        QVERIFY(!askNewDatabasePassword().has_value());
    }

    void databaseGoesIntoAPojazdyDbFolder() {
        const QString root = env.newDirectory(QStringLiteral("folders"));
        const QString made = databaseFolderBelow(root + u'/');
        QCOMPARE(made, QDir(root).filePath(QStringLiteral("Pojazdy_DB")));
        QVERIFY(QFileInfo(made).isDir());
        QCOMPARE(databaseFolderBelow(made), made);
        QVERIFY(QDir().mkdir(QDir(root).filePath(QStringLiteral("pojazdy_db"))));
        QCOMPARE(databaseFolderBelow(QDir(root).filePath(QStringLiteral("pojazdy_db"))),
                 QDir(root).filePath(QStringLiteral("pojazdy_db")));
        QVERIFY(env.ui().messages().isEmpty());
        QVERIFY(databaseFolderBelow(QDir(root).filePath(QStringLiteral("nie/ma"))).isEmpty());
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd"));
        QVERIFY(env.ui().last().text.startsWith(
            QStringLiteral("Wystąpił błąd podczas zakładania folderu.")));
    }

    void newFolderTakesOnlyAPlainName() {
        const QString root = env.newDirectory(QStringLiteral("subfolders"));
        QCOMPARE(createSubfolder(root, QStringLiteral("Nowy katalog")),
                 QDir(root).filePath(QStringLiteral("Nowy katalog")));
        QCOMPARE(createSubfolder(root, QStringLiteral("Nowy katalog")),
                 QDir(root).filePath(QStringLiteral("Nowy katalog")));
        QVERIFY(env.ui().messages().isEmpty());
        for (const QString& bad :
             {QStringLiteral("../poza"), QStringLiteral("a/b"), QStringLiteral(""),
              QStringLiteral(".."), QStringLiteral("C:")}) {
            env.ui().clear();
            QVERIFY2(createSubfolder(root, bad).isEmpty(), qPrintable(bad));
            QVERIFY(env.ui().last().text.startsWith(
                QStringLiteral("Wystąpił błąd podczas zakładania katalogu.")));
        }
        QVERIFY(!QFileInfo::exists(QDir(root).filePath(QStringLiteral("../poza"))));
        QCOMPARE(QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    }

    void existingDatabaseIsSelectedOnlyWithItsPassword() {
        const QString dir = env.newDirectory(QStringLiteral("existing"));
        QVERIFY(
            createFromTemplates(dir, CreationMode::NewDatabase, true, QStringLiteral("stare1")));
        QCOMPARE(selectDatabase(dir, QStringLiteral("zle123")), SetupResult::WrongPassword);
        QVERIFY(currentDatabaseLocation().location.isEmpty());
        QVERIFY(env.ui().messages().isEmpty());

        QCOMPARE(selectDatabase(dir + u'/', QStringLiteral("stare1")), SetupResult::Done);
        QCOMPARE(currentDatabaseLocation().location, dir);
        QCOMPARE(readLocationAndPassword().password, QStringLiteral("stare1"));
        QCOMPARE(env.ui().last().text, QStringLiteral("Wskazano nową lokalizację bazy danych."));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[9999999999]  db selected. Folder=") +
                                              dir));
        QVERIFY(isDatabaseDirectory(dir));
        QVERIFY(!isDatabaseDirectory(QDir(dir).filePath(QStringLiteral("demo"))));
    }

    void relativeLocationIsStoredAsAnAbsolutePath() {
        const QString dir = env.newDirectory(QStringLiteral("relative"));
        QVERIFY(
            createFromTemplates(dir, CreationMode::NewDatabase, false, QStringLiteral("haslo1")));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(QFileInfo(dir).absolutePath());
        const SetupResult result =
            selectDatabase(QStringLiteral("./relative/"), QStringLiteral("haslo1"));
        QDir::setCurrent(previous);
        QCOMPARE(result, SetupResult::Done);
        QCOMPARE(readLocationAndPassword().location, QFileInfo(dir).absoluteFilePath());
    }

    void passwordIsAskedAgainAfterEachWrongOne() {
        const QString dir = env.newDirectory(QStringLiteral("ask"));
        QVERIFY(
            createFromTemplates(dir, CreationMode::NewDatabase, false, QStringLiteral("dobre")));
        env.ui().queuePrompt(QStringLiteral("zle"));
        env.ui().queuePrompt(QStringLiteral("dobre"));
        int wrong = 0;
        QCOMPARE(askDatabasePassword(dir,
                                     QStringLiteral("Proszę podać hasło dostępu do bazy "
                                                    "danych."),
                                     [&wrong] { ++wrong; })
                     .value_or(QString()),
                 QStringLiteral("dobre"));
        QCOMPARE(wrong, 1);
        QVERIFY(env.ui().messages().at(0).password);
        // Without a handler the explanation goes to the information window.
        env.ui().clear();
        env.ui().queuePrompt(QStringLiteral("zle"));
        QVERIFY(!askDatabasePassword(dir, QStringLiteral("?")).has_value());
        QCOMPARE(env.ui().messages().at(1).text, connectionProblemText());
        QCOMPARE(env.ui().messages().size(), 3); // prompt, explanation, cancelled prompt
    }
};

QTEST_GUILESS_MAIN(TestDatabaseCreation)
#include "tst_databasecreation.moc"
