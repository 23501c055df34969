#pragma once

#include "framework/gui/ProgramModule.h"

namespace kv {

class ChartsPage;

// The charts in the main window: the "Wykresy" page in its section, its
// lists read again whenever the section opens, and the "Widok" chart items,
// each opening the page at its tab. Charts need no permission of their own.
class ChartsModule : public ProgramModule {
public:
    explicit ChartsModule(ProgramContext& context);

    void afterLogin() override;
    void sectionOpened(Section section) override;

    ChartsPage* page() const { return m_page; }

private:
    ProgramContext m_context;
    ChartsPage* m_page;
};

} // namespace kv
