#include "admin/gui/AdminModule.h"

#include "admin/gui/AdministrationWindow.h"
#include "admin/gui/ArchiveWindow.h"
#include "framework/gui/MainWindowServices.h"

namespace kv {

AdminModule::AdminModule(DataModule& db, MainWindowServices& services, QWidget* windowParent)
    : m_db(db), m_services(services), m_parent(windowParent) {
    m_services.addMenuCommand(QStringLiteral("Administracja bazą danych"),
                              [this] { administer(); });
    m_services.addMenuCommand(QStringLiteral("Archiwizacja bazy danych"), [this] { archive(); });
}

AdminModule::~AdminModule() = default;

AdministrationWindow& AdminModule::administrationWindow() {
    if (!m_administration)
        m_administration = std::make_unique<AdministrationWindow>(m_db, m_parent);
    return *m_administration;
}

ArchiveWindow& AdminModule::archiveWindow() {
    if (!m_archive)
        m_archive = std::make_unique<ArchiveWindow>(m_db, m_parent);
    return *m_archive;
}

void AdminModule::administer() {
    m_services.showSectionStart(Section::Start);
    administrationWindow().showModal();
    m_services.rebuildVehicleSelector(false);
}

void AdminModule::archive() {
    archiveWindow().showModal();
    m_services.rebuildVehicleSelector(true);
    m_services.showSectionStart(Section::Start);
}

} // namespace kv
