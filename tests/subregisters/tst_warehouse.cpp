#include "SubregistersFixture.h"

#include "storage/ProgramOptions.h"
#include "subregisters/LowStock.h"
#include "subregisters/WarehouseRegister.h"
#include "support/Decimal.h"

using namespace kv;

// The warehouse register: its window's checks, its statement (which the
// stock check walks) and its add and edit cycle.
class TestWarehouse : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;

    int count() {
        return db->select(QStringLiteral("SELECT COUNT(*) FROM magazyn.DB")).value(0, 0).toInt();
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        db = test::openTemplateCompany(env, QStringLiteral("magazyn"));
        QVERIFY(db);
    }
    void init() {
        env.ui().clear();
        programOptions() = ProgramOptions{};
    }

    void checksRefuseABlankNameAndANegativeQuantity() {
        WarehouseFormValues v = newWarehouseDefaults();
        QCOMPARE(v.ilosc, QStringLiteral("0,00"));
        QCOMPARE(v.przypomnij, QStringLiteral("0,00"));
        v.czesc = QStringLiteral("   ");
        FormCheck c = checkWarehouseForm(v);
        QCOMPARE(c.field, QStringLiteral("fCZESC"));
        QCOMPARE(c.message, QStringLiteral("Nie podano nazwy zasobu. Popraw pole."));

        v.czesc = QStringLiteral("Olej 5W30");
        v.ilosc = QStringLiteral("-1");
        c = checkWarehouseForm(v);
        QCOMPARE(c.field, QStringLiteral("fILOSC"));
        QCOMPARE(c.message, QStringLiteral("Ilość nie może być ujemna. Popraw pole."));

        // Rewritten with two decimals, half away from zero; no number is 0.
        v.ilosc = QStringLiteral("2.005");
        v.przypomnij = QStringLiteral("abc");
        QVERIFY(checkWarehouseForm(v).ok);
        QCOMPARE(v.ilosc, QStringLiteral("2,01"));
        QCOMPARE(v.przypomnij, QStringLiteral("0,00"));
    }

    void addCopyAndEditKeepEveryResource() {
        RegisterController reg(*db, RegisterId::Warehouse);
        QVERIFY(reg.refresh());
        test::ScriptedWarehouseForm form;
        const RegisterEditing<WarehouseFormValues> e = warehouseEditing(*db);

        // A blank name and a negative quantity are refused, nothing written.
        WarehouseFormValues bad = newWarehouseDefaults();
        bad.czesc = QStringLiteral("Filtr");
        bad.ilosc = QStringLiteral("-1");
        form.script = {bad, std::nullopt};
        QVERIFY(!runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(count(), 0);

        WarehouseFormValues v = newWarehouseDefaults();
        v.czesc = QStringLiteral("Olej \"Castrol\" 5W30");
        v.ilosc = QStringLiteral("3,5");
        v.przypomnij = QStringLiteral("4");
        v.uwagi = QStringLiteral("O'Brien");
        form.script = {v};
        QVERIFY(runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(count(), 1);
        QCOMPARE(reg.currentValue(QStringLiteral("CZESC")).toString(), v.czesc);
        QCOMPARE(reg.currentValue(QStringLiteral("ILOSC")).toDouble(), 3.5);
        QCOMPARE(reg.currentValue(QStringLiteral("UWAGI")).toString(), QStringLiteral("O'Brien"));

        // A copy starts from the current record; two resources may share a name.
        WarehouseFormValues copy = v;
        copy.ilosc = QStringLiteral("10");
        form.script = {copy};
        QVERIFY(runAdd(reg, registerEditSteps(reg, form, e, true), true));
        QCOMPARE(count(), 2);
        const qint64 second = reg.currentValue(QStringLiteral("ID")).toLongLong();

        // Edit changes that record only; the cursor stays on it.
        WarehouseFormValues edited = form.shown;
        QCOMPARE(edited.ilosc, QStringLiteral("10,00"));
        edited.ilosc = QStringLiteral("0");
        form.script = {edited};
        QVERIFY(runEdit(reg, registerEditSteps(reg, form, e, false)));
        QCOMPARE(reg.currentValue(QStringLiteral("ID")).toLongLong(), second);
        const ResultSet rows =
            db->select(QStringLiteral("SELECT ILOSC FROM magazyn.DB ORDER BY ID"));
        QCOMPARE(rows.value(0, 0).toDouble(), 3.5);
        QCOMPARE(rows.value(1, 0).toDouble(), 0.0);
    }

    void theGridSortsByNameAndFeedsTheStockRule() {
        db->exec(QStringLiteral("DELETE FROM magazyn.DB"));
        db->exec(QStringLiteral("INSERT INTO magazyn.DB (CZESC, ILOSC, PRZYPOMNIJ, UWAGI) VALUES "
                                "('Żarówka', 2, 2, ''), ('Akumulator', 0, 0, ''), ('Łożysko', "
                                "5, 1, ''), ('Filtr', -1, 3, '')"));
        RegisterController reg(*db, RegisterId::Warehouse);
        QVERIFY(reg.refresh());
        QStringList names;
        QStringList short_;
        const auto rows = reg.rows();
        for (int i = 0; i < rows->rowCount(); ++i) {
            const QString name = rows->value(i, QStringLiteral("CZESC")).toString();
            names << name;
            if (isLowStock(Decimal::parse(rows->value(i, QStringLiteral("ILOSC")).toString())
                               .value_or(Decimal()),
                           Decimal::parse(rows->value(i, QStringLiteral("PRZYPOMNIJ")).toString())
                               .value_or(Decimal())))
                short_ << name;
        }
        QCOMPARE(names, (QStringList{QStringLiteral("Akumulator"), QStringLiteral("Filtr"),
                                     QStringLiteral("Łożysko"), QStringLiteral("Żarówka")}));
        // A level equal to the reminder is short, a reminder of 0 never; a
        // negative stock stored earlier is still read and counted short.
        QCOMPARE(short_, (QStringList{QStringLiteral("Filtr"), QStringLiteral("Żarówka")}));
    }
};

QTEST_GUILESS_MAIN(TestWarehouse)
#include "tst_warehouse.moc"
