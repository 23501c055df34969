#include "subregisters/gui/TyreDialog.h"

#include "framework/gui/FormFields.h"
#include "framework/gui/KeyedLookup.h"
#include "subregisters/SubregisterLists.h"
#include "subregisters/gui/AmountLink.h"
#include "subregisters/gui/HandOverBox.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace kv {

TyreDialog::TyreDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("fOpony"));
    setWindowTitle(QStringLiteral("Opony"));
    setHeading(QStringLiteral("Opony"));
    const QString table = tyreFields().table();

    m_number = newTextField(table, QStringLiteral("NREWID"), 200);
    m_size = newTextField(table, QStringLiteral("ILOSC"), 60);
    m_size->setMaxLength(18);
    m_size->setMaximumWidth(80);
    QLineEdit* make = newTextField(table, QStringLiteral("MARKA"), 300);
    m_kind = newListField(QStringLiteral("fRODZAJ"), false, 24);
    m_sizeKind = newListField(QStringLiteral("fROZMIAR"), false, 24);
    m_kindDictionary = newSmallButton(QStringLiteral("SBRodzajOpon"), QStringLiteral("[...]"),
                                      QStringLiteral("Edytuj słowniki"));
    m_sizeDictionary = newSmallButton(QStringLiteral("SBRozmiarOpon"), QStringLiteral("[...]"),
                                      QStringLiteral("Edytuj słowniki"));
    QLineEdit* tread = newTextField(table, QStringLiteral("BIEZNIK"), 300);
    m_maxMileage = newNumberField(QStringLiteral("fPRZEBMAX"));
    QLineEdit* features = newTextField(table, QStringLiteral("CECHY"), 360);
    DateField* bought = newDateField(QStringLiteral("fDATAZAKUPU"));
    QLineEdit* document = newTextField(table, QStringLiteral("NRDOKUMENTU"), 200);
    NumberField* net = newNumberField(QStringLiteral("fNETTO"));
    NumberField* vat = newNumberField(QStringLiteral("fVAT"));
    NumberField* gross = newNumberField(QStringLiteral("fBRUTTO"));
    for (NumberField* n : {net, vat, gross})
        n->setMaximumWidth(130);
    m_rate = newListField(kVatRateList, false, 5);
    QComboBox* vehicle = newListField(QStringLiteral("fIDPOJAZDU"), false, 16);
    DateField* change = newDateField(QStringLiteral("fDATAWYMIANY"));
    m_reminder = newNumberField(QStringLiteral("fLICZTERM"));
    m_reminder->setMaxLength(15);
    for (NumberField* n : {m_maxMileage, m_reminder}) {
        n->setZeroWhenInvalid(true);
        n->setMaximumWidth(140);
    }
    auto* store = new QCheckBox(QStringLiteral("Czy w magazynie?"));
    store->setObjectName(QStringLiteral("fMAGAZYN"));
    QLineEdit* other = newTextField(table, QStringLiteral("INNE"), 360);
    m_handOn = newHandOverBox();

    auto* values = new QGroupBox(QStringLiteral("Zakup"));
    auto* grid = new QGridLayout(values);
    grid->addWidget(new QLabel(QStringLiteral("Wartość netto")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Stawka VAT")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Kwota VAT")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Wartość brutto")), 0, 3);
    grid->addWidget(net, 1, 0);
    grid->addWidget(withUnit(m_rate, QStringLiteral("%")), 1, 1);
    grid->addWidget(vat, 1, 2);
    grid->addWidget(gross, 1, 3);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Numer ewid."), m_number);
    form->addRow(QStringLiteral("Ilość opon (jeśli komplet)"), fieldRow({m_size}, true));
    form->addRow(QStringLiteral("Marka"), make);
    form->addRow(QStringLiteral("Rodzaj opon(y)"),
                 fieldRow({lookupWithClear(m_kind, QStringLiteral("SBRodzajBrak"),
                                           QStringLiteral("Nie wskazuj żadnego rodzaju opony")),
                           m_kindDictionary}));
    form->addRow(QStringLiteral("Rozmiar opon(y)"),
                 fieldRow({lookupWithClear(m_sizeKind, QStringLiteral("SBRozmiarBrak"),
                                           QStringLiteral("Nie wskazuj żadnego rozmiaru opony")),
                           m_sizeDictionary}));
    form->addRow(QStringLiteral("Rodzaj bieżnika"), tread);
    form->addRow(QStringLiteral("Przebieg maks."), withUnit(m_maxMileage, QStringLiteral("km")));
    form->addRow(QStringLiteral("Cechy opon(y)"), features);
    form->addRow(QStringLiteral("Data zakupu"), fieldRow({bought}, true));
    form->addRow(QStringLiteral("Numer dokumentu zakupu"), document);
    form->addRow(values);
    form->addRow(QStringLiteral("Przypisane do pojazdu"),
                 lookupWithClear(vehicle, QStringLiteral("SBPojazdBrak"),
                                 QStringLiteral("Nie wskazuj żadnego pojazdu")));
    form->addRow(QStringLiteral("Data kolejnej wymiany"), fieldRow({change}, true));
    form->addRow(QStringLiteral("Wymiana przy stanie licznika"),
                 withUnit(m_reminder, QStringLiteral("km")));
    form->addRow(QString(), store);
    form->addRow(QStringLiteral("Inne"), other);
    body()->addLayout(form);
    body()->addWidget(m_handOn);
    addButtons();

    m_amounts = new AmountLink(net, vat, gross, m_rate, this);
    // Leaving the set size shows it as a whole number.
    connect(m_size, &QLineEdit::editingFinished, this,
            [this] { m_size->setText(setSizeText(m_size->text())); });
    connect(m_kindDictionary, &QToolButton::clicked, this,
            [this] { reloadList(m_kind, kTyreKindsCode); });
    connect(m_sizeDictionary, &QToolButton::clicked, this,
            [this] { reloadList(m_sizeKind, kTyreSizesCode); });
}

void TyreDialog::reloadList(QComboBox* list, const QString& code) {
    if (!editDictionary)
        return;
    const QString chosen = list->currentIndex() >= 0 ? list->currentData().toString() : QString();
    const QList<KeyedItem> items = editDictionary(code);
    setFieldControl(list, FieldKind::Code, QString(), chosen.toInt(), &items, true);
}

void TyreDialog::load(const TyreFormValues& v, const FormSetup& setup) {
    loadFields(this, tyreFields(), v, setup);
    m_amounts->setRates(setup.lists.value(kVatRateList));
    loadHandOverBox(m_handOn, v.handOn, setup);
}

TyreFormValues TyreDialog::values() const {
    TyreFormValues v = readFields(this, tyreFields());
    v.handOn = m_handOn->isChecked() && m_handOn->isEnabled();
    return v;
}

void TyreDialog::showEvent(QShowEvent* event) {
    EditDialog::showEvent(event);
    for (QToolButton* b : {m_kindDictionary, m_sizeDictionary}) {
        b->setVisible(static_cast<bool>(editDictionary));
        b->setEnabled(canEditDictionary && canEditDictionary());
    }
}

FormCheck TyreDialog::runChecks() {
    m_amounts->normalize();
    for (NumberField* n : {m_maxMileage, m_reminder})
        n->normalize();
    TyreFormValues v = values();
    const FormCheck c = checkTyreForm(v);
    m_size->setText(v.ilosc);
    m_maxMileage->setText(v.przebmax);
    m_reminder->setText(v.liczterm);
    return c;
}

} // namespace kv
