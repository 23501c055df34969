#pragma once

#include <QWidget>

namespace kv {

// The window shown while the program starts: borderless, on top, centred.
class TfSplashScreen : public QWidget {
public:
    TfSplashScreen();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kv
