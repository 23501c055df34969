#include "fleet/EmployeeRegister.h"
#include "fleet/FleetCards.h"

#include "fleet/CompanyData.h"
#include "fleet/EmployeeReferences.h"
#include "framework/RegisterHooks.h"
#include "storage/DataModule.h"
#include "support/UserInterface.h"

namespace kv {

void registerEmployeeQueries(DataModule& db) {
    // The number follows the sort column as the last key, so people of the
    // same surname keep one order from one refresh to the next.
    StatementTemplate grid;
    grid << QStringLiteral("SELECT NREW, NAZWISKO, IMIE, ADRES, NUMER, KOD, MIASTO, KRAJ, "
                           "TELEFON, KONTAKT, UWAGI FROM osobowa.DB WHERE 1 = 1");
    grid.slot(QStringLiteral("extra"));
    grid << QStringLiteral("ORDER BY");
    grid.slot(kSortSlot).slot(kDirectionSlot);
    grid << QStringLiteral(",NREW");
    db.addQuery(registerDescriptor(RegisterId::Employees).query, ConnectionKind::Company, grid);
    addEditQueries(db, RegisterId::Employees, employeeFields());
    db.addQuery(kCompanyUpdateQuery, ConnectionKind::Company, companyUpdateShape().statement);
}

RegisterEditing<EmployeeFormValues> employeeEditing(std::function<bool()> numberChangeAllowed) {
    RegisterEditing<EmployeeFormValues> e;
    e.fields = &employeeFields();
    e.card = &employeeCard();
    e.setup = [numberChangeAllowed](bool adding) {
        FormSetup s;
        if (!adding && !(numberChangeAllowed && numberChangeAllowed()))
            s.lockedColumns.insert(QStringLiteral("NREW"));
        return s;
    };
    e.uniqueColumn = QStringLiteral("NREW");
    e.duplicateMessage = QStringLiteral("Istnieje już osoba o podanym numerze ewidencyjnym.");
    // Records of a deleted employee keep the number: a new person under it
    // would inherit them, so the user decides.
    e.confirmSave = [](RegisterController& reg, const EmployeeFormValues& v, bool insert) {
        const QString number = v.nrew.trimmed();
        if (!insert && number == reg.currentValue(QStringLiteral("NREW")).toString())
            return true;
        const QString question = employeeReuseQuestion(reg.database(), number);
        return question.isEmpty() ||
               ui().question(QStringLiteral("Pytanie"), question, DefaultAnswer::No);
    };
    return e;
}

void installEmployeeHooks() {
    registerHooks(RegisterId::Employees).deleteQuestion = [](RegisterController& reg) {
        return employeeDeleteQuestion(reg.database(),
                                      reg.currentValue(QStringLiteral("NREW")).toString());
    };
}

EditSteps employeeAddSteps(RegisterController& reg, FormView<EmployeeFormValues>& form) {
    static const RegisterEditing<EmployeeFormValues> editing = employeeEditing(nullptr);
    return registerEditSteps(reg, form, editing, true);
}

EditSteps employeeEditSteps(RegisterController& reg, FormView<EmployeeFormValues>& form,
                            bool numberChangeAllowed) {
    static const RegisterEditing<EmployeeFormValues> locked = employeeEditing(nullptr);
    static const RegisterEditing<EmployeeFormValues> open = employeeEditing([] { return true; });
    return registerEditSteps(reg, form, numberChangeAllowed ? open : locked, false);
}

} // namespace kv
