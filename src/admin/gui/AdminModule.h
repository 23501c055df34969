#pragma once

#include "framework/gui/ProgramModule.h"

#include <memory>

class QWidget;

namespace kv {

class AdministrationWindow;
class ArchiveWindow;
class DataModule;
class MainWindowServices;

// The items "Administracja bazą danych" and "Archiwizacja bazy danych" of the
// administrator's menu. The start page stands behind either window; after it
// closes the vehicle selector is rebuilt (vehicles may be gone or restored).
class AdminModule : public ProgramModule {
public:
    AdminModule(DataModule& db, MainWindowServices& services, QWidget* windowParent);
    ~AdminModule() override;

    void administer();
    void archive();

    AdministrationWindow& administrationWindow();
    ArchiveWindow& archiveWindow();

private:
    DataModule& m_db;
    MainWindowServices& m_services;
    QWidget* m_parent;
    std::unique_ptr<AdministrationWindow> m_administration;
    std::unique_ptr<ArchiveWindow> m_archive;
};

} // namespace kv
