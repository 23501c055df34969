#include "fuel/gui/ConsumptionModule.h"

#include "framework/HandOver.h"
#include "framework/RegisterController.h"
#include "framework/RegisterStates.h"
#include "framework/RegisterTableModel.h"
#include "framework/gui/RegisterGrid.h"
#include "fuel/ConsumptionView.h"
#include "fuel/FuelKinds.h"
#include "support/gui/WindowEditable.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace kv {

namespace {

QString selectorName(RegisterId id) {
    switch (id) {
    case RegisterId::ConsumptionKm:
        return QStringLiteral("rodzajPaliwaKm");
    case RegisterId::ConsumptionMth:
        return QStringLiteral("rodzajPaliwaMth");
    default:
        return QStringLiteral("rodzajPaliwa");
    }
}

QLabel* label(const char* name) {
    auto* l = new QLabel;
    l->setObjectName(QLatin1String(name));
    return l;
}

} // namespace

ConsumptionModule::ConsumptionModule(ModuleContext& c)
    : RegisterModule(c.controller, c.grid), m_db(c.db),
      m_window(std::make_unique<RefuellingDialog>(consumptionKind(c.controller.descriptor().id),
                                                  c.windowParent)) {
    const RegisterId id = c.controller.descriptor().id;
    DataModule* db = &m_db;
    m_window->computeDistance = [db, id](const QString& date, const QString& reading) {
        return distanceFromReading(*db, id, sharedFilters(*db).selectedVehicleId, date, reading);
    };
    // Whatever refreshes the grid (filters, commands, the fuel kind), the
    // labels follow its rows.
    QObject::connect(c.grid.model(), &QAbstractItemModel::modelReset, c.grid.view(),
                     [this] { showLabels(); });
    // The window also takes the fuel costs handed over to this register.
    setHandOverWindow<RefuellingFormValues>(id, m_window.get());
}

ConsumptionModule::~ConsumptionModule() {
    setHandOverWindow<RefuellingFormValues>(controller().descriptor().id, nullptr);
}

void ConsumptionModule::add(bool copyMode) {
    addRefuelling(controller(), *m_window, copyMode);
    grid().showRows();
}

void ConsumptionModule::edit() {
    editRefuelling(controller(), *m_window);
    grid().showRows();
}

void ConsumptionModule::preview() {
    RegisterController& reg = controller();
    if (reg.isEmpty() || reg.currentRow() < 0)
        return;
    const ConsumptionKind kind = consumptionKind(reg.descriptor().id);
    m_window->load(
        refuellingFields(kind).fromRecord(*reg.rows(), reg.currentRow(), newRefuellingDefaults()),
        FormSetup{});
    setWindowEditable(m_window.get(), false);
    m_window->confirm();
    setWindowEditable(m_window.get(), true);
}

QWidget* ConsumptionModule::createFilterPanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("panelZuzycie"));
    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(4, 2, 4, 2);
    m_fuel = new QComboBox;
    m_fuel->setObjectName(selectorName(controller().descriptor().id));
    m_fuel->addItems(fuelKindTexts());
    m_vehicle = label("lZuzyciePojazd");
    m_norm = label("lZuzycieNorma");
    m_average = label("lZuzycieSrednie");
    m_period = label("lZuzycieOkres");
    QFont bold = m_vehicle->font();
    bold.setBold(true);
    m_vehicle->setFont(bold);
    m_average->setFont(bold);
    layout->addWidget(new QLabel(QStringLiteral("Rodzaj paliwa:")), 0, 0);
    layout->addWidget(m_fuel, 0, 1);
    layout->addWidget(m_vehicle, 0, 2);
    layout->addWidget(m_norm, 0, 3);
    layout->addWidget(m_average, 1, 2);
    layout->addWidget(m_period, 1, 3);
    layout->setColumnStretch(3, 1);
    layout->setHorizontalSpacing(16);
    QObject::connect(m_fuel, &QComboBox::activated, panel, [this](int i) { fuelChosen(i); });
    showLabels();
    return panel;
}

void ConsumptionModule::fuelChosen(int index) {
    setFuelKind(m_db, controller().descriptor().id, index == 1 ? FuelKind::Lpg : FuelKind::Liquid);
    grid().refresh();
}

void ConsumptionModule::showLabels() {
    if (!m_fuel)
        return;
    const RegisterId id = controller().descriptor().id;
    // The kind may have been chosen elsewhere (the reports, a new login).
    m_fuel->setCurrentIndex(static_cast<int>(fuelKind(m_db, id)));
    const ConsumptionLabels l = consumptionLabels(m_db, id);
    m_vehicle->setText(l.vehicle);
    m_norm->setText(l.norm);
    m_average->setText(l.average);
    m_period->setText(l.period);
}

} // namespace kv
