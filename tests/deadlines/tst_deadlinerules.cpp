#include "deadlines/DeadlineRules.h"
#include "support/DateNumbers.h"
#include "support/Numbers.h"

#include <QTest>

using namespace kv;

namespace {

Decimal dec(const char* text) {
    return *Decimal::parse(QString::fromUtf8(text));
}

PermissionSet everything() {
    PermissionSet p;
    p.setAll(true);
    return p;
}

DeadlineInput onToday(int y, int m, int d) {
    DeadlineInput in;
    in.today = QDate(y, m, d);
    in.permissions = everything();
    return in;
}

DatedCandidate dated(qint64 date, const QString& key, const QString& vehicle = "WA 1, Skoda") {
    DatedCandidate c;
    c.date = date;
    c.key = key;
    c.vehicle = vehicle;
    c.description = QStringLiteral("Ubezpieczenie OC");
    return c;
}

QStringList keys(const ReminderList& list) {
    QStringList out;
    for (const QStringList& row : list.rows)
        out << row.at(list.kind == ReminderListKind::Warehouse ? reminder::WarehouseKey
                                                               : reminder::Key);
    return out;
}

QString km(const char* digits) {
    return QString::fromLatin1(digits).replace(u'.', decimalSeparator()) + QStringLiteral(" km");
}

// One vehicle (id 1) with a current mileage and a repair due at `due` km.
DeadlineInput repairAt(const char* current, const char* due, int kmOd, int kmDo) {
    DeadlineInput in = onToday(2024, 2, 28);
    in.options.kmOd = kmOd;
    in.options.kmDo = kmDo;
    in.currentMileage.insert(1, dec(current));
    in.vehicles.insert(1, VehicleState{QStringLiteral("WA 1, Skoda"), true, {}, {}});
    MileageCandidate c;
    c.vehicleId = 1;
    c.reading = dec(due);
    c.key = QStringLiteral("77");
    c.description = QStringLiteral("Naprawa");
    in.byMileage[DeadlineKind::Repair] << c;
    return in;
}

} // namespace

class TestDeadlineRules : public QObject {
    Q_OBJECT
private slots:
    void dateWindowCountsCalendarDays();
    void datesListedBeforeAndAfterTheDeadline();
    void inactiveVehiclesFollowTheOption();
    void doneRepairsAndSwitchedOffKinds();
    void readPermissionsGuardEveryKind();
    void calendarEntriesAreCheckedOnTheirChosenDate();
    void sortingIsDescendingAndStable();
    void mileageWindowEdges();
    void mileageListOrderAndVehicleRules();
    void warehouseListsOnlyPartsWithAReminderLevel();
    void titlesAndEmptyRows();
};

void TestDeadlineRules::dateWindowCountsCalendarDays() {
    // Leap year: two days after 28.02.2024 is 01.03.2024, not 20240230.
    DateWindow w = dateWindow(QDate(2024, 2, 28), 2, 3);
    QCOMPARE(w.upper, 20240301);
    QCOMPARE(w.lower, 20240224);
    w = dateWindow(QDate(2023, 12, 31), 1, 0);
    QCOMPARE(w.upper, 20240101);
    QCOMPARE(w.lower, 0);
    QVERIFY(!w.contains(0));
    QVERIFY(w.contains(19990101));
}

void TestDeadlineRules::datesListedBeforeAndAfterTheDeadline() {
    DeadlineInput in = onToday(2024, 2, 28);
    in.options.dataWsteczna = 2;
    in.options.dataWstecznaMin = 3;
    in.dated[DeadlineKind::Liability] = {dated(20240301, "a"), dated(20240302, "b"),
                                         dated(20240225, "c"), dated(20240224, "d"),
                                         dated(20240228, "e")};
    ReminderList list = dueByDate(in);
    QCOMPARE(keys(list), (QStringList{"a", "c", "e"}));
    // The date is shown as text, the code of the kind rides along hidden.
    QCOMPARE(list.rows.at(0).at(reminder::When), dateNumberToText(20240301));
    QCOMPARE(list.rows.at(0).at(reminder::Code), QStringLiteral("11"));
    QCOMPARE(list.rows.at(0).at(reminder::Description), QStringLiteral("Ubezpieczenie OC"));

    // 0 days after: every past deadline, however old, but never a missing one.
    in.options.dataWstecznaMin = 0;
    in.dated[DeadlineKind::Liability] = {dated(20190615, "old"), dated(0, "none")};
    QCOMPARE(keys(dueByDate(in)), QStringList{"old"});
}

void TestDeadlineRules::inactiveVehiclesFollowTheOption() {
    DeadlineInput in = onToday(2024, 2, 28);
    DatedCandidate sold = dated(20240228, "sold");
    sold.vehicleActive = false; // STATUS 2
    in.dated[DeadlineKind::Collision] = {sold};
    DatedCandidate repair = dated(20240228, "r");
    repair.vehicleActive = false; // only the vehicle's own dates look at it
    in.dated[DeadlineKind::Repair] = {repair};
    in.options.cbSprTermAktPojazdy = true;
    QCOMPARE(keys(dueByDate(in)), QStringList{"r"});
    in.options.cbSprTermAktPojazdy = false;
    QCOMPARE(keys(dueByDate(in)), (QStringList{"sold", "r"}));
}

void TestDeadlineRules::doneRepairsAndSwitchedOffKinds() {
    DeadlineInput in = onToday(2024, 2, 28);
    DatedCandidate done = dated(20240228, "done");
    done.done = true;
    in.dated[DeadlineKind::Repair] = {done, dated(20240228, "open")};
    in.dated[DeadlineKind::Tachograph] = {dated(20240228, "tacho")};
    QCOMPARE(keys(dueByDate(in)), QStringList{"open"}); // tachograph off by default
    in.options.cbTachograf = true;
    in.options.cbNAPRAWY = false;
    QCOMPARE(keys(dueByDate(in)), QStringList{"tacho"});

    DeadlineInput m = repairAt("50000", "50000", 1000, 0);
    m.byMileage[DeadlineKind::Repair][0].done = true;
    QVERIFY(!dueByMileage(m).hasResults());
}

void TestDeadlineRules::readPermissionsGuardEveryKind() {
    DeadlineInput in = onToday(2024, 2, 28);
    in.dated[DeadlineKind::Calendar] = {dated(20240228, "cal")};
    in.dated[DeadlineKind::Tyre] = {dated(20240228, "tyre")};
    in.dated[DeadlineKind::FuelCard] = {dated(20240228, "card")};
    QCOMPARE(keys(dueByDate(in)), (QStringList{"card", "cal", "tyre"}));
    // The calendar and the tyres need their read permission like the rest.
    in.permissions.set(33, false);
    in.permissions.set(35, false);
    QCOMPARE(keys(dueByDate(in)), QStringList{"card"});
    in.permissions.set(15, false);
    QVERIFY(!dueByDate(in).hasResults());

    DeadlineInput m = repairAt("50000", "50000", 1000, 0);
    m.byMileage[DeadlineKind::Tyre] = m.byMileage[DeadlineKind::Repair];
    m.permissions.set(35, false);
    QCOMPARE(dueByMileage(m).rows.size(), 1);
    QCOMPARE(dueByMileage(m).rows.at(0).at(reminder::Code), QStringLiteral("2"));

    in.warehouse << WarehouseCandidate{"Filtr", dec("1"), dec("2"), "", "5"};
    in.permissions.set(kWarehouseReadPermission, false);
    QVERIFY(!lowStock(in).hasResults());
}

void TestDeadlineRules::calendarEntriesAreCheckedOnTheirChosenDate() {
    QCOMPARE(calendarDeadline("O", 20240301, 20240310), std::optional<qint64>(20240301));
    QCOMPARE(calendarDeadline("D", 20240301, 20240310), std::optional<qint64>(20240310));
    QCOMPARE(calendarDeadline("", 20240301, 20240310), std::nullopt);
}

void TestDeadlineRules::sortingIsDescendingAndStable() {
    DeadlineInput in = onToday(2024, 2, 28);
    in.options.dataWsteczna = 30;
    in.dated[DeadlineKind::Liability] = {dated(20240301, "a", "KR 1, Fiat"),
                                         dated(20240310, "b", "WA 2, Opel")};
    in.dated[DeadlineKind::Collision] = {dated(20240301, "c", "WA 2, Opel"),
                                         dated(20240310, "d", "KR 1, Fiat")};
    in.dated[DeadlineKind::Tyre] = {dated(20240305, "t", "GD 3, Kia")};
    in.options.sprawdzajTerminySortuj = 0;
    QCOMPARE(keys(dueByDate(in)), (QStringList{"a", "b", "c", "d", "t"}));
    // Latest first; equal dates keep the order in which they were found.
    in.options.sprawdzajTerminySortuj = 1;
    QCOMPARE(keys(dueByDate(in)), (QStringList{"b", "d", "t", "a", "c"}));
    in.options.cbOPONY = false;
    QCOMPARE(keys(dueByDate(in)), (QStringList{"b", "d", "a", "c"}));
    // Registration numbers from Z to A.
    in.options.sprawdzajTerminySortuj = 2;
    QCOMPARE(keys(dueByDate(in)), (QStringList{"b", "c", "a", "d"}));
}

void TestDeadlineRules::mileageWindowEdges() {
    const MileageWindow w = mileageWindow(1000, 500);
    QVERIFY(w.contains(dec("50000"), dec("49000")));
    QVERIFY(!w.contains(dec("50000"), dec("48999")));
    // 50000 - 1000.01 is 48999.99, which must be passed.
    QVERIFY(!w.contains(dec("50000"), dec("48999.99")));
    QVERIFY(w.contains(dec("50000"), dec("48999.991")));
    QVERIFY(w.contains(dec("50000"), dec("50500")));
    QVERIFY(!w.contains(dec("50000"), dec("50501")));
    QVERIFY(!w.contains(dec("50000"), dec("50500.01")));
    QVERIFY(!w.contains(dec("0"), dec("0"))); // a deadline of 0 is no deadline
    const MileageWindow open = mileageWindow(1000, 0);
    QVERIFY(open.contains(dec("50000"), dec("200000")));

    QCOMPARE(dueByMileage(repairAt("49000", "50000", 1000, 0)).rows.size(), 1);
    QCOMPARE(dueByMileage(repairAt("48999", "50000", 1000, 0)).rows.size(), 0);
    QCOMPARE(dueByMileage(repairAt("50500", "50000", 1000, 500)).rows.size(), 1);
    QCOMPARE(dueByMileage(repairAt("50501", "50000", 1000, 500)).rows.size(), 0);
    QCOMPARE(dueByMileage(repairAt("200000", "50000", 1000, 0)).rows.size(), 1);
    QCOMPARE(dueByMileage(repairAt("0", "0", 1000, 0)).rows.size(), 0);

    const QStringList row = dueByMileage(repairAt("49000", "50000", 1000, 0)).rows.at(0);
    QCOMPARE(row, (QStringList{km("50000.00"), "WA 1, Skoda", "Naprawa", "", "77", "2"}));
}

void TestDeadlineRules::mileageListOrderAndVehicleRules() {
    DeadlineInput in = repairAt("49500", "50000", 1000, 0);
    // Vehicle 2 has no readings: its deadlines are never looked at.
    MileageCandidate other = in.byMileage[DeadlineKind::Repair][0];
    other.vehicleId = 2;
    other.key = "78";
    in.byMileage[DeadlineKind::Repair] << other;
    // Vehicle 1's own inspection reading comes before the table kinds, and
    // the equipment kind after the repairs however the map holds them.
    in.vehicles[1].inspectionReading = dec("49600.5");
    MileageCandidate part = in.byMileage[DeadlineKind::Repair][0];
    part.key = "9";
    in.byMileage[DeadlineKind::Equipment] << part;
    // Vehicle 0 sorts first.
    in.currentMileage.insert(0, dec("10"));
    ReminderList list = dueByMileage(in);
    QCOMPARE(keys(list), (QStringList{"1", "77", "9"}));
    QCOMPARE(list.rows.at(0).at(reminder::When), km("49600.50"));
    QCOMPARE(list.rows.at(0).at(reminder::Code), QStringLiteral("13"));

    in.vehicles[1].active = false;
    QVERIFY(!dueByMileage(in).hasResults());
    in.options.cbSprPrzebAktPojazdy = false;
    QCOMPARE(dueByMileage(in).rows.size(), 3);
    in.options.cbLICZPRZEG = false;
    QCOMPARE(keys(dueByMileage(in)), (QStringList{"77", "9"}));
}

void TestDeadlineRules::warehouseListsOnlyPartsWithAReminderLevel() {
    DeadlineInput in = onToday(2024, 2, 28);
    in.warehouse << WarehouseCandidate{"Filtr", dec("2"), dec("2"), "półka 1", "1"}
                 << WarehouseCandidate{"Olej", dec("2.5"), dec("2"), "", "2"}
                 << WarehouseCandidate{"Żarówka", dec("0"), dec("0"), "", "3"}
                 << WarehouseCandidate{"Pióro", dec("0"), dec("1"), "", "4"};
    ReminderList list = lowStock(in);
    QCOMPARE(keys(list), (QStringList{"1", "4"}));
    const QString two = QStringLiteral("2") + decimalSeparator() + QStringLiteral("00");
    QCOMPARE(list.rows.at(0), (QStringList{"Filtr", two, "półka 1", "1"}));
}

void TestDeadlineRules::titlesAndEmptyRows() {
    QCOMPARE(reminderTitles(ReminderListKind::Mileage).at(0), QStringLiteral("Licznik"));
    QCOMPARE(nothingFoundRow(ReminderListKind::Dates).at(2), kNothingFoundText);
    QCOMPARE(nothingFoundRow(ReminderListKind::Warehouse).at(0), kNothingFoundText);
    QCOMPARE(deadlineKindOfCode("15"), std::optional(DeadlineKind::Tachograph));
    QCOMPARE(deadlineKindOfCode("99"), std::nullopt);
    DeadlineInput in = onToday(2024, 2, 28);
    in.checks = {false, true, false};
    in.dated[DeadlineKind::Liability] = {dated(20240228, "a")};
    QVERIFY(!dueDeadlines(in).dates.hasResults());
    in.checks = {true, false, false};
    QVERIFY(dueDeadlines(in).dates.hasResults());
}

QTEST_GUILESS_MAIN(TestDeadlineRules)
#include "tst_deadlinerules.moc"
