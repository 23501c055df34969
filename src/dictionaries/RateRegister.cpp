#include "dictionaries/RateRegister.h"
#include "dictionaries/RateCard.h"

#include "dictionaries/VehicleKindNames.h"
#include "framework/RegisterHooks.h"
#include "storage/DataModule.h"

namespace kv {

void registerRateQueries(DataModule& db) {
    StatementTemplate grid;
    grid << QStringLiteral("SELECT * FROM stawki.DB ORDER BY");
    grid.slot(kSortSlot).slot(kDirectionSlot);
    db.addQuery(registerDescriptor(RegisterId::Rates).query, ConnectionKind::Company, grid);
    addEditQueries(db, RegisterId::Rates, rateFields());
    // The rate columns are titled after the vehicle kinds wherever the grid's
    // titles are written without the grid (the command-line export).
    registerHooks(RegisterId::Rates).columnTitles = [](DataModule& data) {
        return rateGridTitles(readVehicleKindNames(data));
    };
}

FormSetup rateFormSetup(const QStringList& labels) {
    FormSetup s;
    for (int i = 0; i < labels.size() && i < kRateColumnCount; ++i)
        s.labels.insert(rateColumns().at(i), labels.at(i));
    return s;
}

QStringList rateLabels(const FormSetup& setup) {
    QStringList labels;
    for (const QString& column : rateColumns())
        labels.append(setup.labels.value(column));
    return labels;
}

RegisterEditing<RateFormValues> rateEditing(std::function<QStringList()> labels) {
    RegisterEditing<RateFormValues> e;
    e.fields = &rateFields();
    e.card = &rateCard();
    e.defaults = newRateDefaults;
    e.setup = [labels](bool) { return rateFormSetup(labels ? labels() : QStringList()); };
    // Rows are keyed by the date number.
    e.uniqueColumn = QStringLiteral("DATAOD");
    e.uniqueMatch = KeyMatch::Number;
    e.duplicateMessage = kDuplicateRateDateText;
    return e;
}

EditSteps rateEditSteps(RegisterController& reg, FormView<RateFormValues>& form,
                        std::function<QStringList()> labels) {
    return registerEditSteps(reg, form, rateEditing(std::move(labels)), true);
}

} // namespace kv
