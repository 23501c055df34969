#include "support/gui/DateField.h"

#include "support/DateNumbers.h"
#include "support/QuickEditCheck.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

namespace {

// "99.99.9999": digits may be left blank, the separator is fixed. The
// separator is escaped, as "-" or "/" might one day mean something to the mask.
QString dateMask() {
    const QString separator = QStringLiteral("\\") + dateSeparator();
    return QStringLiteral("99") + separator + QStringLiteral("99") + separator +
           QStringLiteral("9999");
}

} // namespace

DateField::DateField(QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_button(new QToolButton(this)) {
    m_edit->setInputMask(dateMask());
    m_edit->setText(QString());
    // Wide enough for the ten characters in any font, no wider.
    const QFontMetrics metrics(m_edit->font());
    m_edit->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("00.00.00000")) + 12);
    m_edit->installEventFilter(this);

    m_button->setArrowType(Qt::DownArrow);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setToolTip(QStringLiteral("Kalendarz"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_button);

    setFocusProxy(m_edit);
    setFocusPolicy(m_edit->focusPolicy());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    connect(m_button, &QToolButton::clicked, this, &DateField::showCalendar);
    connect(m_edit, &QLineEdit::textChanged, this, [this] { emit textChanged(text()); });
}

QString DateField::text() const {
    // With a mask, QLineEdit::text() drops the blanks; the program's date
    // texts keep all ten characters.
    return m_edit->displayText();
}

void DateField::setText(const QString& text) {
    m_edit->setText(text);
}

int DateField::dateNumber() const {
    return isValid() ? textToDateNumber(text()) : 0;
}

void DateField::setDateNumber(int dateNumber) {
    setText(dateNumberToText(dateNumber));
}

bool DateField::isBlank() const {
    return text() == blankDateText();
}

bool DateField::isValid() const {
    return isCalendarDateText(text());
}

bool DateField::isReadOnly() const {
    return m_edit->isReadOnly();
}

void DateField::setReadOnly(bool readOnly) {
    m_edit->setReadOnly(readOnly);
    m_button->setEnabled(!readOnly);
}

QCalendarWidget* DateField::openCalendar() const {
    return m_popup && m_popup->isVisible() ? m_calendar : nullptr;
}

void DateField::showCalendar() {
    if (isReadOnly() || !isEnabled())
        return;
    if (!m_popup)
        createCalendar();
    // textToDate gives today for a blank or impossible day.
    m_calendar->setSelectedDate(textToDate(text()));
    m_calendar->setCurrentPage(m_calendar->selectedDate().year(),
                               m_calendar->selectedDate().month());
    placeCalendar();
    m_popup->show();
    m_calendar->setFocus(Qt::PopupFocusReason);
}

void DateField::createCalendar() {
    auto* popup = new QFrame(this, Qt::Popup);
    popup->setFrameShape(QFrame::StyledPanel);
    m_calendar = new QCalendarWidget(popup);
    m_calendar->setObjectName(QStringLiteral("calendar"));
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    auto* layout = new QVBoxLayout(popup);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_calendar);
    // A click picks the day; Enter or a double click activate it.
    connect(m_calendar, &QCalendarWidget::clicked, this, &DateField::pick);
    connect(m_calendar, &QCalendarWidget::activated, this, &DateField::pick);
    m_popup = popup;
}

void DateField::placeCalendar() {
    m_popup->adjustSize();
    const QSize size = m_popup->size();
    QPoint at = mapToGlobal(QPoint(0, height()));
    const QScreen* screen = this->screen();
    if (screen) {
        // Below the field when it fits, otherwise above it; never off the side.
        const QRect area = screen->availableGeometry();
        if (at.y() + size.height() > area.bottom())
            at.setY(mapToGlobal(QPoint(0, 0)).y() - size.height());
        at.setX(
            std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - size.width())));
        at.setY(std::max(at.y(), area.top()));
    }
    m_popup->move(at);
}

void DateField::pick(const QDate& date) {
    if (!m_popup->isVisible())
        return;
    m_popup->hide();
    setText(dateToText(date));
    m_edit->setFocus(Qt::PopupFocusReason);
    emit datePicked(dateToDateNumber(date));
}

bool DateField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool altDown = key->key() == Qt::Key_Down && (key->modifiers() & Qt::AltModifier);
        if (altDown || (key->key() == Qt::Key_F4 && key->modifiers() == Qt::NoModifier)) {
            showCalendar();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kv
