#pragma once

#include "support/MessageWindowLook.h"

#include <QFrame>

class QLabel;

namespace kv {

// The band across the top of the common dialogs: an icon and the title label
// `Tytul` in a larger bold font, on the base colour, with a line beneath.
class TitleBand : public QFrame {
    Q_OBJECT
public:
    explicit TitleBand(QWidget* parent = nullptr);

    QString title() const;
    void setTitle(const QString& title);
    void setIcon(const QIcon& icon);
    void setIcon(MessageIcon icon);

    QLabel* titleLabel() const { return m_title; }
    QLabel* iconLabel() const { return m_icon; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_icon;
    QLabel* m_title;
};

} // namespace kv
