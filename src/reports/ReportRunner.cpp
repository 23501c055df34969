#include "reports/ReportRunner.h"

#include "framework/RegisterController.h"
#include "framework/RegisterStates.h"
#include "reportengine/ReportFonts.h"
#include "reports/CommonVariables.h"
#include "reports/ReportRow.h"
#include "reports/ReportWalk.h"
#include "reports/SpecialRowSources.h"
#include "storage/DataModule.h"
#include "storage/SettingsPaths.h"
#include "support/UserInterface.h"
#include "trips/VatMileageRecord.h"

#include <QDir>

namespace kv {

namespace {

const QString kKeyParameter = QStringLiteral("RAPKLUCZ");

// The condition of a report put into its register's slot for one run and
// taken out again, whatever happens in between.
class ConditionForRun {
public:
    ConditionForRun(DataModule& db, RegisterId id) : m_state(registerState(db, id)) {}
    ~ConditionForRun() {
        if (m_slot.isEmpty())
            return;
        m_state.extraFragments[m_slot] = m_previous;
        m_state.extraParameters.remove(kKeyParameter);
    }
    void set(const QString& slot, const QString& fragment, const QString& key = QString()) {
        m_slot = slot;
        m_previous = m_state.extraFragments.value(slot);
        m_state.extraFragments[slot] = fragment;
        if (!key.isNull())
            m_state.extraParameters[kKeyParameter] = key;
    }

private:
    RegisterViewState& m_state;
    QString m_slot;
    QString m_previous;
};

// The vehicle list ignores the vehicle selector for its run.
class WithoutVehicleFilter {
public:
    WithoutVehicleFilter(DataModule& db, RegisterId id, bool active)
        : m_state(registerState(db, id)), m_active(active) {
        if (!active)
            return;
        m_fragment = m_state.vehicleFragment;
        m_state.vehicleFragment.clear();
    }
    ~WithoutVehicleFilter() {
        if (m_active)
            m_state.vehicleFragment = m_fragment;
    }

private:
    RegisterViewState& m_state;
    bool m_active;
    QString m_fragment;
};

bool failWith(const QString& caption, const QString& text) {
    ui().information(caption, text);
    return false;
}

} // namespace

QString reportTemplateDirectory() {
    return QDir(installDirectory()).filePath(QStringLiteral("raporty"));
}

QString reportUnavailableReason(DataModule& db, const ReportDefinition& def) {
    if (def.ownIssue)
        return QStringLiteral("Raport \"%1\" zostanie dodany w kolejnej wersji programu.")
            .arg(def.caption);
    RegisterId needed = def.reg;
    if (def.source == RowSourceKind::DriversOfVehicle)
        needed = RegisterId::Trips;
    const RegisterDescriptor& d = registerDescriptor(needed);
    if (!db.hasQuery(d.query))
        return QStringLiteral("Raport \"%1\" nie jest dostępny w tej wersji programu: rejestr "
                              "\"%2\" zostanie dodany w kolejnej wersji.")
            .arg(def.caption, d.name);
    return QString();
}

std::optional<report::ReportDocument> runReport(DataModule& db, const ReportDefinition& def,
                                                const ReportChoices& choices,
                                                const PeriodChoice& period,
                                                const QString& templateDir) {
    // What this version cannot run is said before anything is asked of the user.
    const QString unavailable = reportUnavailableReason(db, def);
    if (!unavailable.isEmpty()) {
        failWith(QStringLiteral("Informacja"), unavailable);
        return std::nullopt;
    }
    if (!checkReportSelection(def.check, sharedFilters(db), choices, period))
        return std::nullopt;
    const QString dir = templateDir.isEmpty() ? reportTemplateDirectory() : templateDir;
    report::TemplateError error;
    const auto tpl = report::loadTemplate(QDir(dir).filePath(def.templateFile), &error);
    if (!tpl) {
        failWith(QStringLiteral("Błąd"), error.message());
        return std::nullopt;
    }
    QString fontError;
    if (!report::loadReportFonts(&fontError)) {
        failWith(QStringLiteral("Błąd"), fontError);
        return std::nullopt;
    }

    WalkExtras extras;
    std::unique_ptr<ReportRow> row;
    if (def.source == RowSourceKind::Register) {
        ConditionForRun condition(db, def.reg);
        switch (def.extra) {
        case ExtraCondition::None:
            break;
        case ExtraCondition::DriverKey:
            condition.set(QStringLiteral("extra"),
                          QStringLiteral("AND %1 = :%2").arg(def.keyColumn, kKeyParameter),
                          choices.driverKey);
            break;
        case ExtraCondition::FuelCardKey:
            condition.set(QStringLiteral("extra"),
                          QStringLiteral("AND %1 = :%2").arg(def.keyColumn, kKeyParameter),
                          choices.fuelCardKey);
            break;
        case ExtraCondition::OrderNumber:
            condition.set(QStringLiteral("extra"),
                          QStringLiteral("AND %1 = :%2").arg(def.keyColumn, kKeyParameter),
                          choices.orderNumber);
            break;
        case ExtraCondition::RoadCard:
            condition.set(QStringLiteral("roadCard"),
                          QStringLiteral("AND %1=%2").arg(def.keyColumn).arg(choices.roadCardId));
            break;
        case ExtraCondition::FuelKind:
            if (choices.fuelKindTicked && choices.fuelKindCode >= 0) {
                condition.set(
                    QStringLiteral("extra"),
                    QStringLiteral("AND %1=%2").arg(def.keyColumn).arg(choices.fuelKindCode));
                extras.fuelKindUsed = true;
            }
            break;
        }
        WithoutVehicleFilter allVehicles(db, def.reg, def.withoutVehicleFilter);
        RegisterController reg(db, def.reg);
        if (!reg.refresh())
            return std::nullopt; // reported with the register's code
        row = std::make_unique<ReportRow>(reg.rows(), &reg.descriptor(), reg.computedCells());
        if (def.set == VariableSet::F || def.set == VariableSet::F2)
            extras.fuel = fuelPeriodStats(def.reg, *reg.rows());
    } else if (def.source == RowSourceKind::VatMileage) {
        auto record = buildVatMileageRecord(db, sharedFilters(db).selectedVehicleNr, period.year,
                                            period.month);
        if (!record)
            return std::nullopt; // told
        extras.vatValues = std::move(record->values);
        row = std::make_unique<ReportRow>(
            std::make_shared<const ResultSet>(std::move(record->trips)));
    } else {
        auto rows = specialRows(db, def, choices);
        if (!rows)
            return std::nullopt; // reported
        row = std::make_unique<ReportRow>(std::move(rows));
        if (def.source == RowSourceKind::ChosenRoadCard) {
            extras.fixedRows = 1; // one card, whatever the statement found
            extras.companyAddress = companyAddress(db);
        }
    }
    return layoutReportRows(*tpl, def, *row, choices, commonValues(db, choices), std::move(extras));
}

} // namespace kv
