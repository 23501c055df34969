#include "reports/gui/ReportsPage.h"

#include "costs/AnnualSummary.h"
#include "framework/RegisterStates.h"
#include "reports/ReportRunner.h"
#include "reports/gui/AnnualSummaryWindow.h"
#include "reports/gui/ReportPreviewDialog.h"
#include "storage/ProgramOptions.h"
#include "storage/SettingsPaths.h"
#include "support/Clock.h"
#include "support/DateNumbers.h"
#include "support/UserInterface.h"
#include "support/gui/DateField.h"
#include "support/gui/OpenExternally.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kv {

namespace {

QComboBox* combo(const char* name, const QString& hint) {
    auto* c = new QComboBox;
    c->setObjectName(QLatin1String(name));
    c->setToolTip(hint);
    c->setMinimumWidth(200);
    return c;
}

void fill(QComboBox* box, const QList<KeyedItem>& items) {
    const QString current = box->currentData().toString();
    box->clear();
    box->addItem(QString(), QString());
    for (const KeyedItem& i : items)
        box->addItem(i.text, i.key);
    const int index = box->findData(current);
    box->setCurrentIndex(index < 0 ? 0 : index);
}

// The buttons of the tabs besides the report table's.
QStringList otherCommands(const QString& tab) {
    if (tab == u"Raporty wg pojazdów")
        return {QStringLiteral("Zestawienie roczne")};
    if (tab == u"Kilometrówka VAT")
        return {QStringLiteral("Formularz VAT 26")};
    return {};
}

} // namespace

ReportsPage::ReportsPage(DataModule& db, QWidget* parent) : QWidget(parent), m_db(db) {
    setObjectName(QStringLiteral("RaportyStrona"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("RaportyTab"));
    for (const QString& tab : reportTabs())
        m_tabs->addTab(buildTab(tab), tab);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buildOptions());
}

QWidget* ReportsPage::buildTab(const QString& tab) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    int n = 0;
    auto place = [&](QWidget* w) {
        grid->addWidget(w, n % 8, n / 8);
        ++n;
    };
    if (tab == u"Raporty dodatkowe") {
        m_additional = new QComboBox;
        m_additional->setObjectName(QStringLiteral("CBraportyPrywatne"));
        m_additional->setMinimumWidth(300);
        auto* open = new QPushButton(QStringLiteral("Otwórz wskazany raport"));
        open->setObjectName(QStringLiteral("SBOtworzRaport"));
        connect(open, &QPushButton::clicked, this, [this] {
            openAdditionalReport(m_additionalReports, m_additional->currentIndex());
        });
        place(m_additional);
        place(open);
    }
    for (const ReportDefinition& d : reportDefinitions()) {
        if (d.tab != tab)
            continue;
        auto* b = new QPushButton(d.caption);
        b->setObjectName(QStringLiteral("SB") + d.baseName());
        b->setMinimumWidth(330);
        b->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 8px;"));
        const QString caption = d.caption;
        connect(b, &QPushButton::clicked, this, [this, caption] { runReport(caption); });
        place(b);
    }
    for (const QString& other : otherCommands(tab)) {
        auto* b = new QPushButton(other);
        b->setObjectName(other == u"Zestawienie roczne" ? QStringLiteral("SBZestawienieRoczne")
                                                        : QStringLiteral("SBFormularzVat26"));
        b->setMinimumWidth(330);
        b->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 8px;"));
        connect(b, &QPushButton::clicked, this, [this, other] { runReport(other); });
        place(b);
    }
    grid->setRowStretch(8, 1);
    grid->setColumnStretch(3, 1);
    return page;
}

QWidget* ReportsPage::buildOptions() {
    auto* box = new QGroupBox(QStringLiteral("Opcje raportów"));
    auto* grid = new QGridLayout(box);
    m_driver = combo("fIDKIEROWCY", QStringLiteral("Wybierz z listy kierowcę dla którego "
                                                   "zostanie wygenerowane zestawienie"));
    m_fuelCard = combo("fIDKARTY", QStringLiteral("Wskaż kartę paliwową dla której "
                                                  "wygenerowane zostanie zestawienie"));
    m_roadCard = combo("filtrRaportDrogowa", QStringLiteral("Karty drogowe"));
    m_costCentreTicked = new QCheckBox(QStringLiteral("Dla CK:"));
    m_costCentreTicked->setObjectName(QStringLiteral("filtrRaportIsCk"));
    m_costCentre = combo("filtrRaportCk", QStringLiteral("Centra kosztów"));
    m_fuelKindTicked = new QCheckBox(QStringLiteral("Wskazane paliwo"));
    m_fuelKindTicked->setObjectName(QStringLiteral("filtrRaportPaliwo"));
    m_fuelKind = combo("filtrPaliwoTyp", QStringLiteral("Rodzaj paliwa"));
    m_orderNumber = combo("RapNrZlecenia", QStringLiteral("Numer zlecenia do wydruku"));
    m_orderNumber->setEditable(true);
    m_fuelType = combo("rodzajPaliwaRaport", QStringLiteral("Paliwo raportów zużycia"));
    m_fuelType->addItems({QStringLiteral("Paliwo płynne"), QStringLiteral("Gaz LPG")});
    m_issueDateTicked = new QCheckBox(QStringLiteral("Data wystawienia:"));
    m_issueDateTicked->setObjectName(QStringLiteral("dataNaRaporcie"));
    m_issueDate = new DateField;
    m_issueDate->setObjectName(QStringLiteral("dataRap"));
    connect(m_issueDateTicked, &QCheckBox::toggled, m_issueDate, &QWidget::setEnabled);
    connect(m_costCentre, &QComboBox::activated, this,
            [this](int index) { m_costCentreTicked->setChecked(index > 0); });
    connect(m_fuelKind, &QComboBox::activated, this,
            [this](int index) { m_fuelKindTicked->setChecked(index > 0); });

    grid->addWidget(new QLabel(QStringLiteral("Kierowca:")), 0, 0);
    grid->addWidget(m_driver, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Karta paliwowa:")), 1, 0);
    grid->addWidget(m_fuelCard, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Karta drogowa:")), 2, 0);
    grid->addWidget(m_roadCard, 2, 1);
    grid->addWidget(m_costCentreTicked, 0, 2);
    grid->addWidget(m_costCentre, 0, 3);
    grid->addWidget(m_fuelKindTicked, 1, 2);
    grid->addWidget(m_fuelKind, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Paliwo:")), 2, 2);
    grid->addWidget(m_fuelType, 2, 3);
    grid->addWidget(m_issueDateTicked, 3, 0);
    grid->addWidget(m_issueDate, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Nr zlecenia:")), 3, 2);
    grid->addWidget(m_orderNumber, 3, 3);
    grid->addWidget(new QLabel(QStringLiteral("Treść zlecenia:")), 0, 4);
    m_orderTextSlot = new QWidget;
    auto* slot = new QVBoxLayout(m_orderTextSlot);
    slot->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_orderTextSlot, 1, 4, 3, 1);
    grid->setColumnStretch(4, 1);
    return box;
}

void ReportsPage::adoptOrderText(QPlainTextEdit* text) {
    if (!text)
        return;
    m_orderText = text;
    m_orderTextSlot->layout()->addWidget(text);
    text->setMaximumHeight(80);
    text->show();
}

ReportChoices ReportsPage::choices() const {
    ReportChoices c;
    c.driverKey = m_driver->currentData().toString();
    c.driverText = m_driver->currentText();
    c.fuelCardKey = m_fuelCard->currentData().toString();
    c.roadCardId = m_roadCard->currentData().toInt();
    c.roadCardText = m_roadCard->currentText();
    c.costCentreTicked = m_costCentreTicked->isChecked();
    c.costCentreCode = m_costCentre->currentIndex() > 0 ? m_costCentre->currentData().toInt() : -1;
    c.costCentreText = m_costCentre->currentText();
    c.fuelKindTicked = m_fuelKindTicked->isChecked();
    c.fuelKindCode = m_fuelKind->currentIndex() > 0 ? m_fuelKind->currentData().toInt() : -1;
    c.orderNumber = m_orderNumber->currentText();
    c.orderText = m_orderText ? m_orderText->toPlainText() : QString();
    c.lpg = m_fuelType->currentIndex() == 1;
    c.issueDateTicked = m_issueDateTicked->isChecked();
    c.issueDateText = m_issueDate->text();
    return c;
}

void ReportsPage::prepareAfterLogin() {
    m_orderNumber->setEditText(QString());
    m_additionalReports = loadAdditionalReports();
    m_additional->clear();
    for (const AdditionalReport& r : m_additionalReports)
        m_additional->addItem(r.name);
    const bool dated = programOptions().cbRapData;
    m_issueDateTicked->setChecked(dated);
    m_issueDate->setEnabled(dated);
    m_issueDate->setDateNumber(dateToDateNumber(Clock::today()));
    m_fuelType->setCurrentIndex(0); // liquid fuel, as the consumption registers start
    m_tabs->setCurrentIndex(0);
}

void ReportsPage::reloadLists() {
    const ReportLists lists = loadReportLists(m_db);
    fill(m_driver, lists.drivers);
    fill(m_fuelCard, lists.fuelCards);
    fill(m_roadCard, lists.roadCards);
    fill(m_costCentre, lists.costCentres);
    fill(m_fuelKind, lists.fuelKinds);
    reloadOrderNumbers();
}

void ReportsPage::reloadOrderNumbers() {
    const QString typed = m_orderNumber->currentText();
    m_orderNumber->clear();
    m_orderNumber->addItems(loadOrderNumbers(m_db));
    m_orderNumber->setEditText(typed);
}

QPushButton* ReportsPage::reportButton(const QString& caption) const {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

void ReportsPage::runReport(const QString& caption) {
    if (const ReportDefinition* d = reportByCaption(caption))
        runDefinition(*d);
    else if (caption == u"Zestawienie roczne")
        openAnnualSummary();
    else if (caption == u"Formularz VAT 26")
        openFileExternally(
            QDir(installDirectory()).filePath(QStringLiteral("dokumentacja/vat26.pdf")));
    else
        comingLater(caption);
}

void ReportsPage::openAnnualSummary() {
    PeriodChoice period;
    if (monthYearFilter)
        monthYearFilter(period.monthYearActive, period.year, period.month);
    const SharedFilters& filters = sharedFilters(m_db);
    const ReportChoices chosen = choices();
    if (!checkReportSelection(SelectionKind::VehicleYear, filters, chosen, period))
        return;
    std::optional<AnnualSummary> summary;
    {
        // The main window takes no input while the year is read.
        QWidget* top = window();
        top->setEnabled(false);
        summary = computeAnnualSummary(m_db, filters.selectedVehicleId, period.year);
        top->setEnabled(true);
    }
    if (!summary)
        return; // reported
    AnnualSummaryWindow w(m_db, std::move(*summary),
                          readAnnualSummaryHeader(m_db, filters.selectedVehicleId, period.year),
                          chosen, window());
    w.exec();
    // The registers show their usual rows again.
    if (refreshRegisterOnScreen)
        refreshRegisterOnScreen();
}

void ReportsPage::runDefinition(const ReportDefinition& def) {
    PeriodChoice period;
    if (monthYearFilter)
        monthYearFilter(period.monthYearActive, period.year, period.month);
    auto doc = kv::runReport(m_db, def, choices(), period);
    if (doc)
        showReportPreview(std::move(*doc), window());
}

void ReportsPage::comingLater(const QString& caption) {
    ui().information(QStringLiteral("Informacja"),
                     QStringLiteral("Polecenie \"%1\" zostanie dodane w kolejnej wersji programu.")
                         .arg(caption));
}

} // namespace kv
