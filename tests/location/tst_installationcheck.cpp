#include "TestSupport.h"

#include "cli/CliRun.h"
#include "location/CompanyAdministration.h"
#include "location/DatabaseLocation.h"
#include "location/DatabaseSetup.h"
#include "location/InstallationCheck.h"
#include "schema/Schema.h"
#include "storage/SettingsPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

using namespace kv;

namespace {

const QString kPassword = QStringLiteral("Baza2024");

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

// A copy of the build's installation data that a test may spoil.
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

void cutShort(const QString& file, qint64 size) {
    QFile f(file);
    QVERIFY(f.resize(size));
}

QString dataOf(const QString& install) {
    return QDir::toNativeSeparators(QDir(install).filePath(QStringLiteral("data")));
}

} // namespace

// An installation whose templates are missing or damaged is told, with its
// folder named, and nothing is made from it.
class TestInstallationCheck : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void init() {
        env.ui().clear();
        env.ui().setDefaultAnswer(true);
    }

    void theBuildTreeIsComplete() {
        QVERIFY2(faultyTemplates(allTemplates()).isEmpty(),
                 qPrintable(faultyTemplates(allTemplates()).join(u' ')));
        QVERIFY(reportInstallationAtStart());
        QVERIFY(env.ui().messages().isEmpty());
        // Both modes, the demonstration company and the two root tables.
        const auto tables = qsizetype(schema::companyTables().size());
        QCOMPARE(allTemplates().size(), 2 * tables + 3);
        QVERIFY(allTemplates().contains(QStringLiteral("empty/pojazdy.D_")));
        QVERIFY(allTemplates().contains(QStringLiteral("demo/pojazdy.DB")));
        QVERIFY(allTemplates().contains(QStringLiteral("firmyblank.D_")));
    }

    void theInstallationFolderFollowsTheEnvironmentElseTheInstalledLayout() {
        const QString dir = env.newDirectory(QStringLiteral("elsewhere"));
        {
            InstallDirectory use(dir);
            QCOMPARE(installDirectory(), dir);
        }
        const QByteArray old = qgetenv("KARVENTO_INSTALL_DIR");
        qunsetenv("KARVENTO_INSTALL_DIR");
        // The tests' own folder holds no data/: the installed layout's folder,
        // share/karvento beside bin/.
        const QString installed = installDirectory();
        qputenv("KARVENTO_INSTALL_DIR", old);
        QCOMPARE(installed, QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                            QStringLiteral("/../share/karvento")));
    }

    void aMissingInstallationIsNamedAtStart() {
        const QString install = env.newDirectory(QStringLiteral("empty-install"));
        InstallDirectory use(install);
        QCOMPARE(faultyTemplates(allTemplates()), allTemplates());
        QVERIFY(!reportInstallationAtStart());
        QCOMPARE(env.ui().messages().size(), 1);
        const auto& m = env.ui().last();
        QCOMPARE(m.caption, QStringLiteral("Błąd"));
        QVERIFY2(m.text.contains(dataOf(install)), qPrintable(m.text));
        // A few names, the rest counted.
        QVERIFY2(m.text.contains(QStringLiteral("uszkodzone: ") + allTemplates().first() +
                                 QStringLiteral(", ")),
                 qPrintable(m.text));
        QVERIFY2(m.text.contains(QStringLiteral(" i %1 innych").arg(allTemplates().size() - 5)),
                 qPrintable(m.text));
        QVERIFY(m.text.contains(QStringLiteral("Zainstaluj program ponownie.")));
        const QString log = test::readErrorLog();
        QVERIFY(log.contains(QStringLiteral("[0000003110]  Folder instalacyjny programu")));
        QVERIFY(log.contains(dataOf(install)));
    }

    void emptyAndCutOffTemplatesAreDamaged() {
        const QString install = copyOfInstallation(env.newDirectory(QStringLiteral("damaged")));
        InstallDirectory use(install);
        QVERIFY(faultyTemplates(allTemplates()).isEmpty());
        const QDir data(QDir(install).filePath(QStringLiteral("data")));
        cutShort(data.filePath(QStringLiteral("firmy.D_")), 0);
        cutShort(data.filePath(QStringLiteral("empty/koszty.D_")), 4096 + 100);
        QVERIFY(QFile::remove(data.filePath(QStringLiteral("demo/opony.DB"))));
        QVERIFY(QDir().mkpath(data.filePath(QStringLiteral("demo/opony.DB")))); // not a file
        QCOMPARE(faultyTemplates(allTemplates()),
                 (QStringList{QStringLiteral("empty/koszty.D_"), QStringLiteral("firmy.D_"),
                              QStringLiteral("demo/opony.DB")}));
        // Each creation is judged by what it needs.
        QCOMPARE(installationProblem(requiredTemplates(CreationMode::NewDatabase, false)),
                 QString());
        QVERIFY(installationProblem(requiredTemplates(CreationMode::NewDatabase, true))
                    .contains(QStringLiteral(": firmy.D_, demo/opony.DB.\n")));
        QVERIFY(installationProblem(requiredTemplates(CreationMode::NewCompany, false))
                    .contains(QStringLiteral(": empty/koszty.D_.\n")));
    }

    void creatingADatabaseRefusesAndMakesNothing() {
        const QString install = copyOfInstallation(env.newDirectory(QStringLiteral("no-demo")));
        QVERIFY(QFile::remove(QDir(install).filePath(QStringLiteral("data/demo/koszty.DB"))));
        InstallDirectory use(install);
        const QString storedBefore = readLocationAndPassword().location;
        const QString dir = env.newDirectory(QStringLiteral("not-made"));
        // Even an existing database is not offered for replacing.
        QFile existing(QDir(dir).filePath(QStringLiteral("firmy.DB")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        QCOMPARE(createDatabase(dir, true, kPassword), SetupResult::Refused);
        QCOMPARE(env.ui().messages().size(), 1);
        QCOMPARE(env.ui().last().kind, ScriptedUserInterface::Kind::Information);
        QVERIFY(env.ui().last().text.contains(dataOf(install)));
        QVERIFY(env.ui().last().text.contains(QStringLiteral("demo/koszty.DB")));
        QCOMPARE(QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("firmy.DB")});
        QCOMPARE(readLocationAndPassword().location, storedBefore);

        // Without the demonstration company nothing is missing: it is made.
        env.ui().clear();
        const QString plain = env.newDirectory(QStringLiteral("plain"));
        QCOMPARE(createDatabase(plain, false, kPassword), SetupResult::Done);
    }

    void addingACompanyRefusesAndMakesNothing() {
        const QString location = env.newDirectory(QStringLiteral("location"));
        QCOMPARE(createDatabase(location, false, kPassword), SetupResult::Done);
        const QString install = copyOfInstallation(env.newDirectory(QStringLiteral("no-empty")));
        QVERIFY(QFile::remove(QDir(install).filePath(QStringLiteral("data/empty/pojazdy.D_"))));
        InstallDirectory use(install);
        env.ui().clear();
        const QStringList before =
            QDir(location).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        CompanyAdministration admin(location, kPassword);
        QCOMPARE(admin.addCompany(QStringLiteral("Nowa"), QStringLiteral("nowa")),
                 SetupResult::Refused);
        QVERIFY(env.ui().contains(installationProblem({QStringLiteral("empty/pojazdy.D_")})));
        QVERIFY(!QFileInfo::exists(QDir(location).filePath(QStringLiteral("nowa"))));
        QDir control(QDir(location).filePath(QStringLiteral("NetFileDir")));
        for (const QString& entry : control.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            QVERIFY2(!entry.startsWith(QStringLiteral("nowa_firma_")), qPrintable(entry));
        QCOMPARE(QDir(location).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    }

    void theCommandLineRefusesBeforeAskingOrMakingAFolder() {
        const QString install = env.newDirectory(QStringLiteral("cli-install"));
        InstallDirectory use(install);
        const QString target =
            QDir(env.newDirectory(QStringLiteral("cli"))).filePath(QStringLiteral("nowa/baza"));
        // No password given: it would be asked for at the terminal first.
        const test::CliRun r = test::runCli({QStringLiteral("init"), target});
        QCOMPARE(r.code, 1);
        QCOMPARE(env.ui().messages().size(), 1);
        QVERIFY(env.ui().last().text.contains(dataOf(install)));
        QVERIFY(!QFileInfo::exists(QFileInfo(target).absolutePath()));
    }
};

QTEST_GUILESS_MAIN(TestInstallationCheck)
#include "tst_installationcheck.moc"
