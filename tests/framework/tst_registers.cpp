#include "ScriptedForm.h"
#include "TestSupport.h"

#include "fleet/VehicleRegister.h"
#include "framework/EditCycle.h"
#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterStates.h"
#include "framework/RegisterTableModel.h"
#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/engine/EngineSession.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kv;

namespace {

// A vehicle window that answers from a script: each exec() takes the next
// values (after the checks of the real window), or cancels when none is left.
struct ScriptedVehicleForm : test::ScriptedForm<VehicleFormValues> {
    ScriptedVehicleForm()
        : ScriptedForm([](VehicleFormValues& v, const FormSetup&) { return checkVehicleForm(v); }) {
    }
};

VehicleFormValues vehicle(const QString& nr, const QString& make = QStringLiteral("Skoda")) {
    VehicleFormValues v = newVehicleDefaults();
    v.nrrej = nr;
    v.marka = make;
    v.capacity = QStringLiteral("1400");
    return v;
}

} // namespace

class TestRegisters : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;

    void openCompany(const QString& name) {
        const QString location = env.newDirectory(name);
        test::makeTemplateCompany(QDir(location).filePath(QStringLiteral("firma")));
        QFile::copy(QDir(test::templateDataDir()).filePath(QStringLiteral("firmyblank.D_")),
                    QDir(location).filePath(QStringLiteral("firmy.DB")));
        db.reset();
        db = std::make_unique<DataModule>();
        db->setLocation(location);
        QVERIFY(db->openCompanyDatabase(QStringLiteral("firma")));
    }

    bool add(RegisterController& reg, ScriptedVehicleForm& form, const VehicleFormValues& v,
             bool copy = false) {
        form.script = {v};
        const EditSteps steps = vehicleEditSteps(
            reg, form, [] { return VehicleLists{}; }, nullptr);
        return runAdd(reg, steps, copy);
    }

    QStringList numbersInGrid(RegisterController& reg) {
        QStringList out;
        const auto rows = reg.query().result();
        for (int i = 0; rows && i < rows->rowCount(); ++i)
            out.append(rows->text(i, QStringLiteral("NRREJ")));
        return out;
    }

private slots:
    void initTestCase() {
        engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    }

    void addEditCopyAndUniqueness() {
        openCompany(QStringLiteral("cycle"));
        RegisterController reg(*db, RegisterId::Vehicles);
        QVERIFY(reg.refresh());
        QVERIFY(reg.isEmpty());
        ScriptedVehicleForm form;
        VehicleFormValues first = vehicle(QStringLiteral("WE 12345"));
        first.stawka = QStringLiteral("12,5");
        first.year = QString();
        QVERIFY(add(reg, form, first));
        QCOMPARE(reg.rowCount(), 1);
        QCOMPARE(reg.currentValue(QStringLiteral("STAWKA")).toDouble(), 12.5);
        QCOMPARE(reg.currentValue(QStringLiteral("ROCZNIK")).toInt(), 0);
        QVERIFY(reg.currentValue(QStringLiteral("LP")).isNull()); // blank "Lp" stores no value
        const VehicleFormValues back =
            vehicleFields().fromRecord(*reg.query().result(), reg.currentRow());
        QCOMPARE(back.stawka, QStringLiteral("12,50"));
        QCOMPARE(back.year, QString());

        // Copy without changing the number: refused, the window comes back.
        env.ui().clear();
        form.script = {vehicle(QStringLiteral("WE 12345")), std::nullopt};
        const EditSteps steps = vehicleEditSteps(
            reg, form, [] { return VehicleLists{}; }, nullptr);
        QVERIFY(!runAdd(reg, steps, true));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Uwaga"));
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Istnieje już pojazd o podanym numerze rejestracyjnym."));
        QCOMPARE(reg.rowCount(), 1);

        // Copy mode starts from the current record.
        form.script = {std::nullopt};
        runAdd(reg, steps, true);
        QCOMPARE(form.shown.nrrej, QStringLiteral("WE 12345"));

        QVERIFY(add(reg, form, vehicle(QStringLiteral("AB 1"))));
        // The cursor is on the vehicle just added.
        QCOMPARE(reg.currentValue(QStringLiteral("NRREJ")).toString(), QStringLiteral("AB 1"));

        // Editing without changing the number never triggers the duplicate message.
        env.ui().clear();
        VehicleFormValues edited = vehicle(QStringLiteral("AB 1"), QStringLiteral("Fiat"));
        form.script = {edited};
        QVERIFY(runEdit(reg, steps));
        QVERIFY(env.ui().messages().isEmpty());
        QCOMPARE(reg.currentValue(QStringLiteral("MARKA")).toString(), QStringLiteral("Fiat"));
        // Changing it to another vehicle's number is refused.
        form.script = {vehicle(QStringLiteral("WE 12345")), std::nullopt};
        QVERIFY(!runEdit(reg, steps));
        QVERIFY(env.ui().contains(QStringLiteral("Istnieje już pojazd")));
    }

    void vehicleChecks() {
        VehicleFormValues v = vehicle(QStringLiteral("X1"));
        v.year = QStringLiteral("1969");
        QCOMPARE(checkVehicleForm(v).field, QStringLiteral("fROCZNIK"));
        v.year = QStringLiteral("2035");
        QVERIFY(checkVehicleForm(v).ok);
        v.capacity = QStringLiteral("1.6");
        const FormCheck c = checkVehicleForm(v);
        QCOMPARE(c.field, QStringLiteral("fPOJEMNOSC"));
        QVERIFY(c.message.startsWith(QStringLiteral("Niepoprawna pojemność silnika.")));
        v.capacity = QString();
        QVERIFY(checkVehicleForm(v).ok);
        QCOMPARE(v.capacity, QStringLiteral("0"));
        v.nrrej = QStringLiteral("   ");
        QCOMPARE(checkVehicleForm(v).message,
                 QStringLiteral("Nie wprowadzono numeru rejestracyjnego. Popraw pole."));
        v.nrrej = QStringLiteral("X1");
        v.dataOc = QStringLiteral("31.02.2024");
        QCOMPARE(checkVehicleForm(v).field, QStringLiteral("fDATAOC"));
        v.dataOc = QStringLiteral("  .  .    ");
        v.stawka = QStringLiteral("abc");
        QVERIFY(checkVehicleForm(v).ok);
        QCOMPARE(v.stawka, QStringLiteral("0,00"));
        VehicleFormValues fresh = newVehicleDefaults();
        QCOMPARE(fresh.normaOd, QStringLiteral("0"));
        fresh.nrrej = QStringLiteral("X2");
        QVERIFY(checkVehicleForm(fresh).ok);
        QCOMPARE(fresh.normaOd, QStringLiteral("0,00"));
        QCOMPARE(rewriteOrdinal(QStringLiteral("abc")), QStringLiteral("0"));
        QCOMPARE(rewriteOrdinal(QStringLiteral("3,6")), QStringLiteral("4"));
        QCOMPARE(rewriteTwoDecimals(QStringLiteral("7")), QStringLiteral("7,00"));
        QCOMPARE(rewriteTwoDecimals(QStringLiteral("x")), QStringLiteral("x"));
        // The tachograph date is checked before the other dates.
        v.dataTacho = QStringLiteral("99.99.9999");
        v.dataPrze = QStringLiteral("99.99.9999");
        QCOMPARE(checkVehicleForm(v).field, QStringLiteral("fDATATACHO"));
    }

    void sortingInvertsAndCarriesDirection() {
        openCompany(QStringLiteral("sort"));
        RegisterController reg(*db, RegisterId::Vehicles);
        ScriptedVehicleForm form;
        for (const char* nr : {"B", "C", "A"})
            QVERIFY(add(reg, form,
                        vehicle(QLatin1String(nr), QLatin1String(nr) == u"A"
                                                       ? QStringLiteral("Zeta")
                                                       : QStringLiteral("Alfa"))));
        QCOMPARE(numbersInGrid(reg), (QStringList{"A", "B", "C"}));
        QVERIFY(reg.sortBy(QStringLiteral("NRREJ")));
        reg.refresh();
        QCOMPARE(numbersInGrid(reg), (QStringList{"C", "B", "A"}));
        // Another column keeps the descending direction.
        QVERIFY(reg.sortBy(QStringLiteral("MARKA")));
        reg.refresh();
        QCOMPARE(numbersInGrid(reg).first(), QStringLiteral("A"));
        QVERIFY(!reg.state().ascending);

        RegisterController fuel(*db, RegisterId::Consumption);
        QVERIFY(!fuel.sortBy(QStringLiteral("DATA")));
        RegisterController trips(*db, RegisterId::Trips);
        trips.setUnsortableColumns({QStringLiteral("STAWKA"), QStringLiteral("KWOTA")});
        QVERIFY(!trips.sortBy(QStringLiteral("KWOTA")));
    }

    void sortedByOwnerInPolishOrder() {
        openCompany(QStringLiteral("owners"));
        RegisterController reg(*db, RegisterId::Vehicles);
        ScriptedVehicleForm form;
        const QStringList owners{"Ab",     "ąb",      "Czarnecki", "Ćwik",   "Lis", "Łukasz",
                                 "Müller", "Sobczak", "Ślusarz",   "Zawada", "Żak"};
        // Entered in an order that is neither the expected one nor its reverse.
        for (int i = 0; i < owners.size(); ++i) {
            VehicleFormValues v = vehicle(QStringLiteral("WA %1").arg(i));
            v.owner = owners.at((i * 7) % owners.size());
            QVERIFY(add(reg, form, v));
        }
        const auto ownersInGrid = [&reg] {
            QStringList out;
            const auto rows = reg.query().result();
            for (int i = 0; rows && i < rows->rowCount(); ++i)
                out.append(rows->text(i, QStringLiteral("NREW")));
            return out;
        };
        QVERIFY(reg.sortBy(QStringLiteral("NREW")));
        QVERIFY(reg.refresh());
        QCOMPARE(ownersInGrid(), owners);
        QVERIFY(reg.sortBy(QStringLiteral("NREW")));
        QVERIFY(reg.refresh());
        QStringList reversed = owners;
        std::reverse(reversed.begin(), reversed.end());
        QCOMPARE(ownersInGrid(), reversed);
    }

    void deletionAsksAndLeavesOtherRecords() {
        openCompany(QStringLiteral("delete"));
        RegisterController reg(*db, RegisterId::Vehicles);
        QCOMPARE(reg.deleteCurrent(true), RegisterController::DeleteResult::Nothing);
        QVERIFY(env.ui().messages().isEmpty() ||
                env.ui().last().kind != ScriptedUserInterface::Kind::Question);
        ScriptedVehicleForm form;
        QVERIFY(add(reg, form, vehicle(QStringLiteral("DEL 1"))));
        const qint64 id = reg.currentValue(QStringLiteral("IDPOJAZD")).toLongLong();
        db->exec(QStringLiteral("INSERT INTO przejazdy.DB (DATA, IDPOJAZD) VALUES (20240101, %1)")
                     .arg(id));
        env.ui().clear();
        env.ui().queueAnswer(false);
        QCOMPARE(reg.deleteCurrent(true), RegisterController::DeleteResult::Declined);
        QCOMPARE(env.ui().last().text, QStringLiteral("Czy na pewno usunąć zaznaczoną pozycję?"));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Pytanie"));
        env.ui().clear();
        QCOMPARE(reg.deleteCurrent(false), RegisterController::DeleteResult::Deleted);
        QVERIFY(env.ui().messages().isEmpty());
        QVERIFY(reg.isEmpty());
        QCOMPARE(db->select(QStringLiteral("SELECT * FROM przejazdy")).rowCount(), 1);
    }

    void registrationNumbersAreUniqueWhateverTheirCase() {
        openCompany(QStringLiteral("case"));
        RegisterController reg(*db, RegisterId::Vehicles);
        ScriptedVehicleForm form;
        QVERIFY(add(reg, form, vehicle(QStringLiteral("EL 1H736"))));
        env.ui().clear();
        form.script = {vehicle(QStringLiteral(" el 1h736 ")), std::nullopt};
        QVERIFY(!runAdd(reg, vehicleEditSteps(reg, form, nullptr, nullptr), false));
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Istnieje już pojazd o podanym numerze rejestracyjnym."));
        QCOMPARE(reg.rowCount(), 1);
        // The vehicle itself may change the case of its own number, stored as typed.
        form.script = {vehicle(QStringLiteral("El 1h736"))};
        QVERIFY(runEdit(reg, vehicleEditSteps(reg, form, nullptr, nullptr)));
        QCOMPARE(reg.currentValue(QStringLiteral("NRREJ")).toString(), QStringLiteral("El 1h736"));
        QVERIFY(add(reg, form, vehicle(QStringLiteral("EL 1H737"))));
        QCOMPARE(reg.rowCount(), 2);
    }

    void quotedRegistrationNumberWorksEverywhere() {
        openCompany(QStringLiteral("quotes"));
        RegisterController reg(*db, RegisterId::Vehicles);
        RegisterFilters filters(*db);
        ScriptedVehicleForm form;
        const QString nasty = QStringLiteral("WE \"1'23");
        QVERIFY(add(reg, form, vehicle(nasty)));
        QVERIFY(add(reg, form, vehicle(QStringLiteral("OTHER"))));
        QVERIFY(filters.vehicleNumbers().contains(nasty));
        filters.selectVehicle(nasty);
        QVERIFY(sharedFilters(*db).selectedVehicleId > 0);
        QCOMPARE(filters.vehicleLabel(), QStringLiteral("Skoda, poj. 1400 cm3"));
        QVERIFY(reg.refresh());
        QCOMPARE(numbersInGrid(reg), QStringList{nasty});
        const EditSteps steps = vehicleEditSteps(
            reg, form, [] { return VehicleLists{}; }, nullptr);
        VehicleFormValues changed = vehicle(nasty, QStringLiteral("Ford"));
        form.script = {changed};
        QVERIFY(runEdit(reg, steps));
        QCOMPARE(reg.currentValue(QStringLiteral("MARKA")).toString(), QStringLiteral("Ford"));
        QCOMPARE(reg.deleteCurrent(false), RegisterController::DeleteResult::Deleted);
        filters.selectVehicle(QString());
        QVERIFY(reg.refresh());
        QCOMPARE(numbersInGrid(reg), QStringList{QStringLiteral("OTHER")});
        QCOMPARE(filters.vehicleLabel(), QStringLiteral("-"));
        QCOMPARE(registerState(*db, RegisterId::Consumption).vehicleFragment,
                 QStringLiteral("AND IDPOJAZD = -1"));
    }

    void statusAndFleetFilters() {
        openCompany(QStringLiteral("status"));
        RegisterController reg(*db, RegisterId::Vehicles);
        RegisterFilters filters(*db);
        ScriptedVehicleForm form;
        VehicleFormValues sold = vehicle(QStringLiteral("S1"));
        sold.status = 2;
        sold.fleetKey = 7;
        QVERIFY(add(reg, form, sold));
        QVERIFY(add(reg, form, vehicle(QStringLiteral("A1"))));
        filters.setExtraFilter(RegisterId::Vehicles, kVehicleStatusFilter,
                               vehicleStatusFragment(5));
        reg.refresh();
        QCOMPARE(numbersInGrid(reg), QStringList{QStringLiteral("S1")});
        filters.setExtraFilter(RegisterId::Vehicles, kVehicleStatusFilter,
                               vehicleStatusFragment(0));
        reg.refresh();
        QCOMPARE(numbersInGrid(reg), QStringList{QStringLiteral("A1")});
        filters.setExtraFilter(RegisterId::Vehicles, kVehicleStatusFilter,
                               vehicleStatusFragment(-1));
        filters.setExtraFilter(RegisterId::Vehicles, kVehicleFleetFilter, vehicleFleetFragment(7));
        reg.refresh();
        QCOMPARE(numbersInGrid(reg), QStringList{QStringLiteral("S1")});
        filters.setExtraFilter(RegisterId::Vehicles, kVehicleFleetFilter, vehicleFleetFragment(-1));
        reg.refresh();
        QCOMPARE(reg.rowCount(), 2);
        RegisterTableModel model(reg.descriptor());
        model.setRows(reg.query().result());
        const int status = model.columnOfField(QStringLiteral("OSTATUS"));
        QCOMPARE(
            model.cellText(reg.query().result()->text(0, QStringLiteral("NRREJ")) == u"S1" ? 0 : 1,
                           status),
            QStringLiteral("Sprzedany"));
    }

    void periodFiltersAreExact() {
        openCompany(QStringLiteral("periods"));
        for (int date : {0, 20231231, 20240101, 20240229, 20241231, 20250101})
            db->exec(QStringLiteral("INSERT INTO przejazdy.DB (DATA) VALUES (%1)").arg(date));
        RegisterFilters filters(*db);
        auto dates = [&](RegisterId id) {
            QList<int> out;
            const ResultSet r =
                db->select(QStringLiteral("SELECT DATA FROM przejazdy WHERE 1 = 1 %1 ORDER BY DATA")
                               .arg(registerState(*db, id).periodFragment));
            for (int i = 0; i < r.rowCount(); ++i)
                out.append(r.value(i, 0).toInt());
            return out;
        };
        filters.selectMonthYear(0, 2024);
        QCOMPARE(dates(RegisterId::Trips), (QList<int>{20240101, 20240229, 20241231}));
        QCOMPARE(sharedFilters(*db).periodStart, 20240000);
        QCOMPARE(sharedFilters(*db).periodEnd, 20241300);
        filters.selectMonthYear(2, 2024);
        QCOMPARE(dates(RegisterId::Trips), (QList<int>{20240229}));
        // Repairs without a date stay visible in every period.
        QCOMPARE(registerState(*db, RegisterId::Repairs).periodFragment,
                 QStringLiteral("AND ((DATA > 20240200 AND DATA < 20240300) OR (DATA = 0))"));
        filters.selectMonthYear(3, 0); // all years forces all months
        QCOMPARE(dates(RegisterId::Trips).size(), 6);
        QCOMPARE(sharedFilters(*db).periodEnd, 0);
        filters.selectDateRange(QStringLiteral("01.01.2024"), QStringLiteral("  .  .    "));
        QCOMPARE(dates(RegisterId::Trips), (QList<int>{20240101, 20240229, 20241231, 20250101}));
        QCOMPARE(sharedFilters(*db).periodEnd, 99999999);
        filters.selectDateRange(QStringLiteral("xx"), QStringLiteral("31.12.2023"));
        QCOMPARE(dates(RegisterId::Trips), (QList<int>{0, 20231231}));
    }

    void aFailedRefreshKeepsTheRows() {
        openCompany(QStringLiteral("keep"));
        RegisterController reg(*db, RegisterId::Vehicles);
        ScriptedVehicleForm form;
        QVERIFY(add(reg, form, vehicle(QStringLiteral("K1"))));
        reg.state().sortColumn = QStringLiteral("NO_SUCH_COLUMN");
        env.ui().clear();
        QVERIFY(!reg.refresh());
        QCOMPARE(reg.rowCount(), 1);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd bazy danych"));
    }
};

QTEST_GUILESS_MAIN(TestRegisters)
#include "tst_registers.moc"
