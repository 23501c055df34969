#include "import/gui/ImportModule.h"

#include "framework/HandOver.h"
#include "framework/gui/MainWindowServices.h"
#include "fuel/FuelKinds.h"
#include "import/ImportSession.h"
#include "import/gui/ImportWindow.h"
#include "storage/SettingsPaths.h"

namespace kv {

namespace {

RegisterId registerOf(ImportKind kind) {
    switch (kind) {
    case ImportKind::Costs:
        return RegisterId::Costs;
    case ImportKind::Trips:
        return RegisterId::Trips;
    case ImportKind::Fuel:
        return RegisterId::Consumption;
    case ImportKind::FuelKm:
        return RegisterId::ConsumptionKm;
    case ImportKind::FuelMth:
        return RegisterId::ConsumptionMth;
    case ImportKind::Employees:
        break;
    }
    return RegisterId::Employees;
}

} // namespace

ImportModule::ImportModule(DataModule& db, MainWindowServices& services, QWidget* windowParent)
    : m_db(db), m_services(services), m_parent(windowParent) {
    for (ImportKind kind : importKinds())
        m_services.addMenuCommand(importLayout(kind).menuItem, [this, kind] { open(kind); });
}

ImportModule::~ImportModule() = default;

ImportWindow& ImportModule::window(ImportKind kind) {
    std::unique_ptr<ImportWindow>& w = m_windows[kind];
    if (!w) {
        std::unique_ptr<ImportSession>& s = m_sessions[kind];
        s = std::make_unique<ImportSession>(importLayout(kind));
        w = std::make_unique<ImportWindow>(m_db, *s, settingsFile(QStringLiteral("karvento.ini")),
                                           m_parent);
    }
    return *w;
}

void ImportModule::open(ImportKind kind) {
    window(kind).showModal();
    const RegisterId id = registerOf(kind);
    if (isConsumptionRegister(id))
        setFuelKind(m_db, id, FuelKind::Liquid);
    if (const auto& show = handOverShowRegister())
        show(id);
}

} // namespace kv
