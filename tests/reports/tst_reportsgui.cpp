// The report windows: the preview pages through the laid-out document
// (zoom, find, PDF) and the reports page runs the core's checks; the card
// prints what the edit window shows.
#include "../trips/TripsFixture.h"

#include "fleet/VehicleRegister.h"
#include "fleet/gui/VehicleDialog.h"
#include "framework/CurrentRecord.h"
#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "reportengine/ReportFonts.h"
#include "reportengine/ReportLayout.h"
#include "reports/gui/ReportPreviewDialog.h"
#include "reports/gui/ReportsPage.h"
#include "storage/ProgramOptions.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace kv;

namespace {

class Numbers : public report::RowSource, public report::VariableSource {
public:
    explicit Numbers(int n) : m_n(n) {}
    void first() override { m_i = 0; }
    void next() override { ++m_i; }
    bool atEnd() const override { return m_i >= m_n; }
    QString value(const QString&) override { return QStringLiteral("Wiersz %1").arg(m_i + 1); }

private:
    int m_n;
    int m_i = 0;
};

report::ReportDocument document(int rows) {
    report::TemplateError error;
    const auto tpl = report::parseTemplate(
        QStringLiteral("[row]\ntext 0 0 100 5: [X]\nheight = 20\n"), QStringLiteral("t"), &error);
    Numbers n(rows);
    return report::layoutReport(*tpl, n, n, QStringLiteral("Wydruk z programu Karvento"));
}

} // namespace

class TstReportsGui : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QVERIFY(report::loadReportFonts());
    }
    void init() { env.ui().clear(); }

    void previewPagesZoomsAndFinds() {
        ReportPreviewDialog preview(document(30)); // 13 rows a page: 3 pages
        QCOMPARE(preview.windowTitle(), QStringLiteral("Wydruk z programu Karvento"));
        QCOMPARE(preview.document().pages.size(), 3);
        auto* view = preview.findChild<QLabel*>(QStringLiteral("PodgladStrony"));
        const int width = view->pixmap().width();
        preview.setZoom(2.0);
        QVERIFY(view->pixmap().width() > 1.9 * width);
        QVERIFY(preview.findNext(QStringLiteral("wiersz 29")));
        QCOMPARE(preview.currentPage(), 2);
        QVERIFY(preview.highlightedText() >= 0);
        QVERIFY(!preview.findNext(QStringLiteral("nie ma")));
        QVERIFY(env.ui().last().text.contains(QStringLiteral("Nie znaleziono")));
        preview.showPage(99);
        QCOMPARE(preview.currentPage(), 2);
        auto* label = preview.findChild<QLabel*>(QStringLiteral("lStrona"));
        QCOMPARE(label->text(), QStringLiteral("Strona 3 z 3"));
    }

    void previewSavesPdf() {
        ReportPreviewDialog preview(document(3));
        QTemporaryDir dir;
        QVERIFY(preview.savePdf(dir.filePath(QStringLiteral("a.pdf"))));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("a.pdf"))).size() > 0);
        QVERIFY(!preview.savePdf(dir.filePath(QStringLiteral("brak/a.pdf"))));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd"));
    }

    // Every report has its button on its tab; a vehicle report without a
    // vehicle says so and opens no preview.
    void reportsPage() {
        auto db = test::openTemplateCompany(env, QStringLiteral("strona"));
        QVERIFY(db);
        ReportsPage page(*db);
        QCOMPARE(page.tabs()->count(), 7);
        for (const ReportDefinition& d : reportDefinitions())
            QVERIFY2(page.reportButton(d.caption), qPrintable(d.caption));
        page.prepareAfterLogin();
        page.reloadLists();
        QCOMPARE(page.choices().issueDateTicked, programOptions().cbRapData);
        page.reportButton(QStringLiteral("Przejazdy wskazanego pojazdu"))->click();
        QVERIFY(env.ui().last().text.startsWith(QStringLiteral("Nie wskazano pojazdu")));
        QVERIFY(!QApplication::activeModalWidget());
        page.runReport(QStringLiteral("Zestawienie roczne"));
        QVERIFY(env.ui().last().text.startsWith(QStringLiteral("Nie wskazano pojazdu")));
        QVERIFY(!QApplication::activeModalWidget());
    }

    // The vehicle card's list lines read what the vehicle window shows.
    void cardShowsWhatTheWindowShows() {
        auto db = test::openTemplateCompany(env, QStringLiteral("karta"));
        QVERIFY(db);
        test::TripsData data(*db);
        data.addVehicleKinds();
        data.addPerson(QStringLiteral("K1"), QStringLiteral("Kowalska"), QStringLiteral("Anna"));
        data.addVehicle(QStringLiteral("WE 7"), 2, 2400, QStringLiteral("K1"));
        RegisterController reg(*db, RegisterId::Vehicles);
        QVERIFY(reg.refresh());
        reg.setCurrentRow(0);
        const auto editing = vehicleEditing([&] { return loadVehicleLists(*db, QString()); }, {});
        const auto form = currentRecordForm(reg, editing);
        QVERIFY(form);
        VehicleDialog window;
        window.load(form->values, form->setup);
        const QStringList lines = currentRecordCard(reg, editing)->body.split(QChar(13));
        auto shown = [&](const char* name) {
            return window.findChild<QComboBox*>(QLatin1String(name))->currentText();
        };
        QCOMPARE(lines.at(6), QStringLiteral("Rodzaj pojazdu: ") + shown("fRODZAJ"));
        QCOMPARE(lines.at(9), QStringLiteral("Status pojazdu: ") + shown("fSTATUS"));
        QCOMPARE(lines.at(25), QStringLiteral("Kierowca: ") + shown("fIDKIEROWCY"));
        QCOMPARE(lines.at(6), QStringLiteral("Rodzaj pojazdu: Samochód ciężarowy"));
        QCOMPARE(lines.at(0), QStringLiteral("Numer rejestracyjny: ") +
                                  window.findChild<QLineEdit*>(QStringLiteral("fNRREJ"))->text());
    }
};

QTEST_MAIN(TstReportsGui)
#include "tst_reportsgui.moc"
