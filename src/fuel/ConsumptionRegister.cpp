#include "fuel/ConsumptionRegister.h"

#include "framework/RegisterStates.h"
#include "fuel/ConsumptionQueries.h"
#include "fuel/ConsumptionView.h"
#include "fuel/FuelKinds.h"
#include "fuel/RefuellingHandOvers.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/DateNumbers.h"
#include "support/UserInterface.h"
#include "trips/OdometerHistory.h"
#include "trips/OdometerReadings.h"

namespace kv {

namespace {

// Logged when the distance button cannot read the previous reading.
constexpr qint64 kPreviousReadingCode = 4303;

RefuellingRow typedRow(const RefuellingFormValues& v) {
    auto number = [](const QString& text) { return Decimal::parse(text).value_or(Decimal()); };
    return {textToDateNumber(v.data, true), number(v.first), number(v.tankowanie),
            number(v.licznik)};
}

QString tableBase(DataModule& db, RegisterId id) {
    return consumptionTable(db, id).chopped(3);
}

// The vehicle a register's command works on: the vehicle selector's for a
// new refuelling, the row's own when editing (it cannot be changed).
int vehicleOf(DataModule& db, RegisterController& reg, bool insert) {
    return insert ? sharedFilters(db).selectedVehicleId
                  : static_cast<int>(reg.currentValue(QStringLiteral("IDPOJAZD")).toLongLong());
}

int currentDate(RegisterController& reg) {
    return static_cast<int>(reg.currentValue(QStringLiteral("DATA")).toLongLong());
}

// One transaction: the refuelling goes into the row the vehicle has on its
// day when there is one (the user agreed to that before), else it is
// inserted or rewrites the edited row.
void writeRefuelling(DataModule& db, RegisterId id, int vehicle, bool insert, int oldDate,
                     const RefuellingRow& typed) {
    engine::Connection& c = db.companyConnection();
    // Inside a hand-over's transaction (a fuel cost and its refuelling) the
    // write is part of it; otherwise it is a transaction of its own.
    const bool own = !c.inTransaction();
    if (own)
        c.beginWrite({tableBase(db, id)});
    try {
        const bool moved = insert || typed.date != oldDate;
        const std::optional<RefuellingRow> stored =
            moved ? refuellingOfDay(db, id, vehicle, typed.date) : std::nullopt;
        if (stored) {
            if (!insert)
                deleteRefuelling(db, id, vehicle, oldDate);
            updateRefuelling(db, id, vehicle, typed.date,
                             mergedRefuelling(consumptionKind(id), *stored, typed));
        } else if (insert) {
            insertRefuelling(db, id, vehicle, typed);
        } else {
            updateRefuelling(db, id, vehicle, oldDate, typed);
        }
        if (own)
            c.commit();
    } catch (const DatabaseError&) {
        if (own)
            c.rollback();
        throw;
    }
}

} // namespace

QString consumptionHistorySource(RegisterId id) {
    switch (id) {
    case RegisterId::ConsumptionKm:
        return QStringLiteral("ZUŻYCIE PALIWA KM");
    case RegisterId::ConsumptionMth:
        return QStringLiteral("ZUŻYCIE PALIWA MTH");
    default:
        return QStringLiteral("ZUŻYCIE PALIWA CIĄGŁE");
    }
}

RefuellingRow mergedRefuelling(ConsumptionKind kind, const RefuellingRow& stored,
                               const RefuellingRow& added) {
    RefuellingRow r = stored;
    r.date = stored.date;
    if (kind != ConsumptionKind::Continuous)
        r.first = stored.first + added.first;
    r.litres = stored.litres + added.litres;
    r.reading = std::max(stored.reading, added.reading);
    return r;
}

RegisterEditing<RefuellingFormValues> consumptionEditing(DataModule& db, RegisterId id) {
    RegisterEditing<RefuellingFormValues> e;
    const ConsumptionKind kind = consumptionKind(id);
    e.fields = &refuellingFields(kind);
    DataModule* data = &db;
    e.defaults = [] { return newRefuellingDefaults(); };
    e.confirmSave = [data, id, kind](RegisterController& reg, const RefuellingFormValues& v,
                                     bool insert) {
        const int vehicle = vehicleOf(*data, reg, insert);
        const RefuellingRow typed = typedRow(v);
        if (insert || typed.date != currentDate(reg)) {
            std::optional<RefuellingRow> stored;
            try {
                stored = refuellingOfDay(*data, id, vehicle, typed.date);
            } catch (const DatabaseError& e) {
                reportDatabaseError(e.message(), true, reg.descriptor().refreshCode);
                return false;
            }
            if (stored && !ui().question(QStringLiteral("Pytanie"), kMergeQuestion))
                return false;
        }
        ReadingCheck check;
        check.vehicleId = vehicle;
        check.unit =
            kind == ConsumptionKind::PerHour ? ReadingUnit::EngineHours : ReadingUnit::Kilometres;
        check.typed.append({QStringLiteral("Stan licznika"), {typed.date, typed.reading, {}}});
        if (!insert)
            check.edited = {tableBase(*data, id), currentDate(reg)};
        return confirmReadings(*data, check);
    };
    return e;
}

EditSteps consumptionEditSteps(RegisterController& reg, FormView<RefuellingFormValues>& form,
                               bool adding) {
    DataModule& db = reg.database();
    const RegisterId id = reg.descriptor().id;
    EditSteps s = registerEditSteps(reg, form, consumptionEditing(db, id), adding);
    // What the write wrote, for the steps after it.
    auto written = std::make_shared<RefuellingFormValues>();
    auto vehicle = std::make_shared<int>(0);
    DataModule* data = &db;
    RegisterController* r = &reg;
    FormView<RefuellingFormValues>* f = &form;
    s.write = [data, r, f, id, written, vehicle](bool insert) {
        *written = f->values();
        *vehicle = vehicleOf(*data, *r, insert);
        writeRefuelling(*data, id, *vehicle, insert, insert ? 0 : currentDate(*r),
                        typedRow(*written));
    };
    s.tables = [data, id] { return QStringList{tableBase(*data, id)}; };
    // "Dodaj dane do kosztów": the cost's window follows, prefilled, and the
    // two are written together.
    s.handOver = [data, r, f](bool insert) -> std::optional<HandOverRequest> {
        const RefuellingFormValues v = f->values();
        if (!v.addToCosts)
            return std::nullopt;
        return refuellingCostRequest(v, vehicleOf(*data, *r, insert));
    };
    s.savedKey = [written, vehicle](bool) {
        return QVariantList{qint64(textToDateNumber(written->data, true)), qint64(*vehicle)};
    };
    s.afterWrite = [data, id, written, vehicle](bool) {
        offerReadingToHistory(*data, *vehicle, written->data, consumptionHistorySource(id),
                              written->licznik);
    };
    return s;
}

bool addRefuelling(RegisterController& reg, FormView<RefuellingFormValues>& form, bool copyMode) {
    if (sharedFilters(reg.database()).selectedVehicleId <= 0) {
        ui().information(QStringLiteral("Informacja"), kNoVehicleMessage);
        return false;
    }
    return runAdd(reg, consumptionEditSteps(reg, form, true), copyMode);
}

bool editRefuelling(RegisterController& reg, FormView<RefuellingFormValues>& form) {
    return runEdit(reg, consumptionEditSteps(reg, form, false));
}

DistanceOutcome distanceFromReading(DataModule& db, RegisterId id, int vehicleId,
                                    const QString& dateText, const QString& readingText) {
    const std::optional<Decimal> reading = Decimal::parse(readingText);
    if (!reading || reading->isZero()) {
        ui().information(QStringLiteral("Informacja"),
                         QStringLiteral("Aby obliczyć ilość przejechanych kilometrów należy podać "
                                        "stan licznika w trakcie tankowania. Uzupełnij pole."));
        return {{}, QStringLiteral("fLICZNIK")};
    }
    if (!isCalendarDateText(dateText)) {
        ui().information(QStringLiteral("Informacja"),
                         QStringLiteral("Aby obliczyć ilość przejechanych kilometrów należy podać "
                                        "date tankowania. Uzupełnij pole."));
        return {{}, QStringLiteral("FDATA")};
    }
    try {
        const std::optional<Decimal> previous =
            previousReading(db, id, vehicleId, textToDateNumber(dateText, true));
        return {formatDecimal(*reading - previous.value_or(Decimal()), 2), {}};
    } catch (const DatabaseError& e) {
        appendErrorLog(codedLine(kPreviousReadingCode, e.message()));
        ui().information(QStringLiteral("Uwaga"),
                         QStringLiteral("Niepoprawny stan licznika. Popraw pole."));
        return {{}, QStringLiteral("fLICZNIK")};
    }
}

} // namespace kv
