#include "dictionaries/gui/VehicleKindsPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

namespace {

constexpr int kNameLength = 50;

QLineEdit* nameField(const QString& objectName) {
    auto* e = new QLineEdit;
    e->setObjectName(objectName);
    e->setMaxLength(kNameLength);
    e->setMinimumWidth(200);
    return e;
}

QLabel* hint(const QString& text) {
    auto* l = new QLabel(text);
    l->setStyleSheet(QStringLiteral("color: #5a6b7d;"));
    return l;
}

} // namespace

VehicleKindsPage::VehicleKindsPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tsRodzajePojazdow"));

    auto* fixed = new QGroupBox(QStringLiteral("Motocykle i motorowery"));
    auto* fixedLayout = new QGridLayout(fixed);
    m_motorcycle = nameField(QStringLiteral("edMotocykl"));
    m_moped = nameField(QStringLiteral("edMotorower"));
    fixedLayout->addWidget(m_motorcycle, 0, 0);
    fixedLayout->addWidget(hint(QStringLiteral("(wartość domyślna: Motocykl)")), 0, 1);
    fixedLayout->addWidget(m_moped, 1, 0);
    fixedLayout->addWidget(hint(QStringLiteral("(wartość domyślna: Motorower)")), 1, 1);
    fixedLayout->setColumnStretch(2, 1);

    auto* further = new QGroupBox(QStringLiteral("Pozostałe rodzaje"));
    auto* furtherLayout = new QGridLayout(further);
    constexpr int kRows = 8;
    for (int i = 0; i < 16; ++i) {
        const int column = VehicleKindNames::kFirstColumn + i;
        QLineEdit* e = nameField(QStringLiteral("edRodz%1").arg(column));
        m_further[static_cast<size_t>(i)] = e;
        auto* number = new QLabel(QStringLiteral("%1.").arg(i + 1));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setBuddy(e);
        furtherLayout->addWidget(number, i % kRows, (i / kRows) * 2);
        furtherLayout->addWidget(e, i % kRows, (i / kRows) * 2 + 1);
    }

    m_save = new QPushButton(QStringLiteral("&Zapamiętaj zmiany"));
    m_save->setObjectName(QStringLiteral("bZapamietaj"));
    m_save->setAutoDefault(false);
    connect(m_save, &QPushButton::clicked, this, &VehicleKindsPage::saveRequested);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_save);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    auto* note = new QLabel(QStringLiteral(
        "Samochody osobowe i ciężarowe mają stałe nazwy. Nazwy pozostałych rodzajów są "
        "tytułami kolumn w tabeli stawek za kilometr."));
    note->setWordWrap(true);
    root->addWidget(note);
    root->addWidget(fixed);
    root->addWidget(further);
    root->addStretch(1);
    root->addLayout(buttons);
}

QLineEdit* VehicleKindsPage::furtherField(int column) const {
    if (column < VehicleKindNames::kFirstColumn || column > VehicleKindNames::kLastColumn)
        return nullptr;
    return m_further[static_cast<size_t>(column - VehicleKindNames::kFirstColumn)];
}

void VehicleKindsPage::setNames(const VehicleKindNames& names) {
    m_motorcycle->setText(names.motorcycle);
    m_moped->setText(names.moped);
    for (int n = VehicleKindNames::kFirstColumn; n <= VehicleKindNames::kLastColumn; ++n)
        furtherField(n)->setText(names.column(n));
    // Long names show from their beginning.
    for (QLineEdit* field : findChildren<QLineEdit*>())
        field->setCursorPosition(0);
}

VehicleKindNames VehicleKindsPage::names() const {
    VehicleKindNames names;
    names.motorcycle = m_motorcycle->text();
    names.moped = m_moped->text();
    for (int n = VehicleKindNames::kFirstColumn; n <= VehicleKindNames::kLastColumn; ++n)
        names.column(n) = furtherField(n)->text();
    return names;
}

void VehicleKindsPage::setEditable(bool editable) {
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->setReadOnly(!editable);
    m_save->setEnabled(editable);
}

} // namespace kv
