#include "subregisters/gui/HandOverBox.h"

#include "framework/RecordDefaults.h"

#include <QCheckBox>

namespace kv {

QCheckBox* newHandOverBox() {
    auto* box = new QCheckBox(QStringLiteral("Dodaj powyższe dane do rejestru kosztów"));
    box->setObjectName(QStringLiteral("dodajDoKosztow"));
    return box;
}

void loadHandOverBox(QCheckBox* box, bool ticked, const FormSetup& setup) {
    const bool offered = offersHandOver(setup);
    box->setEnabled(offered);
    box->setChecked(offered && ticked);
}

} // namespace kv
