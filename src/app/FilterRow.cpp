// The main window's filters: the vehicle selector, the month and year lists,
// the date range, and the status and fleet filters of the vehicle register.
// The rules live in RegisterFilters; this file only ties widgets to them.
#include "app/MainWindow.h"

#include "framework/RegisterFilters.h"
#include "options/ProgramOptions.h"
#include "storage/DataModule.h"
#include "support/DateNumbers.h"
#include "support/gui/ConfirmedChoice.h"
#include "support/gui/DateField.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace kv {

namespace {

// The period filter in force is white, the other one grey. A list's open
// list keeps the usual look, so the entry under the mouse stays readable.
const QString kOpenList =
    QStringLiteral(" QComboBox QAbstractItemView { background: white; color: black;"
                   " selection-background-color: #308cc6; selection-color: white; }"
                   " QComboBox::item:selected { background: #308cc6; color: white; }");
const QString kActiveList = QStringLiteral("QComboBox { background: white; }") + kOpenList;
const QString kInactiveList = QStringLiteral("QComboBox { background: #999999; }") + kOpenList;
const QString kActiveField = QStringLiteral("background: white;");
const QString kInactive = QStringLiteral("background: #999999;");

QToolButton* clearButton(const char* name) {
    auto* b = new QToolButton;
    b->setObjectName(QLatin1String(name));
    b->setText(QStringLiteral("×"));
    b->setToolTip(QStringLiteral("Wyczyść filtr"));
    b->setStatusTip(QStringLiteral("Wyczyść filtr"));
    return b;
}

// Runs the action when Enter is pressed in the watched widget.
// A filter list changes only when the user means it: a wheel notch over a
// closed list, on the way to the grid, must not filter the register.
class NoWheelFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::Wheel || QObject::eventFilter(watched, event);
    }
};

class EnterFilter : public QObject {
public:
    EnterFilter(QObject* parent, std::function<void()> onEnter)
        : QObject(parent), m_onEnter(std::move(onEnter)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_onEnter();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onEnter;
};

} // namespace

QWidget* MainWindow::buildVehicleFilterPanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("vehicleFilters"));
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(new QLabel(QStringLiteral("Status pojazdu")));
    m_statusFilter = new QComboBox;
    m_statusFilter->setObjectName(QStringLiteral("filtrSTATUSPOJAZDU"));
    m_statusFilter->setToolTip(QStringLiteral("Filtruj wg statusu pojazdu"));
    m_statusFilter->addItems({QStringLiteral("Aktywny"), QStringLiteral("Nieaktywny"),
                              QStringLiteral("Sprzedany"), QStringLiteral("Zniszczony"),
                              QStringLiteral("Inne"),
                              QStringLiteral("(Wszystkie prócz aktywnych)")});
    m_statusFilter->setCurrentIndex(-1);
    layout->addWidget(m_statusFilter);
    QToolButton* clearStatus = clearButton("SBStatusWyczysc");
    layout->addWidget(clearStatus);
    layout->addSpacing(16);
    layout->addWidget(new QLabel(QStringLiteral("Numer Floty")));
    m_fleetFilter = new QComboBox;
    m_fleetFilter->setObjectName(QStringLiteral("filtrNRFLOTY"));
    m_fleetFilter->setToolTip(QStringLiteral("Filtruj pojazdy wg numer floty"));
    m_fleetFilter->setMinimumContentsLength(14);
    layout->addWidget(m_fleetFilter);
    QToolButton* clearFleet = clearButton("SBFlotaWyczysc");
    layout->addWidget(clearFleet);
    layout->addStretch(1);

    auto refreshVehicles = [this] {
        if (auto it = m_registers.find(static_cast<int>(RegisterId::Vehicles));
            it != m_registers.end() && it->second.grid)
            refreshVisibleRegister();
    };
    connect(m_statusFilter, &QComboBox::activated, this, [this, refreshVehicles](int index) {
        m_filters->setVehicleStatusFilter(index);
        refreshVehicles();
    });
    connect(clearStatus, &QToolButton::clicked, this, [this, refreshVehicles] {
        m_statusFilter->setCurrentIndex(-1);
        m_filters->setVehicleStatusFilter(-1);
        refreshVehicles();
    });
    connect(m_fleetFilter, &QComboBox::activated, this, [this, refreshVehicles](int) {
        const QVariant key = m_fleetFilter->currentData();
        m_filters->setFleetFilter(key.isValid() ? key.toInt() : -1);
        refreshVehicles();
    });
    connect(clearFleet, &QToolButton::clicked, this, [this, refreshVehicles] {
        m_fleetFilter->setCurrentIndex(-1);
        m_filters->setFleetFilter(-1);
        refreshVehicles();
    });
    return panel;
}

void MainWindow::wireFilterRow() {
    for (QComboBox* list :
         {m_cbPojazd, m_cbCurrentMonth, m_cbCurrentYear, m_statusFilter, m_fleetFilter})
        if (list)
            list->installEventFilter(new NoWheelFilter(list));
    connect(m_cbPojazd, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_applyingFilters)
            vehicleSelectorChanged();
    });
    // Arrow keys on the closed list and Enter apply a choice; a click in the
    // open list waits for Enter, as the lists' hint says.
    for (QComboBox* box : {m_cbCurrentMonth, m_cbCurrentYear})
        onConfirmedChoice(box, [this] { monthYearChanged(); });
    for (DateField* field : {m_filtrOd, m_filtrDo}) {
        field->lineEdit()->installEventFilter(
            new EnterFilter(field, [this] { dateRangeChanged(); }));
        connect(field, &DateField::datePicked, this, [this] { dateRangeChanged(); });
    }
}

void MainWindow::fillVehicleSelector(bool toAll) {
    if (!m_filters)
        return;
    const QString remembered = toAll ? QString() : m_cbPojazd->currentText();
    m_applyingFilters = true;
    m_cbPojazd->clear();
    m_cbPojazd->addItem(QStringLiteral("(Wszystkie)"));
    m_cbPojazd->addItems(m_filters->vehicleNumbers());
    const int index = m_cbPojazd->findText(remembered, Qt::MatchExactly);
    m_cbPojazd->setCurrentIndex(index >= 0 ? index : 0);
    m_applyingFilters = false;
    vehicleSelectorChanged();
}

void MainWindow::vehicleSelectorChanged() {
    if (!m_filters)
        return;
    const QString chosen = m_cbPojazd->currentIndex() > 0 ? m_cbPojazd->currentText() : QString();
    m_filters->selectVehicle(chosen);
    programOptions().CBPojazd = chosen;
    m_lPojazd->setText(m_filters->vehicleLabel());
    refreshVisibleRegister();
}

void MainWindow::monthYearChanged() {
    if (!m_filters)
        return;
    markPeriodFilter(true);
    if (m_cbCurrentYear->currentIndex() <= 0)
        m_cbCurrentMonth->setCurrentIndex(0);
    programOptions().CBCurrentYear = m_cbCurrentYear->currentIndex();
    programOptions().CBCurrentMonth = m_cbCurrentMonth->currentIndex();
    const int year =
        m_cbCurrentYear->currentIndex() > 0 ? m_cbCurrentYear->currentText().toInt() : 0;
    m_filters->selectMonthYear(std::max(0, m_cbCurrentMonth->currentIndex()), year);
    refreshVisibleRegister();
}

void MainWindow::markPeriodFilter(bool monthAndYear) {
    m_cbCurrentYear->setStyleSheet(monthAndYear ? kActiveList : kInactiveList);
    m_cbCurrentMonth->setStyleSheet(monthAndYear ? kActiveList : kInactiveList);
    m_filtrOd->lineEdit()->setStyleSheet(monthAndYear ? kInactive : kActiveField);
    m_filtrDo->lineEdit()->setStyleSheet(monthAndYear ? kInactive : kActiveField);
}

void MainWindow::dateRangeChanged() {
    if (!m_filters)
        return;
    markPeriodFilter(false);
    m_filters->selectDateRange(m_filtrOd->text(), m_filtrDo->text());
    refreshVisibleRegister();
}

} // namespace kv
