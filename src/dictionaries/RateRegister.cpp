#include "dictionaries/RateRegister.h"

#include "dictionaries/RateQueries.h"
#include "framework/RegisterController.h"
#include "storage/DataModule.h"

namespace kv {

EditSteps rateEditSteps(RegisterController& reg, RateFormView& form,
                        std::function<QStringList()> labels) {
    DataModule& db = reg.database();
    EditSteps s;
    s.fill = [&reg, &form, labels](bool fromCurrent) {
        const auto rows = reg.query().result();
        form.load(fromCurrent && rows ? rateFormFromRecord(*rows, reg.currentRow())
                                      : newRateDefaults(),
                  labels ? labels() : QStringList());
    };
    s.show = [&form] { return form.confirm(); };
    // Rows are keyed by the date number.
    s.typedKey = [&form] { return QString::number(rateFormDate(form.values())); };
    s.currentKey = [&reg] {
        return QString::number(reg.currentValue(QStringLiteral("DATAOD")).toLongLong());
    };
    s.keyExists = [&db](const QString& key) {
        return db.recordExists(QStringLiteral("stawki"), QStringLiteral("DATAOD"),
                               key.toLongLong());
    };
    s.duplicateMessage = kDuplicateRateDateText;
    s.write = [&reg, &form, &db](bool insert) {
        QHash<QString, QString> values = rateSlotValues(form.values());
        Query& q = db.query(insert ? QStringLiteral("DBFInsertStawki")
                                   : QStringLiteral("DBFUpdateStawki"));
        if (!insert)
            values.insert(QStringLiteral("KEY"),
                          QString::number(reg.currentValue(QStringLiteral("DATAOD")).toLongLong()));
        fillSlots(q, insert ? rateInsertShape() : rateUpdateShape(), values);
        db.execute(q);
    };
    s.savedKey = [&form](bool) -> QVariantList { return {rateFormDate(form.values())}; };
    return s;
}

} // namespace kv
