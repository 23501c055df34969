#pragma once

#include "framework/gui/ProgramModule.h"

#include <memory>

namespace kv {

class DistanceDialog;

// The distance table as a tool: the menu item "Tabela odległości" shows the
// distance window beside the main window.
class DistanceModule : public ProgramModule {
public:
    explicit DistanceModule(ProgramContext& context);
    ~DistanceModule() override;

private:
    DataModule& m_db;
    QWidget* m_parent;
    std::unique_ptr<DistanceDialog> m_window;
};

} // namespace kv
