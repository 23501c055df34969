#pragma once

#include "framework/FormView.h"
#include "subregisters/DocumentForm.h"
#include "support/gui/EditDialog.h"

#include <functional>

class QComboBox;
class QToolButton;

namespace kv {

class DateField;
class NumberField;

// The document window (TfDokumenty, "Dokumenty").
class DocumentDialog : public EditDialog, public FormView<DocumentFormValues> {
    Q_OBJECT
public:
    explicit DocumentDialog(QWidget* parent = nullptr);

    void load(const DocumentFormValues& values, const FormSetup& setup) override;
    DocumentFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

    // Opens the dictionary window on a list and answers the window's lists
    // read again; "[...]" is hidden while unset and disabled while
    // canEditDictionary says no.
    std::function<QHash<QString, QList<KeyedItem>>(const QString& code)> editDictionary;
    std::function<bool()> canEditDictionary;

protected:
    void showEvent(QShowEvent* event) override;
    QLineEdit* startField() const override;
    FormCheck runChecks() override;

private:
    DateField* m_date;
    NumberField* m_reminder;
    QToolButton* m_kindDictionary;
};

} // namespace kv
