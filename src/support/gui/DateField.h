#pragma once

#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QToolButton;

namespace kv {

// The date entry of the edit windows: a masked ten-character text "dd", the
// system date separator, "mm", separator, "yyyy", with a calendar button
// beside it. The blank mask means no date. The calendar opens on the day in
// the field (today when the field holds no valid date), and the day picked
// there is written into the field. Alt+Down or F4 in the field opens it from
// the keyboard; the button itself stays out of the tab order.
class DateField : public QWidget {
    Q_OBJECT
public:
    explicit DateField(QWidget* parent = nullptr);

    // Ten characters, blanks where nothing is typed (blankDateText() when empty).
    QString text() const;
    // A text that does not fit the mask leaves the field as the mask reads it;
    // an empty text blanks it.
    void setText(const QString& text);
    // The date number of a valid date, 0 when the field is blank or invalid.
    int dateNumber() const;
    // An invalid date number blanks the field.
    void setDateNumber(int dateNumber);
    bool isBlank() const;
    // True for a day the calendar has (see isCalendarDateText).
    bool isValid() const;

    bool isReadOnly() const;
    // A read-only field can be selected and copied but not changed, and its
    // calendar button is disabled.
    void setReadOnly(bool readOnly);

    // The inner entry, for focus, selection and tab order.
    QLineEdit* lineEdit() const { return m_edit; }
    QToolButton* calendarButton() const { return m_button; }
    // The calendar while it is open, else null.
    QCalendarWidget* openCalendar() const;

public slots:
    void showCalendar();

signals:
    // A day was picked in the calendar and written into the field.
    void datePicked(int dateNumber);
    // The text changed, by typing, picking or setText.
    void textChanged(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createCalendar();
    void placeCalendar();
    void pick(const QDate& date);

    QLineEdit* m_edit;
    QToolButton* m_button;
    QWidget* m_popup = nullptr;
    QCalendarWidget* m_calendar = nullptr;
};

} // namespace kv
