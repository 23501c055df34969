#include "trips/gui/TripModule.h"

#include "framework/gui/MainWindowServices.h"
#include "support/UserInterface.h"
#include "trips/gui/DistanceDialog.h"
#include "trips/gui/MonthCopyDialog.h"
#include "users/Permissions.h"

namespace kv {

TripModule::TripModule(ModuleContext& c)
    : FormRegisterModule(
          c.controller, c.grid, [this] { return tripEditing(m_db); }, c.windowParent),
      m_db(c.db), m_services(c.services) {
    // The dictionary window comes with its own module, which may be made later.
    window().editDictionary = [this](const QString& code) {
        if (m_services.openDictionary)
            m_services.openDictionary(code);
        return loadTripDictionaryLists(m_db);
    };
    window().canEditDictionary = [this] {
        return static_cast<bool>(m_services.openDictionary) &&
               currentLogin().permissions.has(permission::DictionaryRead);
    };
    window().pickDistance = [this, parent = c.windowParent] {
        if (!m_distances)
            m_distances = std::make_unique<DistanceDialog>(m_db, parent);
        return m_distances->pick();
    };
    m_services.addMenuCommand(
        QStringLiteral("Utwórz kopię przejazdów na podstawie wskazanego miesiąca"),
        [this, parent = c.windowParent] { copyMonth(parent); });
}

TripModule::~TripModule() = default;

void TripModule::copyMonth(QWidget* parent) {
    // The menu item is there only with the trips' write permission; a
    // change of user since is refused here.
    if (!currentLogin().permissions.has(controller().descriptor().writePermission)) {
        ui().information(QStringLiteral("Informacja"),
                         QStringLiteral("Brak uprawnień do tabeli Przejazdy."));
        return;
    }
    if (!m_monthCopy)
        m_monthCopy = std::make_unique<MonthCopyDialog>(parent);
    m_monthCopy->reset();
    if (m_monthCopy->exec() != QDialog::Accepted)
        return;
    const TripMonthCopyResult r = copyTripMonth(m_db, m_monthCopy->source(), m_monthCopy->target(),
                                                m_monthCopy->rule(), false);
    if (r.ok)
        ui().information(QStringLiteral("Informacja"), tripMonthCopyMessage(r, false));
    controller().refresh();
    grid().showRows();
}

} // namespace kv
