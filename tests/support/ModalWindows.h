#pragma once

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

namespace kv::test {

// Acts on a modal window of the given class once it is shown: polls until it
// is the active modal window, waits for it to take the keyboard, then runs
// the action on it (which must close it). Polling, not a zero timer, since the dialogs run pending
// events before their modal loop starts. Returns the timer, so a test that expects no window can
// check that it never fired and stop it.
template <typename Window> QPointer<QTimer> whenShown(std::function<void(Window*)> action) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        // Focus and keys need the window active; a platform that never
        // activates it lets the checks fail rather than wait for ever.
        if (!QTest::qWaitForWindowActive(window))
            qWarning("%s did not become active", window->metaObject()->className());
        action(window);
    });
    timer->start();
    return timer;
}

} // namespace kv::test
