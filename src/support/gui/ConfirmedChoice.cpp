#include "support/gui/ConfirmedChoice.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

namespace kv {

namespace {

class ChoiceWatcher : public QObject {
public:
    ChoiceWatcher(QComboBox* list, std::function<void()> onChoice)
        : QObject(list), m_list(list), m_onChoice(std::move(onChoice)) {
        list->installEventFilter(this);
        list->view()->viewport()->installEventFilter(this);
        connect(list, &QComboBox::activated, this, [this] {
            // The list answers a click in its open list within the same
            // release event, so the mark set just before is still there.
            if (m_clicked) {
                m_clicked = false;
                return;
            }
            m_onChoice();
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_list && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_onChoice();
                return true;
            }
        } else if (watched != m_list && event->type() == QEvent::MouseButtonRelease) {
            m_clicked = true;
            // A release that picked nothing leaves no mark behind.
            QTimer::singleShot(0, this, [this] { m_clicked = false; });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QComboBox* m_list;
    std::function<void()> m_onChoice;
    bool m_clicked = false;
};

} // namespace

void onConfirmedChoice(QComboBox* list, std::function<void()> onChoice) {
    new ChoiceWatcher(list, std::move(onChoice));
}

} // namespace kv
