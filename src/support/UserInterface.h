#pragma once

#include <QString>
#include <optional>

namespace kv {

// Which answer of a question Enter gives. Questions that destroy or replace
// something take "Nie", so a hurried Enter changes nothing.
enum class DefaultAnswer { Yes, No };

// What the core asks of the person at the program. The core never opens a
// window itself: the GUI answers with the common dialogs, the command-line tool
// on the terminal, tests with a scripted answerer.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // The information window: a caption and a message, one button.
    virtual void information(const QString& caption, const QString& text) = 0;
    // The question window: true only for "Tak".
    virtual bool question(const QString& caption, const QString& text,
                          DefaultAnswer byDefault = DefaultAnswer::Yes) = 0;
    // The prompt window; nothing when cancelled. With password set the entry
    // is masked (for this prompt only).
    virtual std::optional<QString> prompt(const QString& caption, const QString& message,
                                          const QString& initial, bool password) = 0;
    // A new password, typed masked and twice: a typing error in a password
    // nobody can read back would lock the data away. Nothing when cancelled.
    // By default two masked prompts, asked again until both entries agree.
    virtual std::optional<QString> newPassword(const QString& caption, const QString& message);
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

// Told when the two entries of a new password differ.
inline const QString kPasswordsDifferText =
    QStringLiteral("Wpisane hasła różnią się. Wpisz nowe hasło dwa razy tak samo.");

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
