#include "costs/gui/OrderDialog.h"

#include "dictionaries/DictionaryLists.h"
#include "framework/gui/FormFields.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace kv {

namespace {

const QString kWorkKindsCode = QStringLiteral("RPRAC");
const QString kContractorsCode = QStringLiteral("KONTR");

} // namespace

WorkDialog::WorkDialog(bool settlement, QWidget* parent)
    : EditDialog(parent), m_settlement(settlement) {
    setObjectName(settlement ? QStringLiteral("TfRozliczenia") : QStringLiteral("TfZlecenia"));
    setWindowTitle(settlement ? QStringLiteral("Rozliczenia") : QStringLiteral("Zlecenie"));
    setHeading(settlement ? QStringLiteral("Informacje o rozliczeniu")
                          : QStringLiteral("Informacje o zleceniu"));
    const QString table = (settlement ? settlementFields() : orderFields()).table();

    m_number = newTextField(table, QStringLiteral("NRDOKUMENTU"), 200);
    m_vehicle = newListField(QStringLiteral("fIDPOJAZDU"), false, 16);
    QComboBox* kind = newListField(QStringLiteral("fRODZAJPRAC"), false, 24);
    m_route = newListField(QStringLiteral("fTRASA"), true, 30);
    m_route->lineEdit()->setMaxLength(fieldWidth(table, QStringLiteral("TRASA")));
    QComboBox* employee = newListField(QStringLiteral("fNREW"), false, 30);
    QComboBox* contractor = newListField(QStringLiteral("fKONTRAHENT"), true, 30);
    contractor->lineEdit()->setMaxLength(fieldWidth(table, QStringLiteral("KONTRAHENT")));

    auto clear = [](const char* name, const QString& hint, QComboBox* box) {
        QToolButton* b = newSmallButton(QLatin1String(name), QStringLiteral("×"), hint);
        QObject::connect(b, &QToolButton::clicked, box, [box] {
            box->setCurrentIndex(-1);
            if (box->isEditable())
                box->setEditText(QString());
        });
        return b;
    };
    auto dictionary = [this](const char* name, const QString& code) {
        QToolButton* b = newSmallButton(QLatin1String(name), QStringLiteral("[...]"),
                                        QStringLiteral("Edytuj słowniki"));
        connect(b, &QToolButton::clicked, this, [this, code] { openDictionary(code); });
        m_dictionaryButtons.append(b);
        return b;
    };
    auto* distance = new QPushButton(QStringLiteral("Wybierz trasę z tabeli odległości"));
    distance->setObjectName(QStringLiteral("bTabelaOdleglosci"));
    distance->setAutoDefault(false);
    distance->setEnabled(false);
    m_distanceButton = distance;

    auto* form = new QFormLayout;
    form->addRow(settlement ? QStringLiteral("Numer dokumentu") : QStringLiteral("Numer zlecenia"),
                 m_number);
    form->addRow(QStringLiteral("Data od"), newDateField(QStringLiteral("fDATAOD")));
    form->addRow(QStringLiteral("Data do"), newDateField(QStringLiteral("fDATADO")));
    form->addRow(
        QStringLiteral("Wskaż pojazd"),
        fieldRow({m_vehicle, clear("SBPojazdBrak", QStringLiteral("Nie wskazuj żadnego pojazdu"),
                                   m_vehicle)}));
    form->addRow(
        QStringLiteral("Rodzaj pracy"),
        fieldRow({kind, clear("SBRodzajBrak", QStringLiteral("Nie wskazuj żadnego rodzaju"), kind),
                  dictionary("SBRodzajPracy", kWorkKindsCode)}));
    form->addRow(QStringLiteral("Trasa"), fieldRow({m_route, dictionary("SBTrasa", kRoutesCode)}));
    form->addRow(QString(), fieldRow({distance}, true));
    form->addRow(
        QStringLiteral("Pracownik"),
        fieldRow({employee, clear("SBPracownikBrak",
                                  QStringLiteral("Nie wskazuj żadnego pracownika"), employee)}));
    form->addRow(QStringLiteral("Kontrahent"),
                 fieldRow({contractor,
                           clear("SBKontrahentBrak",
                                 QStringLiteral("Nie wskazuj żadnego kontrahenta"), contractor),
                           dictionary("SBKontrahent", kContractorsCode)}));
    form->addRow(QStringLiteral("Opis"), newTextField(table, QStringLiteral("OPIS"), 360));
    if (settlement) {
        m_hours = newNumberField(QStringLiteral("fGODZINY"));
        m_rate = newNumberField(QStringLiteral("fSTAWKA"));
        for (NumberField* n : {m_hours, m_rate}) {
            n->setZeroWhenInvalid(true);
            n->setMaximumWidth(120);
        }
        form->addRow(QStringLiteral("Ilość przepracowanych godzin"), fieldRow({m_hours}, true));
        form->addRow(QStringLiteral("Stawka"),
                     fieldRow({m_rate, new QLabel(QStringLiteral("zł/h"))}, true));
    } else {
        m_toSettlements = new QCheckBox(QStringLiteral("Dodaj powyższe dane do rozliczeń"));
        m_toSettlements->setObjectName(QStringLiteral("dodajDoRozliczen"));
        form->addRow(QString(), m_toSettlements);
    }
    body()->addLayout(form);
    addButtons();

    connect(m_vehicle, &QComboBox::activated, this, &WorkDialog::vehicleChosen);
    connect(distance, &QPushButton::clicked, this, [this] {
        if (!pickDistance)
            return;
        if (const std::optional<DistancePick> p = pickDistance())
            m_route->setEditText(distanceRouteText(p->departure, p->arrival));
    });
}

void WorkDialog::load(const OrderFormValues& v, const FormSetup& setup) {
    loadFields(this, m_settlement ? settlementFields() : orderFields(), v, setup);
    m_vehicleRates.clear();
    for (const KeyedItem& item : setup.lists.value(QStringLiteral("IDPOJAZDU")))
        m_vehicleRates.insert(item.key, item.extra);
    m_shownVehicle = QString::number(v.vehicle);
    m_secondWindow = setup.secondWindow;
    if (m_toSettlements)
        m_toSettlements->setChecked(false);
}

OrderFormValues WorkDialog::values() const {
    OrderFormValues v = readFields(this, m_settlement ? settlementFields() : orderFields());
    v.addToSettlements =
        m_toSettlements && m_toSettlements->isEnabled() && m_toSettlements->isChecked();
    return v;
}

void WorkDialog::vehicleChosen(int index) {
    // Only a change of vehicle brings its rate: a rate agreed for this
    // settlement stays when the list is merely opened or left.
    if (!m_rate || index < 0)
        return;
    const QString key = m_vehicle->itemData(index).toString();
    if (key == m_shownVehicle)
        return;
    m_shownVehicle = key;
    m_rate->setText(m_vehicleRates.value(key, formatDecimal(Decimal(), 2)));
}

void WorkDialog::openDictionary(const QString& code) {
    if (!editDictionary)
        return;
    const QHash<QString, QList<KeyedItem>> lists = editDictionary(code);
    // The entries read again; what was chosen or typed stays.
    const OrderFormValues typed = values();
    FormSetup s;
    s.lists = lists;
    for (const QString& column :
         {QStringLiteral("RODZAJPRAC"), QStringLiteral("TRASA"), QStringLiteral("KONTRAHENT")}) {
        const auto items = lists.constFind(column);
        if (items == lists.cend())
            continue;
        QWidget* control = fieldControl(this, u'f' + column);
        const auto* f = orderFields().find(column);
        setFieldControl(control, f->kind, f->get ? f->get(typed) : QString(),
                        f->getCode ? f->getCode(typed) : 0, &items.value(), true);
    }
}

void WorkDialog::showEvent(QShowEvent* event) {
    EditDialog::showEvent(event);
    const bool allowed = canEditDictionary && canEditDictionary();
    for (QToolButton* b : m_dictionaryButtons) {
        if (!editDictionary)
            b->hide();
        b->setEnabled(allowed);
    }
    m_distanceButton->setEnabled(static_cast<bool>(pickDistance) && m_number->isEnabled());
    if (m_toSettlements) {
        // A second window never hands on; the box needs the settlements'
        // write permission.
        const bool may = !m_secondWindow && canAddSettlements && canAddSettlements();
        m_toSettlements->setEnabled(may && m_number->isEnabled());
    }
}

FormCheck WorkDialog::runChecks() {
    if (!m_settlement)
        return checkOrderForm(values());
    OrderFormValues v = values();
    const FormCheck check = checkSettlementForm(v);
    m_hours->setText(v.godziny);
    m_rate->setText(v.stawka);
    return check;
}

QLineEdit* WorkDialog::startField() const {
    return m_number;
}

} // namespace kv
