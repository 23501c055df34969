#include "support/TFileOperations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kv;

namespace {

void writeFile(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestFileOperations : public QObject {
    Q_OBJECT
    QTemporaryDir scratch;
    QDir dir;

private slots:
    void init() {
        dir = QDir(scratch.path() + QStringLiteral("/") +
                   QString::fromLatin1(QTest::currentTestFunction()));
        dir.removeRecursively();
        writeFile(dir.filePath(QStringLiteral("firma/pojazdy.DB")), "pojazdy");
        writeFile(dir.filePath(QStringLiteral("firma/koszty.DB")), "koszty");
    }

    void copyCreatesFoldersAndReplacesTargets() {
        writeFile(dir.filePath(QStringLiteral("archiwum/koszty.DB")), "stare koszty");
        TFileOperations copy;
        copy.addSource(dir.filePath(QStringLiteral("firma/pojazdy.DB")));
        copy.addDestination(dir.filePath(QStringLiteral("nowy/a/b/pojazdy.DB")));
        copy.addSource(dir.filePath(QStringLiteral("firma/koszty.DB")));
        copy.addDestination(dir.filePath(QStringLiteral("archiwum/koszty.DB")));
        copy.addSource(dir.filePath(QStringLiteral("firma/koszty.DB")));
        copy.addDestination(dir.filePath(QStringLiteral("archiwum"))); // an existing folder
        QCOMPARE(copy.execute(), 0);
        QCOMPARE(readFile(dir.filePath(QStringLiteral("nowy/a/b/pojazdy.DB"))), "pojazdy");
        QCOMPARE(readFile(dir.filePath(QStringLiteral("archiwum/koszty.DB"))), "koszty");
        QCOMPARE(QDir(dir.filePath(QStringLiteral("archiwum"))).entryList(QDir::Files),
                 QStringList{"koszty.DB"});
    }

    void batchStopsAtTheFirstFailure_data() {
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("secondTarget");
        QTest::addColumn<int>("code");
        QTest::newRow("missing source") << "firma/brak.DB"
                                        << "kopia/brak.DB" << int(TFileOperations::SourceMissing);
        QTest::newRow("folder as source") << "firma"
                                          << "kopia/firma" << int(TFileOperations::SourceNotAFile);
        QTest::newRow("target folder blocked by a file")
            << "firma/koszty.DB"
            << "firma/pojazdy.DB/koszty.DB" << int(TFileOperations::FolderNotCreated);
        QTest::newRow("no destination") << "firma/koszty.DB"
                                        << "" << int(TFileOperations::NoDestination);
    }
    void batchStopsAtTheFirstFailure() {
        QFETCH(QString, second);
        QFETCH(QString, secondTarget);
        QFETCH(int, code);
        TFileOperations copy;
        copy.addSource(dir.filePath(QStringLiteral("firma/pojazdy.DB")));
        copy.addDestination(dir.filePath(QStringLiteral("kopia/pojazdy.DB")));
        copy.addSource(dir.filePath(second));
        if (!secondTarget.isEmpty())
            copy.addDestination(dir.filePath(secondTarget));
        copy.addSource(dir.filePath(QStringLiteral("firma/koszty.DB")));
        QCOMPARE(copy.execute(), code);
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("kopia/pojazdy.DB"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("kopia/koszty.DB"))));
    }

    void deleteRemovesFilesOnly() {
        TFileOperations remove;
        remove.setOperation(TFileOperations::Operation::Delete);
        remove.addSource(dir.filePath(QStringLiteral("firma/pojazdy.DB")));
        remove.addSource(dir.filePath(QStringLiteral("firma")));
        remove.addSource(dir.filePath(QStringLiteral("firma/koszty.DB")));
        QCOMPARE(remove.execute(), int(TFileOperations::SourceNotAFile));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("firma/pojazdy.DB"))));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("firma/koszty.DB"))));

        remove.clear();
        QVERIFY(remove.sources().isEmpty() && remove.destinations().isEmpty());
        remove.addSource(dir.filePath(QStringLiteral("firma/koszty.DB")));
        QCOMPARE(remove.execute(), 0);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("firma/koszty.DB"))));
        QCOMPARE(remove.execute(), int(TFileOperations::SourceMissing));
    }
};

QTEST_GUILESS_MAIN(TestFileOperations)
#include "tst_fileoperations.moc"
