#pragma once

#include "support/MessageWindowLook.h"

#include <QDialog>

class QBoxLayout;
class QLabel;
class QPushButton;

namespace kv {

class TitleBand;

// What the information, question and prompt windows share: the title band,
// the wrapped message `tresc` (scrolling when a long message does not fit the
// window), a place for an entry below it and a row of buttons. Each call sets
// the caption of the window and of the band, the message, the icon and the
// window size for the message's length.
class MessageDialog : public QDialog {
    Q_OBJECT
public:
    QString caption() const;
    QString message() const;
    TitleBand* titleBand() const { return m_band; }
    QLabel* messageLabel() const { return m_message; }

protected:
    MessageDialog(MessageWindowKind kind, const QString& designCaption, QWidget* parent);

    void present(const QString& caption, const QString& message);
    // Widgets added here stand between the message and the buttons.
    QBoxLayout* contentLayout() const { return m_content; }
    QPushButton* addButton(const QString& text);

private:
    MessageWindowKind m_kind;
    TitleBand* m_band;
    QLabel* m_message;
    QWidget* m_area = nullptr;
    QBoxLayout* m_content;
    QBoxLayout* m_buttons;
};

} // namespace kv
