#include "deadlines/gui/DeadlinesModule.h"

#include "deadlines/DayTips.h"
#include "deadlines/ReminderNotes.h"
#include "deadlines/gui/DeadlineWindow.h"
#include "deadlines/gui/NoteWindows.h"
#include "framework/gui/MainWindowServices.h"
#include "storage/ProgramOptions.h"
#include "storage/SettingsPaths.h"
#include "support/Clock.h"
#include "users/Permissions.h"

#include <QDir>

namespace kv {

DeadlinesModule::DeadlinesModule(ProgramContext& context)
    : m_db(context.db), m_services(context.services), m_parent(context.windowParent) {
    // The tips are read once per run, from the settings folder, where the
    // shipped ones are put when there are none.
    installDayTips(QDir(installDirectory()).filePath(QStringLiteral("data/porady.dat")),
                   dayTipsPath());
    if (dayTips().tips().isEmpty())
        dayTips().load(dayTipsPath());
    m_services.addMenuCommand(QStringLiteral("Sprawdź terminy"),
                              [this] { menuCheck(menuDeadlineRequest()); });
    m_services.addMenuCommand(QStringLiteral("Sprawdź stany magazynowe"),
                              [this] { menuCheck(menuWarehouseRequest()); });
    m_services.addMenuCommand(QStringLiteral("Notatnik"), [this] { editNotes(); });
    m_services.addMenuCommand(QStringLiteral("Porada dnia"), [this] { showTip(); });
    m_services.addCommandButton(QStringLiteral("SBFiszka"),
                                QStringLiteral("Fiszka z notatkami tymczasowymi"),
                                [this] { showTemporaryNotes(); });
}

DeadlinesModule::~DeadlinesModule() = default;

DeadlineWindow* DeadlinesModule::window() {
    if (!m_window) {
        m_window = new DeadlineWindow(m_db, m_parent);
        m_window->goTo = [this](const GoToTarget& t) {
            const QVariant key = t.textKey ? QVariant(t.key) : QVariant(t.key.toLongLong());
            m_services.showRegisterRecord(t.reg, {key});
        };
    }
    return m_window;
}

TemporaryNotesWindow* DeadlinesModule::temporaryNotes() {
    if (!m_fiszka)
        m_fiszka = new TemporaryNotesWindow(m_parent);
    return m_fiszka;
}

void DeadlinesModule::afterLogin() {
    // A company whose notes cannot be read gets empty slots, never the slots
    // of the company before.
    reminderNotes().load(m_db);
    temporaryNotes()->reset();
}

void DeadlinesModule::welcome() {
    const ProgramOptions& o = programOptions();
    if (o.pokazujPoradeDnia)
        showTip();
    const PermissionSet& p = currentLogin().permissions;
    if (p.has(permission::DeadlineCheck))
        check(startupDeadlineRequest(programOptions()));
    if (p.has(permission::Notepad) && programOptions().sprawdzajNotatki)
        for (int slot : reminderNotes().dueSlots(Clock::today())) {
            // A note deleted from an earlier window is no longer due.
            if (!isNoteDue(reminderNotes().slot(slot), Clock::today()))
                continue;
            ShowNoteDialog(m_db, reminderNotes(), slot, m_parent).exec();
        }
}

void DeadlinesModule::beforeLogout() {
    if (m_fiszka)
        m_fiszka->hide();
}

bool DeadlinesModule::check(const DeadlineRequest& request) {
    const DeadlineRunResult result = runDeadlineCheck(m_db, request, currentDeadlineContext());
    if (!result.showWindow)
        return false;
    DeadlineWindow* w = window();
    w->setResult(result);
    w->exec();
    return w->navigated();
}

void DeadlinesModule::menuCheck(const DeadlineRequest& request) {
    if (!check(request))
        m_services.showSectionStart(Section::Start);
}

void DeadlinesModule::editNotes() {
    NotesDialog dialog(reminderNotes(), m_parent);
    dialog.exec();
    reminderNotes().save(m_db);
}

void DeadlinesModule::showTip() {
    TipDialog(dayTips(), m_parent).showAndRemember();
}

void DeadlinesModule::showTemporaryNotes() {
    TemporaryNotesWindow* w = temporaryNotes();
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace kv
