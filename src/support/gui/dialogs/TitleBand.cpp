#include "support/gui/dialogs/TitleBand.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QStyle>

namespace kv {

namespace {

constexpr int kIconSize = 32;

QStyle::StandardPixmap standardPixmapOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Warning:
        return QStyle::SP_MessageBoxWarning;
    case MessageIcon::Question:
        return QStyle::SP_MessageBoxQuestion;
    case MessageIcon::Error:
        return QStyle::SP_MessageBoxCritical;
    case MessageIcon::Information:
        break;
    }
    return QStyle::SP_MessageBoxInformation;
}

} // namespace

TitleBand::TitleBand(QWidget* parent)
    : QFrame(parent), m_icon(new QLabel(this)), m_title(new QLabel(this)) {
    setObjectName(QStringLiteral("titleBand"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFrameShape(QFrame::NoFrame);

    m_icon->setObjectName(QStringLiteral("titleIcon"));
    m_icon->setFixedSize(kIconSize, kIconSize);
    m_title->setObjectName(QStringLiteral("Tytul"));
    m_title->setTextFormat(Qt::PlainText);
    QFont font = m_title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    m_title->setFont(font);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->setSpacing(12);
    layout->addWidget(m_icon);
    layout->addWidget(m_title, 1);
}

QString TitleBand::title() const {
    return m_title->text();
}

void TitleBand::setTitle(const QString& title) {
    m_title->setText(title);
}

void TitleBand::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

void TitleBand::setIcon(const QIcon& icon) {
    m_icon->setPixmap(icon.pixmap(kIconSize, kIconSize));
}

void TitleBand::setIcon(MessageIcon icon) {
    setIcon(style()->standardIcon(standardPixmapOf(icon)));
}

} // namespace kv
