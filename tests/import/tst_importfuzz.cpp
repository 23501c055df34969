// Mutated sheets through the reader and the verify pass: no crash, every
// line of the result checked exactly once, good or faulty with a reason, and
// what the reader made of a sheet reads back the same when written out again.
#include "import/CsvReader.h"
#include "import/ImportLayout.h"
#include "import/ImportRowCheck.h"
#include "support/CsvWriter.h"

#include <QRandomGenerator>
#include <QTest>

using namespace kv;

namespace {

QByteArray baseSheet() {
    return QByteArrayLiteral(
        "Data;Nr rej;Rodzaj;Towar;Karta;Kierowca;Licznik;Inne;Data wyst;Dokument;Platnosc;"
        "Netto;VAT;Brutto;Czy VAT;Paliwo;Litry;CK;Karta drogowa\r\n"
        "31.12.2024;WE 123;Paliwo;ON;;K1;1200,5;\"uwagi; z \"\"cudzysłowem\"\"\";31.12.2024;"
        "FV 1;;100,00;23,00;123,00;TAK;TAK;40,5;;\r\n"
        "01.01.2025;we 123;Myjnia;Mycie;;;;\"dwie\r\nlinie\";01.01.2025;FV "
        "2;;10;2,3;12,3;NIE;;;;\r\n"
        "02.01.2025;XX 999;Serwis;Olej;;;;;02.01.2025;FV 3;;50;11,5;61,5;TAK;;;;\r\n");
}

ImportChoices everyColumnMapped(const ImportLayout& layout) {
    ImportChoices c = defaultImportChoices(layout);
    // The sheet's columns follow the lists' numbers: cbN is column N.
    for (const ImportField& f : layout.fields)
        c.mapping[f.list - 1] = f.list;
    // Payment kind, cost centre and road card stay out: their empty cells
    // would fail the look-up.
    for (int list : {11, 18, 19})
        c.mapping[list - 1] = 0;
    c.skipFirst = true;
    return c;
}

QByteArray mutate(QByteArray bytes, QRandomGenerator& rng) {
    static const char specials[] = {'"', ';', '\r', '\n', '\0', ',', '\xC5', '\xFF'};
    const int edits = 1 + static_cast<int>(rng.bounded(6));
    for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
        const int at = static_cast<int>(rng.bounded(bytes.size()));
        switch (rng.bounded(6)) {
        case 0: // a flipped bit
            bytes[at] = static_cast<char>(bytes[at] ^ (1 << rng.bounded(8)));
            break;
        case 1: // a stray special character
            bytes.insert(at, specials[rng.bounded(static_cast<int>(sizeof specials))]);
            break;
        case 2: // a byte gone
            bytes.remove(at, 1);
            break;
        case 3: // cut short
            bytes.truncate(at);
            break;
        case 4: // CR LF turned into LF or CR
            bytes.replace("\r\n", rng.bounded(2) ? "\n" : "\r");
            break;
        default: // a quote around a part of a line
            bytes.insert(at, '"');
            bytes.insert(static_cast<int>(rng.bounded(bytes.size())), '"');
            break;
        }
    }
    return bytes;
}

} // namespace

class TestImportFuzz : public QObject {
    Q_OBJECT

private slots:
    void mutatedSheets() {
        const ImportLayout& layout = importLayout(ImportKind::Costs);
        const ImportChoices choices = everyColumnMapped(layout);
        ImportLookups lookups;
        lookups.addVehicle(QStringLiteral("WE 123"), 7);

        // The sheet as written is read as meant.
        {
            const DecodedText text = decodeSheetBytes(baseSheet());
            ImportSheet sheet(splitSheet(text.text, u';'));
            const VerifyOutcome v = verifyLines(sheet, layout, choices, lookups);
            QCOMPARE(sheet.lineCount(), 4);
            QCOMPARE(sheet.line(1).cells.value(7), QStringLiteral("uwagi; z \"cudzysłowem\""));
            QCOMPARE(sheet.imported(1), kStatusOk);
            QCOMPARE(sheet.imported(2), kStatusOk);
            QCOMPARE(sheet.remark(3), QStringLiteral("Nie znaleziono podanego pojazdu"));
            QCOMPARE(v.faulty, 1);
        }

        QRandomGenerator rng(20241231);
        const int sheets = 20000;
        int refused = 0, faultyLines = 0, goodLines = 0;
        for (int n = 0; n < sheets; ++n) {
            QByteArray bytes = mutate(baseSheet(), rng);
            if (n % 1000 == 0) // a cell of a megabyte
                bytes.insert(static_cast<int>(rng.bounded(bytes.size() + 1)),
                             QByteArray(1 << 20, 'x'));
            const DecodedText text = decodeSheetBytes(bytes);
            if (!text.refusal.isEmpty()) {
                QVERIFY(bytes.contains('\0') || bytes.startsWith("\xFF\xFE") ||
                        bytes.startsWith("\xFE\xFF"));
                ++refused;
                continue;
            }
            const ReadSheet read = splitSheet(text.text, u';');
            // Written out again in standard form, the cells read back the same.
            QList<QStringList> cells;
            for (const SheetLine& l : read.lines)
                cells.append(l.cells);
            if (n % 10 == 0) {
                const ReadSheet again = splitSheet(standardCsvText(cells), u';');
                QCOMPARE(again.lines.size(), read.lines.size());
                for (int i = 0; i < read.lines.size(); ++i)
                    QCOMPARE(again.lines[i].cells, read.lines[i].cells);
            }
            ImportSheet sheet(read);
            const VerifyOutcome v = verifyLines(sheet, layout, choices, lookups);
            QCOMPARE(v.rows.size(), sheet.lineCount());
            int faulty = 0;
            for (int i = 1; i < sheet.lineCount(); ++i) {
                if (sheet.imported(i) == kStatusOk) {
                    QVERIFY(v.rows[i].good);
                    QVERIFY(sheet.remark(i).isEmpty());
                    ++goodLines;
                } else {
                    QCOMPARE(sheet.imported(i), kStatusFaulty);
                    QVERIFY2(!sheet.remark(i).isEmpty(), "a faulty line without its reason");
                    QVERIFY(!v.rows[i].good);
                    ++faulty;
                }
            }
            QCOMPARE(v.faulty, faulty);
            faultyLines += faulty;
        }
        // The mutations reached both outcomes and the refusal.
        QVERIFY(refused > 0);
        QVERIFY(goodLines > 0);
        QVERIFY(faultyLines > 0);
    }
};

QTEST_GUILESS_MAIN(TestImportFuzz)
#include "tst_importfuzz.moc"
