#pragma once

#include "framework/gui/ProgramModule.h"

namespace kv {

class ReportsPage;

// The reports in the main window: the page "Raporty" with its tabs and
// options, the six report submenus of "Widok" (each opens the page at its
// tab; its items run the buttons), and the record card behind "Drukuj".
class ReportsModule : public ProgramModule {
public:
    explicit ReportsModule(ProgramContext& context);

    void afterLogin() override;
    void sectionOpened(Section section) override;
    void filtersChanged() override;

    ReportsPage* page() const { return m_page; }

private:
    void buildMenus();

    ProgramContext m_context;
    ReportsPage* m_page;
};

} // namespace kv
