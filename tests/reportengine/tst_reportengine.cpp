#include "reportengine/PagePainter.h"
#include "reportengine/ReportFonts.h"
#include "reportengine/ReportLayout.h"
#include "reportengine/ReportTemplate.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace kv::report;

namespace {

// Rows 0..n-1; every row answers ROW with its number and TEXT with what the
// test sets, and SUMA with a running total of the rows asked, so a row asked
// twice shows in the total.
class Rows : public RowSource, public VariableSource {
public:
    explicit Rows(int count) : m_count(count) {}
    void first() override {
        m_row = 0;
        m_total = 0;
        ++firstCalls;
    }
    void next() override { ++m_row; }
    bool atEnd() const override { return m_row >= m_count; }
    void pageStarted(int page) override { m_page = page; }
    QString value(const QString& name) override {
        ++asked;
        if (name == u"ROW") {
            m_total += m_row + 1;
            return QString::number(m_row + 1);
        }
        if (name == u"SUMA")
            return QString::number(m_total);
        if (name == u"STRONA")
            return QString::number(m_page);
        if (name == u"TEXT")
            return text;
        return QString();
    }
    QString text;
    int asked = 0;
    int firstCalls = 0;

private:
    int m_count;
    int m_row = 0;
    int m_total = 0;
    int m_page = 0;
};

ReportTemplate parsed(const QString& text) {
    TemplateError error;
    auto t = parseTemplate(text, QStringLiteral("test.frf"), &error);
    if (!t)
        qFatal("%s", qPrintable(error.message()));
    return *t;
}

// A page body of 100 mm: header 10, footer 10, rows of 10 mm: 8 rows a page.
const QString kListTemplate = QStringLiteral("[page]\nmargins = 10 10 10 187\nfontsize = 8\n"
                                             "[pageheader]\ntext 0 0 100 5: Nagłówek\n"
                                             "height = 10\n"
                                             "[row]\ntext 0 0 50 5: [ROW]\ntext 60 0 50 5: "
                                             "[TEXT]\nheight = 10\n"
                                             "[summary]\ntext 0 0 100 5: Razem [SUMA]\n"
                                             "height = 10\n"
                                             "[pagefooter]\ntext 0 0 100 5: Strona [STRONA]\n"
                                             "height = 10\n");

QStringList pageLines(const ReportDocument& doc) {
    return documentText(doc).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

class TstReportEngine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(loadReportFonts()); }

    // A template that does not parse names its file and line; a missing
    // file is named too.
    void refusesBadTemplates_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::newRow("outside a section") << "text 0 0 10 5: x\n" << 1;
        QTest::newRow("unknown section") << "[row]\nheight = 5\n[stopka]\n" << 3;
        QTest::newRow("no colon") << "[row]\n\ntext 0 0 10 5 x\n" << 3;
        QTest::newRow("not a number") << "[row]\ntext 0 zero 10 5: x\n" << 2;
        QTest::newRow("zero width") << "[row]\ntext 0 0 0 5: x\n" << 2;
        QTest::newRow("unknown option") << "[row]\ntext 0 0 10 5 italic: x\n" << 2;
        QTest::newRow("page key") << "[page]\npapier = A3\n[row]\n" << 2;
        QTest::newRow("repeated band") << "[row]\n[row]\n" << 2;
        QTest::newRow("no band") << "[page]\nsize = A4\n" << 0;
        QTest::newRow("band taller than page") << "[row]\nheight = 400\n" << 0;
    }
    void refusesBadTemplates() {
        QFETCH(QString, text);
        QFETCH(int, line);
        TemplateError error;
        QVERIFY(!parseTemplate(text, QStringLiteral("zly.frf"), &error));
        QCOMPARE(error.line, line);
        QVERIFY(error.message().contains(QStringLiteral("zly.frf")));
        if (line > 0)
            QVERIFY(error.message().contains(QStringLiteral("wiersz %1").arg(line)));
    }

    void namesAMissingFile() {
        QTemporaryDir dir;
        TemplateError error;
        const QString path = dir.filePath(QStringLiteral("brak.frf"));
        QVERIFY(!loadTemplate(path, &error));
        QVERIFY(error.message().contains(path));
        QVERIFY(error.message().contains(QStringLiteral("brak pliku")));
    }

    void readsItemsAndSlots() {
        const ReportTemplate t = parsed(QStringLiteral(
            "[page]\norientation = landscape\n[row]\ntext 1 2 30 4 bold right size=12 frame: "
            "A [X] b [Y_2]\\rC\nline 0 5 30 5\n"));
        QCOMPARE(t.pageWidth, 297.0);
        const TemplateBand& row = t.band(BandKind::Row);
        QCOMPARE(row.items.size(), 2);
        const TemplateItem& text = row.items.first();
        QVERIFY(text.bold && text.frame);
        QCOMPARE(text.align, Qt::AlignRight);
        QCOMPARE(text.fontSize, 12.0);
        QCOMPARE(text.box, QRectF(1, 2, 30, 4));
        QCOMPARE(text.content, QStringLiteral("A [X] b [Y_2]") + QChar(13) + QStringLiteral("C"));
        QCOMPARE(slotNames(text.content), (QStringList{"X", "Y_2"}));
        QCOMPARE(row.items.last().kind, TemplateItem::Kind::Line);
    }

    // Breaking at CR (and LF), at blanks where the width ends, and inside a
    // word wider than the box.
    void breaksText() {
        const QFont f = reportFont(8, false);
        QCOMPARE(breakText(QStringLiteral("a\rb\r\nc\n\rd"), f, 100),
                 (QStringList{"a", "b", "c", "", "d"}));
        QCOMPARE(breakText(QString(), f, 100), QStringList{QString()});
        const QStringList words = breakText(QStringLiteral("Ala ma kota i psa"), f, 12);
        QVERIFY(words.size() > 1);
        QCOMPARE(words.join(u' '), QStringLiteral("Ala ma kota i psa"));
        for (const QString& w : words)
            QVERIFY(textWidthMm(f, w) <= 12.0);
        const QStringList cut = breakText(QString(40, u'W'), f, 10);
        QVERIFY(cut.size() > 2);
        QCOMPARE(cut.join(QString()), QString(40, u'W'));
    }

    // 20 rows, 8 to a page: three pages numbered 1, 2, 3; each row asked once
    // however the rows fall on the pages, so the total is 1 + ... + 20.
    void numbersPagesAndSumsOnce() {
        Rows rows(20);
        const ReportDocument doc = layoutReport(parsed(kListTemplate), rows, rows);
        QCOMPARE(doc.pages.size(), 3);
        const QStringList lines = pageLines(doc);
        QCOMPARE(lines.count(QStringLiteral("Strona 1")), 1);
        QCOMPARE(lines.count(QStringLiteral("Strona 2")), 1);
        QCOMPARE(lines.count(QStringLiteral("Strona 3")), 1);
        QCOMPARE(lines.count(QStringLiteral("Nagłówek")), 3);
        QVERIFY(lines.contains(QStringLiteral("Razem 210")));
        QCOMPARE(rows.firstCalls, 1);
        // Page two starts with row 9: row 9 did not fit on page one.
        const QString text = documentText(doc);
        const QString page2 = text.section(QStringLiteral("=== Strona 2 ==="), 1)
                                  .section(QStringLiteral("=== Strona 3 ==="), 0, 0);
        QCOMPARE(page2.split(u'\n', Qt::SkipEmptyParts).at(1), QStringLiteral("9"));
    }

    // A row whose text grows to two lines is pushed to the next page whole
    // and not asked again.
    void pushedRowIsNotAskedAgain() {
        Rows rows(8);
        rows.text = QStringLiteral("a\rb\rc\rd\re");
        const ReportDocument doc = layoutReport(parsed(kListTemplate), rows, rows);
        QVERIFY(doc.pages.size() >= 2);
        QVERIFY(pageLines(doc).contains(QStringLiteral("Razem 36")));
    }

    // A row taller than a page is cut at the page's end and the report ends.
    void cutsARowTallerThanAPage() {
        Rows rows(2);
        QStringList many;
        for (int i = 0; i < 200; ++i)
            many << QString::number(i);
        rows.text = many.join(QChar(13));
        const ReportDocument doc = layoutReport(parsed(kListTemplate), rows, rows);
        QVERIFY(doc.pages.size() <= 4);
        const QString text = documentText(doc);
        QVERIFY(text.contains(QStringLiteral("Razem 3")));
        QVERIFY(!text.contains(QStringLiteral(" / 199")));
        for (const Page& p : doc.pages)
            for (const PlacedText& t : p.texts)
                QVERIFY(t.box.bottom() <= 110.0 + 1e-6);
    }

    void emptyRowsStillPrintTheFrame() {
        Rows rows(0);
        const ReportDocument doc = layoutReport(parsed(kListTemplate), rows, rows);
        QCOMPARE(doc.pages.size(), 1);
        QVERIFY(pageLines(doc).contains(QStringLiteral("Razem 0")));
    }

    // Zoom, printing and PDF paint the laid-out pages: nothing is asked again
    // and the figures stay.
    void paintingNeverAsksAgain() {
        Rows rows(20);
        const ReportDocument doc = layoutReport(parsed(kListTemplate), rows, rows);
        const int asked = rows.asked;
        const QString before = documentText(doc);
        for (double zoom : {1.0, 2.5}) {
            QImage image(qRound(210 * zoom * 4), qRound(297 * zoom * 4), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter p(&image);
            for (int page = 0; page < doc.pages.size(); ++page)
                paintPage(p, doc, page, zoom * 4, 0);
        }
        QTemporaryDir dir;
        QVERIFY(writePdf(doc, dir.filePath(QStringLiteral("r.pdf"))));
        QCOMPARE(rows.asked, asked);
        QCOMPARE(documentText(doc), before);
    }

    void writesPdfWholeOrNothing() {
        Rows rows(3);
        const ReportDocument doc = layoutReport(parsed(kListTemplate), rows, rows);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("raport.pdf"));
        QString error;
        QVERIFY2(writePdf(doc, path, &error), qPrintable(error));
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"raport.pdf"});

        // Into a missing folder, onto a folder: refused, nothing left behind.
        const QString missing = dir.filePath(QStringLiteral("brak/raport.pdf"));
        QVERIFY(!writePdf(doc, missing, &error));
        QVERIFY(error.contains(missing));
        QVERIFY(!QFile::exists(missing));
        QVERIFY(!writePdf(doc, dir.path(), &error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"raport.pdf"});
    }

    void findsTextForwardAndWraps() {
        Rows rows(20);
        const ReportDocument doc = layoutReport(parsed(kListTemplate), rows, rows);
        const TextPlace first = findText(doc, QStringLiteral("strona"));
        QCOMPARE(first.page, 0);
        const TextPlace second = findText(doc, QStringLiteral("STRONA"), first);
        QCOMPARE(second.page, 1);
        const TextPlace third = findText(doc, QStringLiteral("strona"), second);
        QCOMPARE(third.page, 2);
        const TextPlace wrapped = findText(doc, QStringLiteral("strona"), third);
        QCOMPARE(wrapped.page, 0);
        QCOMPARE(wrapped.text, first.text);
        QCOMPARE(findText(doc, QStringLiteral("nie ma")).page, -1);
        QCOMPARE(findText(doc, QString()).page, -1);
    }
};

QTEST_MAIN(TstReportEngine)
#include "tst_reportengine.moc"
