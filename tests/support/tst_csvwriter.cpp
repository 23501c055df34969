#include "support/CodePage1250.h"
#include "support/CsvWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace kv;

class TestCsvWriter : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static QList<QStringList> manyRows() {
        QList<QStringList> rows;
        for (int i = 0; i < 2000; ++i)
            rows.append({QStringLiteral("wiersz %1").arg(i), QStringLiteral("Łódź")});
        return rows;
    }

    // Writes with the process's file size limit lowered to the given bytes,
    // as a full disk would stop the writing.
    static CsvOutcome writeWithLimit(const QList<QStringList>& rows, const QString& path,
                                     rlim_t bytes) {
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
        const CsvOutcome out = writeCsv(rows, path);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        return out;
    }

private slots:
    void writesQuotedCellsInCodePage() {
        const QString path = dir.filePath(QStringLiteral("sheet.csv"));
        const QList<QStringList> rows = {{QStringLiteral("Nr"), QStringLiteral("Opis")},
                                         {QStringLiteral("1"), QStringLiteral("żółć 17\" opona")},
                                         {},
                                         {QStringLiteral("")}};
        QVERIFY(writeCsv(rows, path));
        // Quotes inside a cell are written as they are; the callers replace them.
        QCOMPARE(contents(path), QByteArray("\"Nr\";\"Opis\"\r\n"
                                            "\"1\";\"\xBF\xF3\xB3\xE6 17\" opona\"\r\n"
                                            "\r\n"
                                            "\"\"\r\n"));
    }

    void replacesAnEarlierFile() {
        const QString path = dir.filePath(QStringLiteral("again.csv"));
        QVERIFY(writeCsv({{QStringLiteral("stary"), QStringLiteral("wiersz")}}, path));
        QVERIFY(writeCsv({{QStringLiteral("nowy")}}, path));
        QCOMPARE(contents(path), QByteArray("\"nowy\"\r\n"));
    }

    void reportsFailure() {
        QVERIFY(!writeCsv({{QStringLiteral("a")}}, dir.filePath(QStringLiteral("brak/x.csv"))));
        QVERIFY(!writeCsv({{QStringLiteral("a")}}, dir.path()));
    }

    // A pipe stays a pipe: the sheet goes through it to whoever reads.
    void aPipeIsWrittenToNotReplaced() {
        const QString pipe = dir.filePath(QStringLiteral("potok"));
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        QByteArray received;
        std::thread reader([&] {
            QFile in(pipe);
            if (in.open(QIODevice::ReadOnly))
                received = in.readAll();
        });
        const bool written = writeCsv({{QStringLiteral("a"), QStringLiteral("b")}}, pipe).written;
        reader.join();
        QVERIFY(written);
        QCOMPARE(received, QByteArray("\"a\";\"b\"\r\n"));
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(pipe).constData(), &info) == 0);
        QVERIFY(S_ISFIFO(info.st_mode));
    }

    void codePageKeepsPolishLetters() {
        const QString letters = QStringLiteral("ĄĆĘŁŃÓŚŹŻąćęłńóśźż€„”–");
        QCOMPARE(toCodePage1250(letters).size(), letters.size());
        QCOMPARE(fromCodePage1250(toCodePage1250(letters)), letters);
        // One "?" per character the code page lacks, also outside the basic plane.
        QCOMPARE(toCodePage1250(QStringLiteral("a中😀b")), QByteArray("a??b"));
    }

    void encodingsAndTheCharactersReplaced() {
        const QList<QStringList> rows{{QStringLiteral("Łódź Søren")}};
        const QString cp = dir.filePath(QStringLiteral("cp.csv"));
        const CsvOutcome out = writeCsv(rows, cp, CsvEncoding::Windows1250);
        QVERIFY(out.written);
        QCOMPARE(out.replaced, 1);
        QCOMPARE(contents(cp), QByteArray("\"\xA3\xF3\x64\x9F S?ren\"\r\n"));
        const QString utf = dir.filePath(QStringLiteral("utf.csv"));
        const CsvOutcome whole = writeCsv(rows, utf, CsvEncoding::Utf8WithBom);
        QVERIFY(whole.written);
        QCOMPARE(whole.replaced, 0);
        QCOMPARE(contents(utf),
                 QByteArray("\xEF\xBB\xBF") + QStringLiteral("\"Łódź Søren\"\r\n").toUtf8());
        // A character outside the basic plane is one character replaced.
        qsizetype replaced = 0;
        QCOMPARE(csvBytes({{QStringLiteral("😀ł中")}}, CsvEncoding::Windows1250, &replaced),
                 QByteArray("\"?\xB3?\"\r\n"));
        QCOMPARE(replaced, 2);
    }

    void cellsAreMadeSafeForTheSheet() {
        QCOMPARE(csvCellText(QStringLiteral("A\"B")), QStringLiteral("A`B"));
        QCOMPARE(csvCellText(QStringLiteral("a`b")), QStringLiteral("a'b"));
        // The backtick is replaced first: a quote never turns into an apostrophe.
        QCOMPARE(csvCellText(QStringLiteral("`\"`")), QStringLiteral("'`'"));
        // A semicolon stays inside its quoted cell.
        QCOMPARE(csvText({{csvCellText(QStringLiteral("x;y")), QStringLiteral("z")}}),
                 QStringLiteral("\"x;y\";\"z\"\r\n"));
    }

    // A disk that fills up half-way (here: a file size limit) must not leave
    // half a sheet where a whole one was: neither a sheet that fails as it is
    // written nor one small enough to wait in the buffer and fail at the end.
    void aWriteThatFailsLeavesTheEarlierFile() {
        const QString path = dir.filePath(QStringLiteral("earlier.csv"));
        QVERIFY(writeCsv({{QStringLiteral("stary"), QStringLiteral("arkusz")}}, path));
        const QByteArray before = contents(path);
        QVERIFY(!writeWithLimit(manyRows(), path, 4096).written);
        QCOMPARE(contents(path), before);
        QVERIFY(!writeWithLimit({{QStringLiteral("nowy, dłuższy arkusz")}}, path, 16).written);
        QCOMPARE(contents(path), before);
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("earlier.csv*")}, QDir::Files),
                 QStringList{QStringLiteral("earlier.csv")}); // no scratch file left
    }

    // A folder the user may not create files in: the file is written in place,
    // and put back as it was when the new sheet does not fit.
    void aFileInAClosedFolderIsWrittenInPlaceOrKept() {
        if (geteuid() == 0)
            QSKIP("folder permissions do not bind the superuser");
        const QString folder = dir.filePath(QStringLiteral("closed"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = QDir(folder).filePath(QStringLiteral("sheet.csv"));
        QVERIFY(writeCsv({{QStringLiteral("stary")}}, path));
        QFile(folder).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(writeCsv({{QStringLiteral("nowy")}}, path));
        const bool failed = !writeWithLimit(manyRows(), path, 4096).written;
        QFile(folder).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(failed);
        QCOMPARE(contents(path), QByteArray("\"nowy\"\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCsvWriter)
#include "tst_csvwriter.moc"
