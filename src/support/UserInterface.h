#pragma once

#include <QString>
#include <optional>

namespace kv {

// What the core asks of the person at the program. The core never opens a
// window itself: the GUI answers with the common dialogs, the command-line tool
// on the terminal, tests with a scripted answerer.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // The information window: a caption and a message, one button.
    virtual void information(const QString& caption, const QString& text) = 0;
    // The question window: true only for "Tak".
    virtual bool question(const QString& caption, const QString& text) = 0;
    // The prompt window; nothing when cancelled. With password set the entry
    // is masked (for this prompt only).
    virtual std::optional<QString> prompt(const QString& caption, const QString& message,
                                          const QString& initial, bool password) = 0;
    // A plain system message box (the few start-up and engine messages).
    virtual void systemMessage(const QString& caption, const QString& text) = 0;

    // The progress window: position 0 to 100; keeps user input away from the
    // main window while shown.
    virtual void progressShow(int position) = 0;
    virtual void progressJob(const QString& text) = 0;
    virtual void progressHide() = 0;

    // True while the program is shutting down: nothing may be shown then.
    virtual bool isTerminating() const { return false; }
};

// The interface in use. Until one is installed, messages go to the standard
// error stream and questions are answered "no".
UserInterface& ui();
// Installs an interface (not owned); null restores the default.
void setUserInterface(UserInterface* ui);

// Hides the progress window however the work that showed it ends.
class ProgressWindow {
public:
    ProgressWindow() = default;
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;
    ~ProgressWindow() { ui().progressHide(); }
    void step(const QString& job, int position) {
        ui().progressJob(job);
        ui().progressShow(position);
    }
};

} // namespace kv
