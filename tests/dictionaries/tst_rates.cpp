#include "DictionaryFixture.h"
#include "ScriptedForm.h"

#include "dictionaries/AllowanceRates.h"
#include "dictionaries/RateRegister.h"
#include "dictionaries/VehicleKindNames.h"
#include "framework/EditCycle.h"
#include "framework/RegisterController.h"
#include "storage/Query.h"
#include "storage/engine/DatabaseError.h"

using namespace kv;

namespace {

// A rates window that answers from a script; like the real one it confirms
// only values that pass the checks, as the checks rewrote them.
struct ScriptedRateForm : test::ScriptedForm<RateFormValues> {
    ScriptedRateForm()
        : ScriptedForm([](RateFormValues& v, const FormSetup& setup) {
              return checkRateForm(v, rateLabels(setup));
          }) {}
};

RateFormValues rates(const QString& date, const QString& lw900 = QStringLiteral("0,5"),
                     const QString& gt900 = QStringLiteral("0,8")) {
    RateFormValues v = newRateDefaults();
    v.validFrom = date;
    v.rates[0] = lw900;
    v.rates[1] = gt900;
    return v;
}

} // namespace

// The allowance rates: the lookup the trips use, and the rate register with
// its window's checks and the uniqueness of the starting date.
class TestRates : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;

    QList<int> dates() {
        QList<int> out;
        const ResultSet r = db->select(QStringLiteral("SELECT DATAOD FROM stawki ORDER BY DATAOD"));
        for (int i = 0; i < r.rowCount(); ++i)
            out.append(r.value(i, 0).toInt());
        return out;
    }
    qint64 kindWithColumn(int n) {
        return db
            ->select(
                QStringLiteral("SELECT KOD FROM slowniki WHERE IDSLOWNIK = 'RDPOJ' AND UZUP1 = :N"),
                {{QStringLiteral("N"), QString::number(n)}})
            .value(0, 0)
            .toLongLong();
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() {
        env.ui().clear();
        db = test::openDemoCompany(env, QStringLiteral("demo"));
        QVERIFY(db);
    }
    void cleanup() { db.reset(); }

    void statutoryRatesOfTheDemonstrationData() {
        AllowanceRates allowance(*db);
        // The first lookup reads the rates.
        QCOMPARE(allowance.rate(20230116, 1, 1400), 0.8358);
        QCOMPARE(allowance.rate(20230117, 1, 1400), 1.15);
        QCOMPARE(allowance.rate(20230117, 2, 901), 1.15);
        // 900 cm3 itself is the lower rate.
        QCOMPARE(allowance.rate(20230117, 1, 900), 0.89);
        QCOMPARE(allowance.rate(20230116, 2, 900), 0.5214);
        QCOMPARE(allowance.rate(20250601, 3, 125), 0.69);
        QCOMPARE(allowance.rate(20250601, 4, 50), 0.42);
        QCOMPARE(allowance.rate(20100101, 3, 125), 0.2302);
        QCOMPARE(allowance.rate(20100101, 4, 50), 0.1382);
        // Before every rate row there is no rate.
        QCOMPARE(allowance.rateText(20071113, 1, 1400), QStringLiteral("0,0000"));
        QCOMPARE(allowance.rateText(20071114, 1, 1400), QStringLiteral("0,8358"));
        QCOMPARE(allowance.amountText(100, 20071113, 1, 1400), QStringLiteral("0,00"));
        QCOMPARE(allowance.amountText(120, 20230117, 1, 1400), QStringLiteral("138,00"));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(allowance.rateText(20071113, 1, 1400), QStringLiteral("0.0000"));
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    }

    void furtherKindsUseTheirOwnColumn() {
        db->exec(QStringLiteral("UPDATE stawki SET RDPOJ7 = 0.12344 WHERE DATAOD = 20230117"));
        AllowanceRates allowance(*db);
        const int kind = static_cast<int>(kindWithColumn(7));
        QVERIFY(kind > 4);
        QCOMPARE(allowance.rate(20230117, kind, 2000), 0.1234);
        QCOMPARE(allowance.rateText(20230117, kind, 2000), QStringLiteral("0,1234"));
        // The product is taken with the four-decimal rate: 100 x 0.1234.
        QCOMPARE(allowance.amount(100, 20230117, kind, 2000), 12.34);
        QCOMPARE(allowance.amount(100, 20230116, kind, 2000), 0.0);
        QCOMPARE(allowance.rate(20230117, static_cast<int>(kindWithColumn(8)), 2000), 0.0);
        // A kind that is no vehicle kind at all has no rate.
        QCOMPARE(allowance.rate(20230117, 9999, 2000), 0.0);
    }

    void changedRatesCountAfterAReload() {
        AllowanceRates allowance(*db);
        QCOMPARE(allowance.rate(20240101, 1, 1400), 1.15);
        db->exec(
            QStringLiteral("INSERT INTO stawki (DATAOD, LW900, GT900) VALUES (20240101, 1, 2)"));
        QCOMPARE(allowance.rate(20240101, 1, 1400), 1.15);
        QVERIFY(allowance.reload());
        QCOMPARE(allowance.rate(20240101, 1, 1400), 2.0);
        QCOMPARE(allowance.rate(20231231, 1, 1400), 1.15);
    }

    void rateChecks() {
        QStringList labels = rateFieldLabels(VehicleKindNames{});
        labels[8] = QStringLiteral("Ciągnik");
        RateFormValues v = rates(QStringLiteral("  .  .    "));
        FormCheck c = checkRateForm(v, labels);
        QCOMPARE(c.message, QStringLiteral("Niepoprawny format daty. Popraw pole."));
        QCOMPARE(c.field, kRateDateField);
        v.validFrom = QStringLiteral("30.02.2024");
        QVERIFY(!checkRateForm(v, labels).ok);
        v.validFrom = QStringLiteral("29.02.2024");
        QVERIFY(checkRateForm(v, labels).ok);
        // Blank rates become zero, numbers get four decimals.
        QCOMPARE(v.rates.at(0), QStringLiteral("0,5000"));
        QCOMPARE(v.rates.at(19), QStringLiteral("0,0000"));

        const struct {
            int index;
            const char* field;
            QString message;
        } cases[] = {
            {0, "FLW900",
             QStringLiteral("Niepoprawna wartość stawki dla pojazdów poniżej 900 cm3")},
            {1, "FGT900",
             QStringLiteral("Niepoprawna wartość stawki dla pojazdów powyżej 900 cm3")},
            {2, "FMotocykl", QStringLiteral("Niepoprawna wartość stawki dla Motocykli.")},
            {3, "FMotorower", QStringLiteral("Niepoprawna wartość stawki dla Motorowerów.")},
            {8, "rodz9", QStringLiteral("Niepoprawna wartość stawki dla Ciągnik")},
            {19, "rodz20", QStringLiteral("Niepoprawna wartość stawki dla Inne")},
        };
        for (const auto& k : cases) {
            RateFormValues bad = rates(QStringLiteral("01.01.2024"));
            bad.rates[k.index] = QStringLiteral("0,8 zł");
            c = checkRateForm(bad, labels);
            QCOMPARE(c.field, QLatin1String(k.field));
            QCOMPARE(c.message, k.message);
            QVERIFY(c.selectAll);
        }
        // The first failing rate is reported.
        RateFormValues two =
            rates(QStringLiteral("01.01.2024"), QStringLiteral("x"), QStringLiteral("y"));
        QCOMPARE(checkRateForm(two, labels).field, QStringLiteral("FLW900"));
    }

    void oneRowPerStartingDate() {
        RegisterController reg(*db, RegisterId::Rates);
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rowCount(), 2);
        ScriptedRateForm form;
        const QStringList labels = rateFieldLabels(readVehicleKindNames(*db));
        const EditSteps steps = rateEditSteps(reg, form, [labels] { return labels; });

        form.script = {
            rates(QStringLiteral("01.03.2024"), QStringLiteral("0,9"), QStringLiteral("1.2"))};
        QVERIFY(runAdd(reg, steps, false));
        QCOMPARE(rateLabels(form.setup).at(2), QStringLiteral("Motocykl"));
        QCOMPARE(dates(), (QList<int>{20071114, 20230117, 20240301}));
        QCOMPARE(reg.currentValue(QStringLiteral("DATAOD")).toInt(), 20240301);
        QCOMPARE(reg.currentValue(QStringLiteral("GT900")).toDouble(), 1.2);
        QCOMPARE(reg.currentValue(QStringLiteral("RDPOJ20")).toDouble(), 0.0);

        // The same date again: refused, and the window comes back as typed.
        env.ui().clear();
        form.shows = 0;
        form.script = {rates(QStringLiteral("01.03.2024"), QStringLiteral("7")), std::nullopt};
        QVERIFY(!runAdd(reg, steps, false));
        QCOMPARE(form.shows, 2);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Uwaga"));
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Istnieje już definicja stawek na podaną datę."));
        QCOMPARE(dates().size(), 3);
        // Copying without changing the date is the same duplicate.
        form.script = {std::nullopt};
        runAdd(reg, steps, true);
        QCOMPARE(form.shown.validFrom, QStringLiteral("01.03.2024"));
        QCOMPARE(form.shown.rates.at(0), QStringLiteral("0,9000"));

        // Editing a row without changing its date is accepted.
        env.ui().clear();
        QVERIFY(reg.locate({20240301}));
        form.script = {
            rates(QStringLiteral("01.03.2024"), QStringLiteral("0,95"), QStringLiteral("1,25"))};
        QVERIFY(runEdit(reg, steps));
        QVERIFY(env.ui().messages().isEmpty());
        QCOMPARE(reg.currentValue(QStringLiteral("LW900")).toDouble(), 0.95);
        QCOMPARE(dates().size(), 3);
        // Moving it onto another row's date is refused.
        form.script = {rates(QStringLiteral("17.01.2023")), std::nullopt};
        QVERIFY(!runEdit(reg, steps));
        QVERIFY(env.ui().contains(QStringLiteral("Istnieje już definicja stawek")));
        QCOMPARE(db->select(QStringLiteral("SELECT GT900 FROM stawki WHERE DATAOD = 20230117"))
                     .value(0, 0)
                     .toDouble(),
                 1.15);
        // Moving it to a free date moves the row, and the cursor with it.
        form.script = {rates(QStringLiteral("02.03.2024"), QStringLiteral("0,95"))};
        QVERIFY(runEdit(reg, steps));
        QCOMPARE(dates(), (QList<int>{20071114, 20230117, 20240302}));
        QCOMPARE(reg.currentValue(QStringLiteral("DATAOD")).toInt(), 20240302);

        // Deleting takes the row of the date.
        QCOMPARE(reg.deleteCurrent(false), RegisterController::DeleteResult::Deleted);
        QCOMPARE(dates(), (QList<int>{20071114, 20230117}));
    }

    void aDuplicateNeverReachesTheTable() {
        // Even past the window's check the table keeps one row per date.
        Query& insert = db->query(QStringLiteral("DBFInsertStawki"));
        fillSlots(insert, rateFields().slotValues(rates(QStringLiteral("17.01.2023"))));
        bool refused = false;
        try {
            db->execute(insert);
        } catch (const DatabaseError&) {
            refused = true;
        }
        QVERIFY(refused);
        QCOMPARE(dates().size(), 2);
    }

    void writeFailuresCarryTheRegistersCodes() {
        RegisterController reg(*db, RegisterId::Rates);
        QVERIFY(reg.refresh());
        ScriptedRateForm form;
        const EditSteps steps = rateEditSteps(reg, form, {});
        db->exec(QStringLiteral("DROP TABLE stawki.stawki"));
        form.script = {rates(QStringLiteral("01.01.2030"))};
        // The failed uniqueness test blocks the insert as a duplicate would.
        QVERIFY(!runAdd(reg, steps, false));
        db->exec(QStringLiteral("CREATE TABLE stawki.stawki (DATAOD INTEGER)"));
        form.script = {rates(QStringLiteral("01.01.2030"))};
        QVERIFY(!runAdd(reg, steps, false));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000005]")));
        form.script = {rates(QStringLiteral("01.01.2031"))};
        QVERIFY(!runEdit(reg, steps));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000011]")));
    }
};

QTEST_GUILESS_MAIN(TestRates)
#include "tst_rates.moc"
