#include "import/CsvReader.h"
#include "import/ImportConversions.h"
#include "support/CodePage1250.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kv;

namespace {

QList<QStringList> cellsOf(const ReadSheet& sheet) {
    QList<QStringList> out;
    for (const SheetLine& line : sheet.lines)
        out.append(line.cells);
    return out;
}

QList<QStringList> split(const char* utf8, QChar separator = u';') {
    return cellsOf(splitSheet(QString::fromUtf8(utf8), separator));
}

} // namespace

class TestCsvReader : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void quotedCellsHoldSeparatorsQuotesAndLineBreaks() {
        QCOMPARE(split("\"a;b\";c"), (QList<QStringList>{{"a;b", "c"}}));
        QCOMPARE(split("a;;b"), (QList<QStringList>{{"a", "", "b"}}));
        QCOMPARE(split("a;b;"), (QList<QStringList>{{"a", "b", ""}}));
        // Standard unquoting: every doubled quote is one quote.
        QCOMPARE(split("\"x\"\"y\";\"p\"\"q\"\"r\""), (QList<QStringList>{{"x\"y", "p\"q\"r"}}));
        QCOMPARE(split("\"line one\r\nline two\";z\r\nnext;row\r\n"),
                 (QList<QStringList>{{"line one\r\nline two", "z"}, {"next", "row"}}));
        // A quote inside an unquoted cell is text.
        QCOMPARE(split("WE \"1'23;5 cali\""), (QList<QStringList>{{"WE \"1'23", "5 cali\""}}));
        // Text after a closing quote stays with its cell.
        QCOMPARE(split("\"ab\"c;d"), (QList<QStringList>{{"abc", "d"}}));
        QCOMPARE(split("a,\"b,c\"", u','), (QList<QStringList>{{"a", "b,c"}}));
    }

    void lineEndsAndEmptyLines() {
        QCOMPARE(split("a;b\nc;d\n"), split("a;b\r\nc;d\r\n"));
        QCOMPARE(split("a;b\nc;d"), (QList<QStringList>{{"a", "b"}, {"c", "d"}}));
        QCOMPARE(split("a\rb"), (QList<QStringList>{{"a"}, {"b"}}));
        QCOMPARE(split("a\n\nb\n"), (QList<QStringList>{{"a"}, {""}, {"b"}}));
        QVERIFY(split("").isEmpty());
    }

    void linesOfAnotherShapeAreMarkedNotShifted() {
        const ReadSheet s =
            splitSheet(QStringLiteral("a;b;c\n1;2\n1;2;3;\n1;2;3;4\n\"x;y;z"), u';');
        QCOMPARE(s.lines.size(), 5);
        QCOMPARE(s.lines[0].fault, QString());
        QCOMPARE(s.lines[1].fault, QStringLiteral("Wiersz ma 2 kolumn, oczekiwano 3"));
        QCOMPARE(s.lines[1].cells, (QStringList{"1", "2"})); // never padded
        QCOMPARE(s.lines[2].fault, QString());               // an empty cell more is fine
        QCOMPARE(s.lines[3].fault, QStringLiteral("Wiersz ma 4 kolumn, oczekiwano 3"));
        // An unclosed quote is text and its line marked; nothing after it is swallowed.
        QCOMPARE(s.lines[4].cells, (QStringList{"\"x", "y", "z"}));
        QCOMPARE(s.lines[4].fault, QStringLiteral("Niezamknięty cudzysłów w wierszu"));
        QCOMPARE(s.width, 4);
    }

    void threeEncodingsGiveTheSameCells() {
        const QString text = QStringLiteral("Data;Nr;Opis\r\n31.12.2024;WE 123;\"Łódź; żółć\"\r\n");
        const QString bom = write("bom.csv", "\xEF\xBB\xBF" + text.toUtf8());
        const QString utf8 = write("utf8.csv", text.toUtf8());
        const QString cp = write("cp.csv", toCodePage1250(text));
        QString error;
        const auto a = readSheetFile(bom, u';', &error);
        const auto b = readSheetFile(utf8, u';', &error);
        const auto c = readSheetFile(cp, u';', &error);
        QVERIFY(a && b && c);
        QCOMPARE(a->encoding, SheetEncoding::Utf8WithBom);
        QCOMPARE(b->encoding, SheetEncoding::Utf8);
        QCOMPARE(c->encoding, SheetEncoding::Windows1250);
        QCOMPARE(cellsOf(*a), cellsOf(*b));
        QCOMPARE(cellsOf(*a), cellsOf(*c));
        QCOMPARE(cellsOf(*a)[1][2], QStringLiteral("Łódź; żółć"));
        QCOMPARE(sheetEncodingName(c->encoding), QStringLiteral("Windows-1250"));
    }

    void binaryAndUtf16AndMissingFilesAreRefused() {
        QString error;
        QVERIFY(!readSheetFile(write("u16.csv", QByteArray("\xFF\xFE"
                                                           "a\0;\0b\0",
                                                           8)),
                               u';', &error));
        QVERIFY(error.contains(QStringLiteral("UTF-16")));
        QVERIFY(
            !readSheetFile(write("bin.csv", QByteArray("PK\x03\x04\0\0\x01", 7)), u';', &error));
        QVERIFY(error.contains(QStringLiteral("kodzie 0")));
        error.clear();
        QVERIFY(!readSheetFile(dir.filePath("brak.csv"), u';', &error));
        QVERIFY(!error.isEmpty());
    }

    void datesByPosition() {
        using F = ImportDateFormat;
        QCOMPARE(importDate("31.12.2024", F::DayMonthYear), 20241231);
        QCOMPARE(importDate("31-12-2024 10:15", F::DayMonthYear), 20241231);
        QCOMPARE(importDate("2024-12-31", F::DayMonthYear), std::nullopt);
        // No 31st of February: it would later become today.
        QCOMPARE(importDate("31-02-2024", F::DayMonthYear), std::nullopt);
        QCOMPARE(importDate("29.02.2024", F::DayMonthYear), 20240229);
        QCOMPARE(importDate("29.02.2023", F::DayMonthYear), std::nullopt);
        QCOMPARE(importDate("31.12.1899", F::DayMonthYear), std::nullopt);
        QCOMPARE(importDate("1.1.2024", F::DayMonthYear), std::nullopt);
        QCOMPARE(importDate("2024/01/05", F::YearMonthDay), 20240105);
        QCOMPARE(importDate("20240105", F::Compact), 20240105);
        QCOMPARE(importDate("2024010", F::Compact), std::nullopt);
        QCOMPARE(importDate("2024+105", F::Compact), std::nullopt);
    }

    void numbersWithEitherSeparator() {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QCOMPARE(importNumber("12.50")->toSql(), QStringLiteral("12.5"));
        QCOMPARE(importNumber(" 12,50 ")->toSql(), QStringLiteral("12.5"));
        QCOMPARE(importNumber("")->toSql(), QStringLiteral("0"));
        QCOMPARE(importNumber("1.234,5"), std::nullopt);
        QCOMPARE(importNumber("12 zł"), std::nullopt);
        // Amounts keep two decimals, half away from zero.
        QCOMPARE(importAmount("10,005")->toSql(), QStringLiteral("10.01"));
        QCOMPARE(importAmount("-10.005")->toSql(), QStringLiteral("-10.01"));
        QCOMPARE(importAmount("10.004")->toSql(), QStringLiteral("10"));
        QLocale::setDefault(previous);
    }

    void flagsAndKeys() {
        QVERIFY(importFlagSet(QStringLiteral("tak"), QStringLiteral("TAK")));
        QVERIFY(!importFlagSet(QStringLiteral("TAK "), QStringLiteral("TAK"))); // not trimmed
        QCOMPARE(importKey(QStringLiteral(" we \"1'23 ")), QStringLiteral("WE \"1'23"));
        QCOMPARE(importKey(QStringLiteral("łódź")), QStringLiteral("ŁÓDŹ"));
    }
};

QTEST_GUILESS_MAIN(TestCsvReader)
#include "tst_csvreader.moc"
