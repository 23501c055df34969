#include "TestSupport.h"

#include "cli/CliCommands.h"
#include "location/InstallationCheck.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kv;

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

QString buildDirectory() {
    return QDir::cleanPath(qEnvironmentVariable("KV_TESTS_BIN") + QStringLiteral("/.."));
}

// The version CMake holds, read from the project's own file.
QString cmakeVersion() {
    QFile f(QStringLiteral(KV_SOURCE_DIR "/CMakeLists.txt"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression project(
        QStringLiteral("project\\(\\s*Karvento\\s+VERSION\\s+([0-9.]+)"));
    return project.match(QString::fromUtf8(f.readAll())).captured(1);
}

Run run(const QString& program, const QStringList& args,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(program, args);
    Run r;
    if (!p.waitForStarted(10000) || !p.waitForFinished(300000)) {
        r.err = p.errorString();
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// Every file below a folder with its size, to see that nothing was written.
QStringList filesBelow(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.append(QDir(root).relativeFilePath(path) + u' ' +
                     QString::number(QFileInfo(path).size()));
    }
    files.sort();
    return files;
}

QByteArray contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString roff(QString text) {
    return text.replace(u'-', QStringLiteral("\\-"));
}

// A term as the page sets it: in bold, inline.
QString bold(const QString& text) {
    return QStringLiteral("\\fB") + roff(text) + QStringLiteral("\\fR");
}

} // namespace

// The program installed into a scratch root (DESTDIR) as a package installs
// it, then used from there: its own libraries, its own templates, nothing of
// the build tree.
class TestInstall : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QTemporaryDir m_root;
    QString m_prefix;
    QTemporaryDir m_settings;

    QString installed(const QString& path) const { return QDir(m_prefix).filePath(path); }

    // An environment that knows nothing of the build: no installation folder,
    // no library path, a settings folder of its own.
    QProcessEnvironment clean() const {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.remove(QStringLiteral("KARVENTO_INSTALL_DIR"));
        e.remove(QStringLiteral("LD_LIBRARY_PATH"));
        e.insert(QStringLiteral("KARVENTO_SETTINGS_DIR"), m_settings.path());
        e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return e;
    }

    QString libraryFolder() const {
        QDirIterator it(m_prefix, {QStringLiteral("libkarvento_core.so")}, QDir::Files,
                        QDirIterator::Subdirectories);
        return it.hasNext() ? QFileInfo(it.next()).absolutePath() : QString();
    }

private slots:
    void initTestCase() {
        QVERIFY(!cmakeVersion().isEmpty());
        const QString cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
        QVERIFY(!cmake.isEmpty());
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("DESTDIR"), m_root.path());
        const Run r = run(cmake,
                          {QStringLiteral("--install"), buildDirectory(),
                           QStringLiteral("--prefix"), QStringLiteral("/usr")},
                          e);
        QVERIFY2(r.code == 0, qPrintable(r.out + r.err));
        m_prefix = QDir(m_root.path()).filePath(QStringLiteral("usr"));
    }

    void theLayoutIsTheUsualOne() {
        for (const char* program : {"bin/karvento", "bin/karvento-cli"})
            QVERIFY2(QFileInfo(installed(QLatin1String(program))).isExecutable(), program);
        const QString libraries = libraryFolder();
        QVERIFY(libraries.endsWith(QStringLiteral("/karvento")));
        for (const char* library : {"libkarvento_gui.so", "libkarvento_cli.so"})
            QVERIFY2(QFileInfo::exists(QDir(libraries).filePath(QLatin1String(library))), library);
        // Only the programs and their libraries: no build tools, no tests.
        QCOMPARE(QDir(installed(QStringLiteral("bin"))).entryList(QDir::Files),
                 (QStringList{QStringLiteral("karvento"), QStringLiteral("karvento-cli")}));

        // Every template, as the build made it, and no lock file of the build.
        const QDir data(installed(QStringLiteral("share/karvento/data")));
        const QDir built(test::templateDataDir());
        for (const QString& file : allTemplates())
            QVERIFY2(contents(data.filePath(file)) == contents(built.filePath(file)) &&
                         !contents(built.filePath(file)).isEmpty(),
                     qPrintable(file));
        for (const QString& entry : filesBelow(installed(QStringLiteral("share/karvento"))))
            QVERIFY2(!entry.contains(QStringLiteral(".LCK")), qPrintable(entry));
        for (const char* guide : {"share/karvento/dokumentacja/Instrukcja obsługi.pdf",
                                  "share/karvento/dokumentacja/Uprawnienia dostępu.pdf"})
            QVERIFY2(QFileInfo(installed(QString::fromUtf8(guide))).size() > 1000, guide);
        QVERIFY(QFileInfo(installed(QStringLiteral("share/karvento/raporty"))).isDir());
        QCOMPARE(QDir(installed(QStringLiteral("share/karvento/raporty")))
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QDir(buildDirectory() + QStringLiteral("/bin/raporty"))
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot));
        for (const char* file :
             {"share/karvento/icons/breeze/index.theme", "share/karvento/icons/breeze/COPYRIGHT",
              "share/karvento/icons/breeze-dark/index.theme",
              "share/karvento/icons/breeze/actions/22/list-add.svg",
              "share/applications/karvento.desktop",
              "share/metainfo/pl.karvento.karvento.metainfo.xml",
              "share/icons/hicolor/scalable/apps/karvento.svg",
              "share/icons/hicolor/16x16/apps/karvento.png",
              "share/icons/hicolor/256x256/apps/karvento.png", "share/man/man1/karvento-cli.1.gz",
              "share/doc/karvento/copyright"})
            QVERIFY2(QFileInfo(installed(QLatin1String(file))).isFile(), file);
    }

    void theInstalledProgramsLoadTheirOwnLibraries() {
        const QString libraries = libraryFolder();
        for (const char* program : {"bin/karvento", "bin/karvento-cli"}) {
            const Run ldd =
                run(QStringLiteral("ldd"), {installed(QLatin1String(program))}, clean());
            QCOMPARE(ldd.code, 0);
            QVERIFY2(!ldd.out.contains(QStringLiteral("not found")), qPrintable(ldd.out));
            int ours = 0;
            for (const QString& line : ldd.out.split(u'\n'))
                if (line.contains(QStringLiteral("libkarvento_"))) {
                    const QString path = line.section(QStringLiteral("=> "), 1).section(u' ', 0, 0);
                    QVERIFY2(QFileInfo(path).canonicalPath() ==
                                 QFileInfo(libraries).canonicalFilePath(),
                             qPrintable(line));
                    ++ours;
                }
            // The program's library, the core and the report engine; the
            // command-line tool draws its charts with the window library too.
            QCOMPARE(ours, QLatin1String(program) == u"bin/karvento-cli" ? 4 : 3);
        }
        const Run cli = run(installed(QStringLiteral("bin/karvento-cli")),
                            {QStringLiteral("--version")}, clean());
        QCOMPARE(cli.code, 0);
        QVERIFY2(cli.out.startsWith(QStringLiteral("Karvento %1 ").arg(cmakeVersion())),
                 qPrintable(cli.out + cli.err));
        const Run gui =
            run(installed(QStringLiteral("bin/karvento")), {QStringLiteral("--version")}, clean());
        QCOMPARE(gui.code, 0);
        QCOMPARE(gui.out, QStringLiteral("Karvento %1\n").arg(cmakeVersion()));
    }

    void theInstalledToolMakesTheDemonstrationDatabase() {
        const QStringList before = filesBelow(m_prefix);
        const QString db = env.newDirectory(QStringLiteral("baza"));
        const QString cli = installed(QStringLiteral("bin/karvento-cli"));
        const QStringList access{QStringLiteral("--db-password"), QStringLiteral("Tajne123")};
        const Run init =
            run(cli, QStringList{QStringLiteral("init"), db, QStringLiteral("--demo")} + access,
                clean());
        QVERIFY2(init.code == 0, qPrintable(init.out + init.err));
        const Run list = run(cli,
                             QStringList{QStringLiteral("company"), QStringLiteral("list"),
                                         QStringLiteral("--location"), db} +
                                 access,
                             clean());
        QCOMPARE(list.code, 0);
        QCOMPARE(list.out, QStringLiteral("Termalis\tdemo\n"));
        const Run vehicles =
            run(cli,
                QStringList{QStringLiteral("sql"), QDir(db).filePath(QStringLiteral("demo")),
                            QStringLiteral("SELECT COUNT(*) FROM pojazdy")} +
                    access,
                clean());
        QCOMPARE(vehicles.code, 0);
        // A title row, then the count.
        const QStringList rows = vehicles.out.trimmed().split(u'\n');
        QCOMPARE(rows.size(), 2);
        QVERIFY2(QString(rows.last()).remove(u'"').toInt() > 0, qPrintable(vehicles.out));
        // The installation is read, never written.
        QCOMPARE(filesBelow(m_prefix), before);
    }

    void theDesktopEntryAndTheAppStreamDataValidate() {
        const QString entry = installed(QStringLiteral("share/applications/karvento.desktop"));
        const Run desktop = run(QStringLiteral("desktop-file-validate"), {entry});
        QVERIFY2(desktop.code == 0 && desktop.out.isEmpty(),
                 qPrintable(desktop.out + desktop.err +
                            QStringLiteral(" (desktop-file-utils: scripts/setup.sh)")));
        const QString text = QString::fromUtf8(contents(entry));
        QVERIFY(text.contains(QStringLiteral("\nExec=karvento\n")));
        QVERIFY(text.contains(QStringLiteral("\nIcon=karvento\n")));
        QVERIFY(text.contains(QStringLiteral("\nCategories=Office;Finance;\n")));
        QVERIFY(text.contains(QStringLiteral("\nComment[pl]=Ewidencja pojazdów firmy")));

        const QString metainfo =
            installed(QStringLiteral("share/metainfo/pl.karvento.karvento.metainfo.xml"));
        const Run appstream = run(QStringLiteral("appstreamcli"),
                                  {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                   QStringLiteral("--strict"), metainfo});
        QVERIFY2(appstream.code == 0,
                 qPrintable(appstream.out + appstream.err + QStringLiteral(" (appstream)")));
        QVERIFY(QString::fromUtf8(contents(metainfo))
                    .contains(QStringLiteral("<release version=\"%1\"").arg(cmakeVersion())));
    }

    void theManualPageIsMadeFromTheHelp() {
        const Run gunzip = run(
            QStringLiteral("gzip"),
            {QStringLiteral("-dc"), installed(QStringLiteral("share/man/man1/karvento-cli.1.gz"))});
        QCOMPARE(gunzip.code, 0);
        const QString page = gunzip.out;
        QVERIFY2(
            page.contains(
                QStringLiteral(".TH KARVENTO\\-CLI 1 \"\" \"Karvento %1\"").arg(cmakeVersion())),
            qPrintable(page.left(300)));
        for (const char* section : {".SH NAZWA", ".SH SKŁADNIA", ".SH OPIS", ".SH POLECENIA",
                                    ".SH OPCJE", ".SH KODY WYJŚCIA"})
            QVERIFY2(page.contains(QString::fromUtf8(section)), section);
        const QStringList lines = page.split(u'\n');
        for (const cli::Command& c : cli::commands()) {
            const QString head =
                bold(c.words.join(u' ') + (c.usage.isEmpty() ? QString() : u' ' + c.usage));
            QVERIFY2(lines.contains(head), qPrintable(head));
            const int at = int(lines.indexOf(head));
            QCOMPARE(lines.value(at + 1), roff(c.help));
        }
        for (const char* option : {"--db-password HASŁO", "--location KATALOG", "--version"})
            QVERIFY2(lines.contains(bold(QString::fromUtf8(option))), option);

        // Read as man reads it: no warnings from the formatter where it is installed.
        const QString groff = QStandardPaths::findExecutable(QStringLiteral("groff"));
        if (!groff.isEmpty()) {
            QProcess p;
            p.start(groff, {QStringLiteral("-k"), QStringLiteral("-man"), QStringLiteral("-ww"),
                            QStringLiteral("-z"), QStringLiteral("-Tutf8")});
            p.write(page.toUtf8());
            p.closeWriteChannel();
            QVERIFY(p.waitForFinished(60000));
            QCOMPARE(QString::fromUtf8(p.readAllStandardError()), QString());
        }
    }

    // Last: it takes the installed templates away.
    void aMissingInstallationIsNamedAndNothingIsMade() {
        const QString data = installed(QStringLiteral("share/karvento/data"));
        QVERIFY(QDir().rename(data, data + QStringLiteral(".away")));
        const QString target =
            QDir(env.newDirectory(QStringLiteral("refused"))).filePath(QStringLiteral("baza"));
        const Run init = run(installed(QStringLiteral("bin/karvento-cli")),
                             {QStringLiteral("init"), target, QStringLiteral("--db-password"),
                              QStringLiteral("Tajne123"), QStringLiteral("--demo")},
                             clean());
        QVERIFY(QDir().rename(data + QStringLiteral(".away"), data));
        QCOMPARE(init.code, 1);
        QVERIFY2(init.err.contains(data), qPrintable(init.err));
        QVERIFY(!QFileInfo::exists(target));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
