#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kv {

class DateField;
class NumberField;
class TitleBand;

// The quick edit window for one odometer reading, one date or a date range.
// The caller chooses the visible entries, fills them, sets the field label
// and the caption, calls edit() and reads the entries when it returns true.
// "&Zapisz" (or Enter in any entry) runs the checks of checkQuickEdit: the
// odometer entry is rewritten with two decimals, and a refused date is
// reported under "Uwaga" with the focus put on the entry at fault, the window
// staying open. "&Anuluj" and Escape close without saving.
class QuickEditDialog : public QDialog {
    Q_OBJECT
public:
    explicit QuickEditDialog(QWidget* parent = nullptr);

    void setEntries(bool odometer, bool date, bool dateTo);
    bool odometerVisible() const { return m_odometerVisible; }
    bool dateVisible() const { return m_dateVisible; }
    bool dateToVisible() const { return m_dateToVisible; }

    void setCaption(const QString& caption);
    void setTitle(const QString& title);
    void setFieldLabel(const QString& label);

    void setOdometerText(const QString& text);
    void setDateText(const QString& text);
    void setDateToText(const QString& text);
    QString odometerText() const;
    QString dateText() const;
    QString dateToText() const;

    // Shows the window modally; true when the entries were saved.
    bool edit();
    bool saved() const { return m_saved; }

    NumberField* odometerEntry() const { return m_odometer; }
    DateField* dateEntry() const { return m_date; }
    DateField* dateToEntry() const { return m_dateTo; }
    QLabel* fieldLabel() const { return m_label; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* cancelButton() const { return m_cancel; }

public slots:
    // What "&Zapisz" does.
    void save();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* firstVisibleEntry() const;

    TitleBand* m_band;
    QLabel* m_label;
    NumberField* m_odometer;
    DateField* m_date;
    QLabel* m_toLabel;
    DateField* m_dateTo;
    QPushButton* m_save;
    QPushButton* m_cancel;
    bool m_odometerVisible = true;
    bool m_dateVisible = false;
    bool m_dateToVisible = false;
    bool m_saved = false;
};

} // namespace kv
