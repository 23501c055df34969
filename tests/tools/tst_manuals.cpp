#include "TestSupport.h"

#include "location/gui/DatabaseProblemGuide.h"
#include "location/gui/FirstStartGuide.h"
#include "storage/SettingsPaths.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace kv;

namespace {

// The number of pages a PDF says it has.
int pageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page[^s])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// The user's guides the program opens from its help, made at build time from
// the Markdown in docs/manual.
class TestManuals : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    static QString tool() { return QDir(installDirectory()).filePath("karvento-mkdocs"); }
    static int runTool(const QStringList& args, QString* err = nullptr) {
        QProcess p;
        p.start(tool(), args);
        p.waitForFinished(60000);
        if (err)
            *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

private slots:
    void theGuidesTheProgramNamesAreBuilt() {
        for (const QString& name :
             {FirstStartGuide::kManualFile, DatabaseProblemGuide::kAccessRightsFile}) {
            const QString path = documentationPath(name);
            const QByteArray pdf = contents(path);
            QVERIFY2(pdf.startsWith("%PDF-"), qPrintable(path));
            QVERIFY2(pageCount(pdf) >= 3, qPrintable(path));
        }
        // The manual has a chapter a page at least.
        const int chapters =
            static_cast<int>(QDir(QStringLiteral(KV_SOURCE_DIR "/docs/manual/instrukcja"))
                                 .entryList({QStringLiteral("*.md")}, QDir::Files)
                                 .size());
        QVERIFY(chapters >= 14);
        QVERIFY(pageCount(contents(documentationPath(FirstStartGuide::kManualFile))) >= chapters);
    }

    void chaptersBeginOnTheirOwnPage() {
        const QString dir = env.newDirectory(QStringLiteral("chapters"));
        const auto write = [&](const QString& name, const QString& text) {
            QFile f(QDir(dir).filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(text.toUtf8());
        };
        write(QStringLiteral("a.md"), QStringLiteral("# Zażółć gęślą jaźń\n\nTekst.\n"));
        write(QStringLiteral("b.md"),
              QStringLiteral("# Drugi\n\n| A | B |\n|---|---|\n| 1 | 2 |\n"));
        const QString one = QDir(dir).filePath(QStringLiteral("jeden.pdf"));
        const QString two = QDir(dir).filePath(QStringLiteral("dwa rozdziały.pdf"));
        QString err;
        QCOMPARE(runTool({one, QDir(dir).filePath("a.md")}, &err), 0);
        QVERIFY2(!err.contains(QStringLiteral("karvento-mkdocs:")), qPrintable(err));
        QCOMPARE(runTool({two, QDir(dir).filePath("a.md"), QDir(dir).filePath("b.md")}), 0);
        QCOMPARE(pageCount(contents(one)), 1);
        QCOMPARE(pageCount(contents(two)), 2);
    }

    void badUseOfTheToolFailsAndKeepsTheOldFile() {
        const QString dir = env.newDirectory(QStringLiteral("bad"));
        const QString pdf = QDir(dir).filePath(QStringLiteral("stary.pdf"));
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("stary");
        old.close();
        QCOMPARE(runTool({pdf}), 2);
        QCOMPARE(runTool({pdf, QDir(dir).filePath(QStringLiteral("brak.md"))}), 1);
        QCOMPARE(contents(pdf), QByteArray("stary"));
    }
};

QTEST_GUILESS_MAIN(TestManuals)
#include "tst_manuals.moc"
