#include "support/gui/WidgetFilters.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace kv {

namespace {

class NoWheelFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::Wheel || QObject::eventFilter(watched, event);
    }
};

class EnterFilter : public QObject {
public:
    EnterFilter(QObject* parent, std::function<void()> onEnter)
        : QObject(parent), m_onEnter(std::move(onEnter)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_onEnter();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onEnter;
};

} // namespace

void ignoreWheel(QWidget* widget) {
    widget->installEventFilter(new NoWheelFilter(widget));
}

void onEnter(QWidget* widget, std::function<void()> action) {
    widget->installEventFilter(new EnterFilter(widget, std::move(action)));
}

} // namespace kv
