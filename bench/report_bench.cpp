// A 10,000-row costs report: laid out over the rows and written as PDF, and
// the preview's first page painted, each against the bare statement that
// reads those rows from the encrypted table.
//
//   build/bin/report_bench [repetitions]
//
// It builds a company in a temporary folder with one vehicle and 10,000
// costs, reads them with the costs report's columns, lays out the costs
// report's template (koszty_p.frf) over them as the report command does,
// writes the PDF, and paints page one as the preview shows it at 100 %.

#include "reportengine/PagePainter.h"
#include "reportengine/ReportFonts.h"
#include "reports/ReportWalk.h"
#include "schema/Schema.h"
#include "schema/TemplateBuilder.h"
#include "storage/engine/Connection.h"
#include "storage/engine/EngineSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>

using namespace kv;

namespace {

const QString kPassword = QStringLiteral("Bench123");
constexpr int kRows = 10000;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void fill(engine::Connection& c) {
    c.beginWrite({QStringLiteral("pojazdy"), QStringLiteral("koszty")});
    c.execute(QStringLiteral("INSERT INTO pojazdy (NRREJ, MARKA, RODZAJ, POJEMNOSC, STATUS) "
                             "VALUES ('WE 00001', 'Skoda Octavia', 1, 1600, 0)"));
    std::mt19937 rng(5);
    for (int i = 0; i < kRows; ++i) {
        const int cents = 1000 + static_cast<int>(rng() % 200000);
        c.execute(
            QStringLiteral("INSERT INTO koszty (DATA, IDPOJAZD, RODZWYD, NAZWATOWAR, "
                           "NRDOKUMENT, WARTNETTO, WARTVAT, WARTBRUTTO, ISFUEL, FUEL) VALUES "
                           "(%1, 1, :PARAM0, :PARAM1, :PARAM2, %2, %3, %4, :PARAM3, %5)")
                .arg(20240101 + (i % 28))
                .arg(cents / 100.0, 0, 'f', 2)
                .arg(cents * 0.23 / 100.0, 0, 'f', 2)
                .arg(cents * 1.23 / 100.0, 0, 'f', 2)
                .arg(i % 3 == 0 ? 40.5 : 0.0),
            engine::positionalParams({QStringLiteral("Paliwo"),
                                      QStringLiteral("Olej napędowy, stacja %1").arg(i % 40),
                                      QStringLiteral("FV %1/2024").arg(i),
                                      i % 3 == 0 ? QStringLiteral("T") : QStringLiteral("N")}));
    }
    c.commit();
}

const QString kStatement = QStringLiteral(
    "SELECT A.DATA AS DATA, B.NRREJ AS NRREJ, B.MARKA AS MARKA, A.RODZWYD AS RODZWYD, "
    "A.NAZWATOWAR AS NAZWATOWAR, A.NRDOKUMENT AS NRDOKUMENT, A.WARTNETTO AS WARTNETTO, "
    "A.WARTVAT AS WARTVAT, A.WARTBRUTTO AS WARTBRUTTO, A.ISFUEL AS ISFUEL, A.FUEL AS FUEL, "
    "'' AS OPIS, '' AS NRKARTY FROM koszty AS A LEFT OUTER JOIN pojazdy AS B ON B.IDPOJAZD = "
    "A.IDPOJAZD ORDER BY A.DATA, A.IDKOSZT");

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    if (!report::loadReportFonts()) {
        std::fprintf(stderr, "no report font\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString company = dir.filePath(QStringLiteral("firma"));
    QDir().mkpath(company);
    createCompanyTables(company, kPassword);
    engine::EngineSession session;
    session.addPassword(kPassword);
    engine::Connection c(&session);
    c.open(company, false);
    fill(c);

    report::TemplateError error;
    const auto tpl =
        report::loadTemplate(QStringLiteral(KV_SOURCE_DIR "/data/raporty/koszty_p.frf"), &error);
    if (!tpl) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    const ReportDefinition& def = *reportByBaseName(QStringLiteral("koszty_p"));
    CommonValues common;
    common.vehicle = QStringLiteral("WE 00001, Skoda Octavia");
    std::vector<double> bare, layoutOnly, layoutPdf, firstPage;
    int pages = 0;
    qint64 pdfBytes = 0;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer t;
        t.start();
        auto rows = std::make_shared<const ResultSet>(c.query(kStatement));
        bare.push_back(t.nsecsElapsed() / 1e6);

        t.restart();
        ReportRow row(rows, &registerDescriptor(RegisterId::Costs), nullptr);
        const report::ReportDocument doc = layoutReportRows(*tpl, def, row, {}, common);
        layoutOnly.push_back(t.nsecsElapsed() / 1e6);
        const QString pdf = dir.filePath(QStringLiteral("koszty.pdf"));
        if (!report::writePdf(doc, pdf)) {
            std::fprintf(stderr, "PDF not written\n");
            return 1;
        }
        layoutPdf.push_back(t.nsecsElapsed() / 1e6);
        pages = static_cast<int>(doc.pages.size());
        pdfBytes = QFileInfo(pdf).size();

        t.restart();
        const double scale = 96.0 / 25.4;
        QImage image(qRound(doc.pageWidth * scale), qRound(doc.pageHeight * scale),
                     QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        report::paintPage(painter, doc, 0, scale);
        painter.end();
        firstPage.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("costs report, %d rows, %d pages, PDF %lld bytes (median of %d)\n", kRows, pages,
                static_cast<long long>(pdfBytes), repetitions);
    std::printf("  bare statement            %8.1f ms\n", median(bare));
    std::printf("  layout alone              %8.1f ms\n", median(layoutOnly));
    std::printf("  layout and PDF            %8.1f ms  (%.1fx the statement)\n", median(layoutPdf),
                median(layoutPdf) / median(bare));
    std::printf("  preview, first page       %8.1f ms  (%.2fx the statement)\n", median(firstPage),
                median(firstPage) / median(bare));
    return 0;
}
