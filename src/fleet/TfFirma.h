#pragma once

#include "fleet/CompanyData.h"

#include <QDialog>
#include <QHash>

class QLineEdit;
class QPushButton;

namespace kv {

// The company data window ("Dane Firmy"): every column of the company row,
// the correspondence address in a group of its own.
class TfFirma : public QDialog, public CompanyFormView {
    Q_OBJECT
public:
    explicit TfFirma(QWidget* parent = nullptr);

    void load(const CompanyRecord& record) override;
    CompanyRecord values() const override;
    void setEditable(bool editable) override;
    bool confirm() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build();

    QHash<QString, QLineEdit*> m_fields; // by column
    QPushButton* m_save;
    QPushButton* m_cancel;
};

} // namespace kv
