#include "fleet/EmployeeRegister.h"

#include "fleet/EmployeeQueries.h"
#include "framework/RegisterController.h"
#include "storage/DataModule.h"

namespace kv {

namespace {

const QString kNumber = QStringLiteral("NREW");

EditSteps employeeSteps(RegisterController& reg, EmployeeFormView& form, bool numberEditable) {
    DataModule& db = reg.database();
    // The number the record is saved under: as typed without the blanks
    // around it, or the record's own when the window may not change it.
    auto savedNumber = [&reg, &form, numberEditable] {
        return numberEditable ? form.values().nrew.trimmed() : reg.currentValue(kNumber).toString();
    };
    EditSteps s;
    s.fill = [&reg, &form, numberEditable](bool fromCurrent) {
        const auto rows = reg.query().result();
        form.load(fromCurrent && rows ? employeeFromRecord(*rows, reg.currentRow())
                                      : EmployeeFormValues{},
                  numberEditable);
    };
    s.show = [&form] { return form.confirm(); };
    s.typedKey = savedNumber;
    s.currentKey = [&reg] { return reg.currentValue(kNumber).toString(); };
    s.keyExists = [&db](const QString& key) {
        return db.recordExistsByText(QStringLiteral("osobowa"), kNumber, key);
    };
    s.duplicateMessage = QStringLiteral("Istnieje już osoba o podanym numerze ewidencyjnym.");
    s.write = [&reg, &form, &db, savedNumber](bool insert) {
        EmployeeFormValues v = form.values();
        v.nrew = savedNumber();
        QStringList params = employeeParams(v);
        if (!insert)
            params.append(reg.currentValue(kNumber).toString()); // :PARAM11, the old number
        db.execute(db.query(insert ? kEmployeeInsertQuery : kEmployeeUpdateQuery), params);
    };
    s.savedKey = [savedNumber](bool) -> QVariantList { return {savedNumber()}; };
    return s;
}

} // namespace

EditSteps employeeAddSteps(RegisterController& reg, EmployeeFormView& form) {
    return employeeSteps(reg, form, true);
}

EditSteps employeeEditSteps(RegisterController& reg, EmployeeFormView& form,
                            bool numberChangeAllowed) {
    return employeeSteps(reg, form, numberChangeAllowed);
}

} // namespace kv
