#pragma once

#include <QWidget>

namespace kv {

// The window shown while the program starts: borderless, on top, centred.
class SplashScreen : public QWidget {
public:
    SplashScreen();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kv
