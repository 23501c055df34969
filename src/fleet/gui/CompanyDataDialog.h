#pragma once

#include "fleet/CompanyData.h"
#include "support/gui/EditDialog.h"

#include <QHash>

class QLineEdit;

namespace kv {

// The company data window ("Dane Firmy"): every column of the company row,
// the correspondence address in a group of its own.
class CompanyDataDialog : public EditDialog, public CompanyFormView {
    Q_OBJECT
public:
    explicit CompanyDataDialog(QWidget* parent = nullptr);

    void load(const CompanyRecord& record) override;
    CompanyRecord values() const override;
    void setEditable(bool editable) override;
    bool confirm() override { return EditDialog::confirm(); }

protected:
    QLineEdit* startField() const override;
    FormCheck runChecks() override;

private:
    void build();

    QHash<QString, QLineEdit*> m_fields; // by column
};

} // namespace kv
