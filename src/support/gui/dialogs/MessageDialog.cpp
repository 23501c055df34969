#include "support/gui/dialogs/MessageDialog.h"

#include "support/gui/dialogs/TitleBand.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace kv {

namespace {

// The scrolling area of the message. It asks for the height the wrapped text
// needs at its width, so an entry below a short message stays close to it;
// a message too long for the window scrolls.
class MessageArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

    QSize sizeHint() const override {
        const int width = std::max(viewport()->width(), 100);
        const int height = widget() ? widget()->heightForWidth(width) : 0;
        return {width, std::max(height, fontMetrics().height()) + 2 * frameWidth()};
    }
    QSize minimumSizeHint() const override { return {100, 2 * fontMetrics().height()}; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        const int oldWidth = viewport()->width();
        QScrollArea::resizeEvent(event);
        if (viewport()->width() != oldWidth)
            updateGeometry();
    }
};

} // namespace

MessageDialog::MessageDialog(MessageWindowKind kind, const QString& designCaption, QWidget* parent)
    : QDialog(parent), m_kind(kind), m_band(new TitleBand(this)), m_message(new QLabel) {
    setWindowTitle(designCaption);
    m_band->setTitle(designCaption);
    m_band->setIcon(messageIconFor(designCaption, kind));

    // Messages come from everywhere, database errors included: they are
    // shown as they are, never read as markup.
    m_message->setObjectName(QStringLiteral("tresc"));
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* scroll = new MessageArea(this);
    m_area = scroll;
    scroll->setObjectName(QStringLiteral("trescArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(m_message);
    scroll->setFocusPolicy(Qt::NoFocus);

    m_content = new QVBoxLayout;
    m_content->setContentsMargins(20, 14, 20, 6);
    m_content->setSpacing(10);
    m_content->addWidget(scroll, 1);

    m_buttons = new QHBoxLayout;
    m_buttons->setContentsMargins(20, 6, 20, 14);
    m_buttons->setSpacing(12);
    m_buttons->addStretch(1);
    m_buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_band);
    layout->addLayout(m_content, 1);
    layout->addLayout(m_buttons);

    setFixedSize(messageWindowSize(kind, 0));
}

QString MessageDialog::caption() const {
    return windowTitle();
}

QString MessageDialog::message() const {
    return m_message->text();
}

void MessageDialog::present(const QString& caption, const QString& message) {
    setWindowTitle(caption);
    m_band->setTitle(caption);
    m_band->setIcon(messageIconFor(caption, m_kind));
    m_message->setText(message);
    // The area's wished height follows the text; layouts cache it otherwise.
    m_area->updateGeometry();
    setFixedSize(messageWindowSize(m_kind, message.size()));
}

QPushButton* MessageDialog::addButton(const QString& text) {
    auto* button = new QPushButton(text, this);
    // Buttons stay centred: insert before the closing stretch.
    m_buttons->insertWidget(m_buttons->count() - 1, button);
    return button;
}

} // namespace kv
