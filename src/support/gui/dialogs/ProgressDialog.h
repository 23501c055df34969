#pragma once

#include <QFrame>
#include <QList>
#include <QPointer>

class QLabel;
class QProgressBar;

namespace kv {

// The progress window of long work: borderless, always on top, centred on the
// screen, "Proszę czekać ...", the job line and a bar from 0 to 100. While it
// is shown no user input reaches the program's other windows: those visible
// at the time are disabled, and the window is application modal without a
// modal loop of its own, so the caller keeps running. The caller alternates
// its work with updates, which let pending events run so the window repaints.
class ProgressDialog : public QFrame {
    Q_OBJECT
public:
    explicit ProgressDialog(QWidget* parent = nullptr);
    ~ProgressDialog() override;

    // Sets the bar (clamped to 0..100) and shows the window when hidden.
    void showProgress(int position);
    // The job line becomes the text followed by one blank.
    void setJob(const QString& text);
    // Hides the window and gives the other windows their input back.
    void hideProgress();

    bool isActive() const { return m_active; }
    int position() const;
    QString job() const;

    // Takes the window off the screen while a message must be read above it,
    // and puts it back after; the other windows stay disabled meanwhile.
    class Aside {
    public:
        explicit Aside(ProgressDialog* window);
        ~Aside();
        Aside(const Aside&) = delete;
        Aside& operator=(const Aside&) = delete;

    private:
        ProgressDialog* m_window;
        bool m_wasShown;
    };

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void disableOtherWindows();
    void enableOtherWindows();
    void centre();
    void appear();
    void disappear();

    QLabel* m_job;
    QProgressBar* m_bar;
    QList<QPointer<QWidget>> m_disabled;
    QPointer<QWidget> m_previouslyActive;
    bool m_active = false;
    bool m_waitCursor = false;
};

} // namespace kv
