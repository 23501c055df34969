#include "subregisters/gui/RepairDialog.h"

#include "framework/RecordDefaults.h"
#include "framework/gui/FormFields.h"
#include "framework/gui/KeyedLookup.h"
#include "subregisters/gui/HandOverBox.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QToolButton>

namespace kv {

RepairDialog::RepairDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("fNaprawy"));
    setWindowTitle(QStringLiteral("Naprawa"));
    setHeading(QStringLiteral("Naprawa"));
    const QString table = repairFields().table();

    m_vehicle = newListField(QStringLiteral("fNRREJ"), false, 16);
    m_date = newDateField(QStringLiteral("fDATA"));
    m_kind = newListField(QStringLiteral("fOPIS"), true, 36);
    m_kind->lineEdit()->setMaxLength(fieldWidth(table, QStringLiteral("OPIS")));
    m_kindDictionary = newSmallButton(QStringLiteral("SBRodzajNaprawy"), QStringLiteral("[...]"),
                                      QStringLiteral("Edytuj słowniki"));
    QLineEdit* other = newTextField(table, QStringLiteral("UWAGI"), 360);
    m_driver = newListField(QStringLiteral("fIDKIEROWCY"), false, 24);
    m_reading = newNumberField(QStringLiteral("fLICZNIK"));
    m_reminder = newNumberField(QStringLiteral("fLICZTERM"));
    m_reminder->setMaxLength(15);
    for (NumberField* n : {m_reading, m_reminder}) {
        n->setZeroWhenInvalid(true);
        n->setMaximumWidth(140);
    }
    auto* done = new QCheckBox(QStringLiteral("Naprawa wykonana?"));
    done->setObjectName(QStringLiteral("fDONE"));
    m_handOn = newHandOverBox();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral(" Wskaż pojazd"), fieldRow({m_vehicle}, true));
    form->addRow(QStringLiteral("Data naprawy"), fieldRow({m_date}, true));
    form->addRow(QStringLiteral("Opis"), fieldRow({m_kind, m_kindDictionary}));
    form->addRow(QStringLiteral("Inne"), other);
    form->addRow(QStringLiteral("Kierowca"),
                 lookupWithClear(m_driver, QStringLiteral("SBKierowcaBrak"),
                                 QStringLiteral("Nie wskazuj żadnego kierowcy")));
    form->addRow(QStringLiteral("Stan licznika przed naprawą"),
                 withUnit(m_reading, QStringLiteral("km")));
    form->addRow(QStringLiteral("Termin przy stanie licznika"),
                 withUnit(m_reminder, QStringLiteral("km")));
    form->addRow(QString(), done);
    body()->addLayout(form);
    body()->addWidget(m_handOn);
    addButtons();

    m_link = new VehicleDriverLink(m_vehicle, m_driver, this);
    connect(m_kindDictionary, &QToolButton::clicked, this, [this] {
        if (editRepairKinds)
            reloadTextList(m_kind, editRepairKinds());
    });
}

void RepairDialog::load(const RepairFormValues& v, const FormSetup& setup) {
    m_loaded = v;
    loadFields(this, repairFields(), v, setup);
    m_link->setVehicles(setup.lists.value(QStringLiteral("IDPOJAZD")));
    loadHandOverBox(m_handOn, v.handOn, setup);
}

RepairFormValues RepairDialog::values() const {
    // The amounts have no fields: they stay as loaded.
    RepairFormValues v = readFields(this, repairFields(), m_loaded);
    v.handOn = m_handOn->isChecked() && m_handOn->isEnabled();
    return v;
}

void RepairDialog::showEvent(QShowEvent* event) {
    EditDialog::showEvent(event);
    m_kindDictionary->setVisible(static_cast<bool>(editRepairKinds));
    m_kindDictionary->setEnabled(canEditDictionary && canEditDictionary());
}

FormCheck RepairDialog::runChecks() {
    for (NumberField* n : {m_reading, m_reminder})
        n->normalize();
    RepairFormValues v = values();
    const FormCheck c = checkRepairForm(v);
    m_reading->setText(v.licznik);
    m_reminder->setText(v.liczterm);
    return c;
}

QLineEdit* RepairDialog::startField() const {
    return m_date->lineEdit();
}

} // namespace kv
