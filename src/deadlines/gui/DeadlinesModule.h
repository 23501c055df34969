#pragma once

#include "deadlines/DeadlineCheck.h"
#include "framework/gui/ProgramModule.h"

#include <QPointer>
#include <memory>

namespace kv {

class DeadlineWindow;
class TemporaryNotesWindow;
class TipDialog;

// The deadline checker, the reminder notes, the temporary notes and the tip
// of the day in the main window: their menu items, the "Fiszka" button and
// their steps after each login.
class DeadlinesModule : public ProgramModule {
public:
    explicit DeadlinesModule(ProgramContext& context);
    ~DeadlinesModule() override;

    void afterLogin() override;
    void welcome() override;
    void beforeLogout() override;

    // Runs a check and shows the window when the run has something to show;
    // true when the window was left through "Idź do".
    bool check(const DeadlineRequest& request);
    void editNotes();
    void showTip();
    void showTemporaryNotes();
    DeadlineWindow* window();
    TemporaryNotesWindow* temporaryNotes();

private:
    void menuCheck(const DeadlineRequest& request);

    DataModule& m_db;
    MainWindowServices& m_services;
    QWidget* m_parent;
    QPointer<DeadlineWindow> m_window;
    QPointer<TemporaryNotesWindow> m_fiszka;
};

} // namespace kv
