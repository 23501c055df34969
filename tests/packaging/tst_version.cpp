#include "TestSupport.h"

#include "cli/CliRun.h"
#include "support/ProgramVersion.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace kv;

namespace {

QString cmakeVersion() {
    QFile f(QStringLiteral(KV_SOURCE_DIR "/CMakeLists.txt"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression project(
        QStringLiteral("project\\(\\s*Karvento\\s+VERSION\\s+([0-9.]+)"));
    return project.match(QString::fromUtf8(f.readAll())).captured(1);
}

} // namespace

// One version number, CMake's, wherever the program shows one.
class TestVersion : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void theProgramShowsTheVersionCMakeHolds() {
        const QString version = cmakeVersion();
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+(\\.\\d+)*$"))
                    .match(version)
                    .hasMatch());
        QCOMPARE(programVersion(), version);
        const test::CliRun r = test::runCli({QStringLiteral("--version")});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.startsWith(QStringLiteral("Karvento %1 ").arg(version)), qPrintable(r.out));
    }

    void noVersionIsWrittenIntoTheSources() {
        // Window titles, the about box, the support mail and the tool's
        // answer take the number from programVersion(); one typed into a text
        // would fall behind the next release.
        static const QRegularExpression typed(
            QStringLiteral("Karvento(\\s|%20)+v?\\d+\\.\\d|Wersja \\d+\\.\\d"));
        QDirIterator it(QStringLiteral(KV_SOURCE_DIR "/src"),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        int files = 0;
        while (it.hasNext()) {
            QFile f(it.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(f.readAll());
            const QRegularExpressionMatch m = typed.match(text);
            QVERIFY2(!m.hasMatch(),
                     qPrintable(f.fileName() + QStringLiteral(": ") + m.captured(0)));
            ++files;
        }
        QVERIFY(files > 100);
    }
};

QTEST_GUILESS_MAIN(TestVersion)
#include "tst_version.moc"
