#pragma once

#include "dictionaries/DictionaryBook.h"
#include "support/gui/EditDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace kv {

class NumberField;

// The entry window of the dictionaries: the entry's text under the list's
// label, and only where the list needs them the VAT box (expense kinds), the
// route length (routes) and the percent unit (VAT rates).
class DictionaryEntryDialog : public EditDialog, public DictionaryEntryView {
    Q_OBJECT
public:
    explicit DictionaryEntryDialog(QWidget* parent = nullptr);

    // Which list the window edits; the checks depend on it.
    void setList(const DictionaryList& list) { m_list = &list; }

    void load(const DictionaryEntryLayout& layout, const DictionaryEntryValues& values) override;
    DictionaryEntryValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

    QLineEdit* textField() const { return m_text; }
    NumberField* lengthField() const { return m_length; }
    QCheckBox* vatBox() const { return m_vat; }

protected:
    QLineEdit* startField() const override;
    FormCheck runChecks() override;
    void trySave() override;

private:
    const DictionaryList* m_list = nullptr;
    bool m_showsLength = false;
    QString m_hiddenSecond; // the second value of lists that do not show it
    QLabel* m_label;
    QLineEdit* m_text;
    QLabel* m_percent;
    QWidget* m_lengthRow;
    NumberField* m_length;
    QCheckBox* m_vat;
};

} // namespace kv
