#include "app/FilterRow.h"

#include "framework/RegisterFilters.h"
#include "storage/ProgramOptions.h"
#include "support/gui/ConfirmedChoice.h"
#include "support/gui/DateField.h"
#include "support/gui/WidgetFilters.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kv {

namespace {

// The period filter in force is white, the other one grey, with black text on
// a dark desktop too. A list's open list keeps the usual look, so the entry
// under the mouse stays readable.
const QString kOpenList =
    QStringLiteral(" QComboBox QAbstractItemView { background: white; color: black;"
                   " selection-background-color: #308cc6; selection-color: white; }"
                   " QComboBox::item:selected { background: #308cc6; color: white; }");
const QString kActiveList =
    QStringLiteral("QComboBox { background: white; color: black; }") + kOpenList;
const QString kInactiveList =
    QStringLiteral("QComboBox { background: #999999; color: black; }") + kOpenList;
const QString kActiveField = QStringLiteral("background: white; color: black;");
const QString kInactive = QStringLiteral("background: #999999; color: black;");
const QString kAll = QStringLiteral("(Wszystkie)");

// A list wide enough for its longest entry, "(Wszystkie)" included.
void fitToEntries(QComboBox* box) {
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

} // namespace

FilterRow::FilterRow(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("filterRow"));
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(8, 4, 8, 4);
    rows->setSpacing(2);
    auto* layout = new QHBoxLayout;
    const QString enterHint = QStringLiteral("Wybór zatwierdź klawiszem ENTER");

    layout->addWidget(new QLabel(QStringLiteral("Dane dla pojazdu:")));
    m_vehicle = new QComboBox;
    m_vehicle->setObjectName(QStringLiteral("CBPojazd"));
    m_vehicle->setMinimumWidth(130);
    fitToEntries(m_vehicle);
    layout->addWidget(m_vehicle);
    layout->addSpacing(10);

    layout->addWidget(new QLabel(QStringLiteral("Miesiąc / Rok:")));
    m_month = new QComboBox;
    m_month->setObjectName(QStringLiteral("CBCurrentMonth"));
    m_month->setToolTip(enterHint);
    m_month->addItem(kAll);
    for (const char* m : {"Styczeń", "Luty", "Marzec", "Kwiecień", "Maj", "Czerwiec", "Lipiec",
                          "Sierpień", "Wrzesień", "Październik", "Listopad", "Grudzień"})
        m_month->addItem(QString::fromUtf8(m));
    fitToEntries(m_month);
    layout->addWidget(m_month);
    m_year = new QComboBox;
    m_year->setObjectName(QStringLiteral("CBcurrentYear"));
    m_year->setToolTip(enterHint);
    m_year->addItem(kAll);
    fitToEntries(m_year);
    layout->addWidget(m_year);
    layout->addSpacing(10);

    layout->addWidget(new QLabel(QStringLiteral("Data od-do:")));
    m_from = new DateField;
    m_from->setObjectName(QStringLiteral("filtrOd"));
    m_to = new DateField;
    m_to->setObjectName(QStringLiteral("filtrDo"));
    for (DateField* e : {m_from, m_to}) {
        e->setMaximumWidth(130);
        layout->addWidget(e);
    }
    layout->addStretch(1);
    rows->addLayout(layout);

    // The company, the chosen vehicle and the user.
    auto* labels = new QHBoxLayout;
    m_company = new QLabel;
    m_company->setObjectName(QStringLiteral("lFirma"));
    m_company->setStyleSheet(QStringLiteral("font-weight: bold; color: palette(highlight);"));
    m_company->setMaximumWidth(420);
    m_vehicleLabel = new QLabel(QStringLiteral("-"));
    m_vehicleLabel->setObjectName(QStringLiteral("lPojazd"));
    m_user = new QLabel;
    m_user->setObjectName(QStringLiteral("lUzytkownik"));
    m_user->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    labels->addWidget(m_company);
    labels->addSpacing(20);
    labels->addWidget(m_vehicleLabel, 1);
    labels->addWidget(m_user);
    rows->addLayout(labels);
    wire();
}

QList<QComboBox*> FilterRow::lists() const {
    return {m_vehicle, m_month, m_year};
}

void FilterRow::wire() {
    for (QComboBox* list : lists())
        ignoreWheel(list);
    connect(m_vehicle, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_applying)
            vehicleSelectorChanged();
    });
    // Arrow keys on the closed list and Enter apply a choice; a click in the
    // open list waits for Enter, as the lists' hint says.
    for (QComboBox* box : {m_month, m_year})
        onConfirmedChoice(box, [this] { monthYearChanged(); });
    for (DateField* field : {m_from, m_to}) {
        onEnter(field->lineEdit(), [this] { dateRangeChanged(); });
        connect(field, &DateField::datePicked, this, [this] { dateRangeChanged(); });
    }
}

void FilterRow::clearForLogin() {
    // Filters start from the year and month lists; the date range is greyed.
    markPeriodFilter(true);
    m_from->setText(QString());
    m_to->setText(QString());
    // The remembered vehicle is chosen again later; clearing the list's
    // choice here must not overwrite it.
    const QSignalBlocker quiet(m_vehicle);
    m_vehicle->setCurrentIndex(-1);
}

void FilterRow::prepare() {
    const ProgramOptions& o = programOptions();
    m_year->clear();
    m_year->addItem(kAll);
    for (int y = o.filtrRokOd; y <= o.filtrRokDo; ++y)
        m_year->addItem(QString::number(y));
    const bool stored = o.CBCurrentYear >= 0 && o.CBCurrentMonth >= 0;
    m_month->setCurrentIndex(stored && o.CBCurrentMonth < m_month->count() ? o.CBCurrentMonth : 0);
    // Every start shows all years, whatever was chosen the last time.
    m_year->setCurrentIndex(0);
    monthYearChanged();

    const QString rememberedVehicle = o.CBPojazd;
    fillVehicleSelector(true);
    const int index = m_vehicle->findText(rememberedVehicle, Qt::MatchExactly);
    if (!rememberedVehicle.isEmpty() && index > 0)
        m_vehicle->setCurrentIndex(index); // runs the selector's change
}

void FilterRow::fillVehicleSelector(bool toAll) {
    if (!m_filters)
        return;
    const QString remembered = toAll ? QString() : m_vehicle->currentText();
    m_applying = true;
    m_vehicle->clear();
    m_vehicle->addItem(kAll);
    m_vehicle->addItems(m_filters->vehicleNumbers());
    const int index = m_vehicle->findText(remembered, Qt::MatchExactly);
    m_vehicle->setCurrentIndex(index >= 0 ? index : 0);
    m_applying = false;
    vehicleSelectorChanged();
}

void FilterRow::showVehicle(const QString& registrationNumber) {
    const int index = m_vehicle->findText(registrationNumber, Qt::MatchExactly);
    m_vehicle->setCurrentIndex(registrationNumber.isEmpty() || index < 0 ? 0 : index);
}

void FilterRow::vehicleSelectorChanged() {
    if (!m_filters)
        return;
    const QString chosen = m_vehicle->currentIndex() > 0 ? m_vehicle->currentText() : QString();
    m_filters->selectVehicle(chosen);
    programOptions().CBPojazd = chosen;
    m_vehicleLabel->setText(m_filters->vehicleLabel());
    emit filtersChanged();
}

void FilterRow::monthYearChanged() {
    if (!m_filters)
        return;
    markPeriodFilter(true);
    if (m_year->currentIndex() <= 0)
        m_month->setCurrentIndex(0);
    programOptions().CBCurrentYear = m_year->currentIndex();
    programOptions().CBCurrentMonth = m_month->currentIndex();
    const int year = m_year->currentIndex() > 0 ? m_year->currentText().toInt() : 0;
    m_filters->selectMonthYear(std::max(0, m_month->currentIndex()), year);
    emit filtersChanged();
}

void FilterRow::monthYear(bool& active, int& year, int& month) const {
    active = m_monthYearActive;
    year = m_year->currentIndex() > 0 ? m_year->currentText().toInt() : 0;
    month = std::max(0, m_month->currentIndex());
}

void FilterRow::markPeriodFilter(bool monthAndYear) {
    m_monthYearActive = monthAndYear;
    m_year->setStyleSheet(monthAndYear ? kActiveList : kInactiveList);
    m_month->setStyleSheet(monthAndYear ? kActiveList : kInactiveList);
    m_from->lineEdit()->setStyleSheet(monthAndYear ? kInactive : kActiveField);
    m_to->lineEdit()->setStyleSheet(monthAndYear ? kInactive : kActiveField);
}

void FilterRow::dateRangeChanged() {
    if (!m_filters)
        return;
    markPeriodFilter(false);
    m_filters->selectDateRange(m_from->text(), m_to->text());
    emit filtersChanged();
}

void FilterRow::setCompany(const QString& name) {
    m_company->setToolTip(name);
    m_company->setText(
        m_company->fontMetrics().elidedText(name, Qt::ElideRight, m_company->maximumWidth()));
}

QString FilterRow::companyName() const {
    return m_company->toolTip();
}

void FilterRow::setUser(const QString& text) {
    m_user->setText(text);
}

} // namespace kv
