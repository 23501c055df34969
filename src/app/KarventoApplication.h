#pragma once

#include <QApplication>

namespace kv {

// The application object. Any exception that escapes an event handler is
// reported like a database failure with code 0, and the program goes on.
class KarventoApplication : public QApplication {
public:
    KarventoApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Hints stay on screen this long.
    static constexpr int kHintHidePause = 20000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace kv
