#pragma once

#include "framework/gui/ProgramModule.h"

namespace kv {

class StartPagePanel;

// The start page's deadlines and fleet chart: built once the window is up
// after a login (so into the company just chosen), emptied at log-out.
class StartPageModule : public ProgramModule {
public:
    explicit StartPageModule(ProgramContext& context);

    void welcome() override;
    void beforeLogout() override;

    StartPagePanel* panel() const { return m_panel; }

private:
    StartPagePanel* m_panel;
};

} // namespace kv
