#include "subregisters/gui/WarehouseDialog.h"

#include "framework/gui/FormFields.h"
#include "support/gui/NumberField.h"

#include <QFormLayout>
#include <QLineEdit>

namespace kv {

WarehouseDialog::WarehouseDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("fMagazyn"));
    setWindowTitle(QStringLiteral("Magazyn zasobów"));
    setHeading(QStringLiteral("Magazyn zasobów (części, paliwa)"));
    const QString table = warehouseFields().table();
    m_name = newTextField(table, QStringLiteral("CZESC"), 360);
    m_name->setToolTip(QStringLiteral("Nazwa zasobu (np. nazwa paliwa, nazwa i symbol części)"));
    m_quantity = newNumberField(QStringLiteral("fILOSC"));
    m_level = newNumberField(QStringLiteral("fPRZYPOMNIJ"));
    m_level->setToolTip(
        QStringLiteral("Przypomnij o braku zasobu gdy ich ilość osiągnie podaną w polu wartość"));
    for (NumberField* n : {m_quantity, m_level}) {
        n->setZeroWhenInvalid(true);
        n->setMaximumWidth(140);
    }
    QLineEdit* other = newTextField(table, QStringLiteral("UWAGI"), 360);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Nazwa zasobu"), m_name);
    form->addRow(QStringLiteral("Ilość - stan magazynowy"), fieldRow({m_quantity}, true));
    form->addRow(QStringLiteral("Przypomnij przy stanie"), fieldRow({m_level}, true));
    form->addRow(QStringLiteral("Inne"), other);
    body()->addLayout(form);
    addButtons();
}

void WarehouseDialog::load(const WarehouseFormValues& v, const FormSetup& setup) {
    loadFields(this, warehouseFields(), v, setup);
}

WarehouseFormValues WarehouseDialog::values() const {
    return readFields(this, warehouseFields());
}

FormCheck WarehouseDialog::runChecks() {
    for (NumberField* n : {m_quantity, m_level})
        n->normalize();
    WarehouseFormValues v = values();
    const FormCheck check = checkWarehouseForm(v);
    m_quantity->setText(v.ilosc);
    m_level->setText(v.przypomnij);
    return check;
}

} // namespace kv
