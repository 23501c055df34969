#include "app/SplashScreen.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace kv {

SplashScreen::SplashScreen()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("fSplashScreen"));
    setFixedSize(479, 89);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashScreen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0xf3, 0xf6, 0xfa));
    // The logo panel: a stylised wheel on the program's blue.
    const QRect logo(0, 0, 100, height());
    p.fillRect(logo, QColor(0x2d, 0x5b, 0x8a));
    p.setPen(QPen(Qt::white, 5));
    p.drawEllipse(logo.center(), 26, 26);
    p.setPen(QPen(Qt::white, 3));
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(logo.center());
        p.rotate(i * 60);
        p.drawLine(0, 8, 0, 24);
        p.restore();
    }
    p.setBrush(Qt::white);
    p.drawEllipse(logo.center(), 6, 6);
    QFont font = p.font();
    font.setPointSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x2d, 0x5b, 0x8a));
    p.drawText(QRect(100, 0, width() - 100, height()), Qt::AlignCenter, QStringLiteral("Karvento"));
    p.setPen(QColor(0x8e, 0xa6, 0xc2));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace kv
