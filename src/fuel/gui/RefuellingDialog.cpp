#include "fuel/gui/RefuellingDialog.h"

#include "framework/HandOver.h"
#include "fuel/RefuellingHandOvers.h"
#include "users/Permissions.h"

#include "framework/gui/FormFields.h"
#include "support/Decimal.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kv {

namespace {

NumberField* quantityField(const char* name) {
    NumberField* f = newNumberField(QLatin1String(name));
    f->setMaxLength(12);
    f->setZeroWhenInvalid(true);
    f->setMaximumWidth(130);
    return f;
}

} // namespace

RefuellingDialog::RefuellingDialog(ConsumptionKind kind, QWidget* parent)
    : EditDialog(parent), m_kind(kind) {
    const RefuellingLabels labels = refuellingLabels(kind);
    setObjectName(labels.objectName);
    setWindowTitle(labels.title);
    setHeading(QStringLiteral("Informacja o tankowaniu pojazdu"));

    m_date = newDateField(QStringLiteral("FDATA"));
    m_first = quantityField("fBAK");
    m_litres = quantityField("fTANKOWANIE");
    m_reading = quantityField("fLICZNIK");
    const QString firstUnit = kind == ConsumptionKind::Continuous ? QStringLiteral("l")
                              : kind == ConsumptionKind::PerKm    ? QStringLiteral("km")
                                                                  : QStringLiteral("h");

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Data tankowania"), m_date);
    if (labels.distanceButton) {
        m_distance = new QPushButton(QStringLiteral("Wylicz"));
        m_distance->setObjectName(QStringLiteral("bWyliczPrzebieg"));
        m_distance->setToolTip(QStringLiteral("Wylicz ilość przejechanych kilometrów na podstawie "
                                              "stanu licznika (bieżącego i poprzedniego)"));
        m_distance->setAutoDefault(false);
        form->addRow(labels.first, fieldRow({m_first, new QLabel(firstUnit), m_distance}, true));
        connect(m_distance, &QPushButton::clicked, this, &RefuellingDialog::distanceClicked);
    } else {
        form->addRow(labels.first, withUnit(m_first, firstUnit));
    }
    form->addRow(labels.litres, withUnit(m_litres, QStringLiteral("l")));
    form->addRow(labels.reading,
                 withUnit(m_reading, kind == ConsumptionKind::PerHour ? QStringLiteral("mth")
                                                                      : QStringLiteral("km")));
    body()->addLayout(form);

    m_toCosts = new QCheckBox(QStringLiteral("Dodaj dane do kosztów"));
    m_toCosts->setObjectName(QStringLiteral("cbDodajDoKosztow"));
    body()->addWidget(m_toCosts);
    addButtons();
}

void RefuellingDialog::load(const RefuellingFormValues& v, const FormSetup& setup) {
    loadFields(this, refuellingFields(m_kind), v, setup);
    m_toCosts->setChecked(false);
    // Offered with the costs' write permission, and never in the second
    // window of a hand-over (a refuelling opened from a cost would book the
    // purchase twice).
    m_toCosts->setEnabled(!setup.secondWindow && handOverTarget(kRefuellingCostsTarget) &&
                          currentLogin().permissions.has(kCostsWritePermission));
}

RefuellingFormValues RefuellingDialog::values() const {
    RefuellingFormValues v = readFields(this, refuellingFields(m_kind));
    v.addToCosts = m_toCosts->isChecked() && m_toCosts->isEnabled();
    return v;
}

void RefuellingDialog::distanceClicked() {
    if (!computeDistance)
        return;
    m_reading->normalize();
    const DistanceOutcome o = computeDistance(m_date->text(), m_reading->text());
    if (!o.distance.isEmpty()) {
        m_first->setText(o.distance);
        return;
    }
    if (o.focus == u"FDATA") {
        m_date->lineEdit()->setFocus();
    } else {
        m_reading->setFocus();
        m_reading->selectAll();
    }
}

FormCheck RefuellingDialog::runChecks() {
    // Enter saves without leaving a field: numbers are shown as leaving
    // would show them; other text stays for the checks to point at.
    for (NumberField* n : {m_first, m_litres, m_reading})
        if (const std::optional<Decimal> d = Decimal::parse(n->text()))
            n->setText(formatDecimal(*d, 2));
    RefuellingFormValues v = values();
    return checkRefuellingForm(v);
}

QLineEdit* RefuellingDialog::startField() const {
    return m_date->lineEdit();
}

} // namespace kv
