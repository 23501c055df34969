#include "support/CodePage1250.h"
#include "support/CsvWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kv;

class TestCsvWriter : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
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

    void codePageKeepsPolishLetters() {
        const QString letters = QStringLiteral("ĄĆĘŁŃÓŚŹŻąćęłńóśźż€„”–");
        QCOMPARE(toCodePage1250(letters).size(), letters.size());
        QCOMPARE(fromCodePage1250(toCodePage1250(letters)), letters);
        // One "?" per character the code page lacks, also outside the basic plane.
        QCOMPARE(toCodePage1250(QStringLiteral("a中😀b")), QByteArray("a??b"));
    }
};

QTEST_GUILESS_MAIN(TestCsvWriter)
#include "tst_csvwriter.moc"
