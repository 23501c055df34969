#pragma once

#include "framework/gui/ProgramModule.h"
#include "import/ImportLayout.h"

#include <map>
#include <memory>

class QWidget;

namespace kv {

class DataModule;
class ImportSession;
class ImportWindow;
class MainWindowServices;

// The six items of the "Import" menu (enabled by the permission to import
// data). Each import keeps its session and window for the whole run; after
// its window closes the main window shows the register that got the rows,
// the fuel registers on their liquid-fuel tables.
class ImportModule : public ProgramModule {
public:
    ImportModule(DataModule& db, MainWindowServices& services, QWidget* windowParent);
    ~ImportModule() override;

    void open(ImportKind kind);
    ImportWindow& window(ImportKind kind);

private:
    DataModule& m_db;
    MainWindowServices& m_services;
    QWidget* m_parent;
    std::map<ImportKind, std::unique_ptr<ImportSession>> m_sessions;
    std::map<ImportKind, std::unique_ptr<ImportWindow>> m_windows;
};

} // namespace kv
