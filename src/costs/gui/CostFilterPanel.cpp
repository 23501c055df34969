#include "costs/gui/CostFilterPanel.h"

#include "costs/CostFilters.h"
#include "costs/CostRegister.h"
#include "support/gui/WidgetFilters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

namespace kv {

namespace {

void fill(QComboBox* list, const QList<KeyedItem>& items, int chosen) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const KeyedItem& item : items)
        list->addItem(item.text, item.key.toInt());
    list->setCurrentIndex(chosen > 0 ? list->findData(chosen) : -1);
}

int chosenKey(const QComboBox* list) {
    return list->currentIndex() >= 0 ? list->currentData().toInt() : 0;
}

} // namespace

CostFilterPanel::CostFilterPanel(DataModule& db, std::function<void()> changed, QWidget* parent)
    : QWidget(parent), m_db(db), m_changed(std::move(changed)) {
    setObjectName(QStringLiteral("costFilters"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_fuel = new QCheckBox(QStringLiteral("Tylko paliwa"));
    m_fuel->setObjectName(QStringLiteral("filtrIsFuel"));
    m_centreOn = new QCheckBox(QStringLiteral("CK"));
    m_centreOn->setObjectName(QStringLiteral("filtrIsCK"));
    m_centre = new QComboBox;
    m_centre->setObjectName(QStringLiteral("filtrCK"));
    m_centre->setMinimumContentsLength(16);
    m_centre->setToolTip(QStringLiteral("Filtruj koszty wg centrum kosztów"));
    m_roadCardOn = new QCheckBox(QStringLiteral("Karta drog."));
    m_roadCardOn->setObjectName(QStringLiteral("filtrIsDROGOWA"));
    m_roadCard = new QComboBox;
    m_roadCard->setObjectName(QStringLiteral("filtrDROGOWA"));
    m_roadCard->setMinimumContentsLength(12);
    m_roadCard->setToolTip(QStringLiteral("Filtruj koszty wg karty drogowej"));
    layout->addWidget(m_fuel);
    layout->addSpacing(16);
    layout->addWidget(m_centreOn);
    layout->addWidget(m_centre);
    layout->addSpacing(16);
    layout->addWidget(m_roadCardOn);
    layout->addWidget(m_roadCard);
    layout->addStretch(1);

    for (QCheckBox* box : {m_fuel, m_centreOn, m_roadCardOn})
        connect(box, &QCheckBox::clicked, this, &CostFilterPanel::apply);
    for (auto [list, box] :
         {std::pair{m_centre, m_centreOn}, std::pair{m_roadCard, m_roadCardOn}}) {
        ignoreWheel(list);
        connect(list, &QComboBox::activated, this, [this, box] {
            box->setChecked(true);
            apply();
        });
    }
}

void CostFilterPanel::apply() {
    CostFilterState s;
    s.fuelOnly = m_fuel->isChecked();
    s.costCentreOn = m_centreOn->isChecked();
    s.costCentre = chosenKey(m_centre);
    s.roadCardOn = m_roadCardOn->isChecked();
    s.roadCard = chosenKey(m_roadCard);
    applyCostFilters(m_db, s);
    if (m_changed)
        m_changed();
}

void CostFilterPanel::refreshLists() {
    const CostFilterState& s = costFilterState(m_db);
    fill(m_centre, loadCostCentres(m_db), s.costCentre);
    fill(m_roadCard, loadRoadCards(m_db), s.roadCard);
    m_fuel->setChecked(s.fuelOnly);
    m_centreOn->setChecked(s.costCentreOn);
    m_roadCardOn->setChecked(s.roadCardOn);
}

} // namespace kv
