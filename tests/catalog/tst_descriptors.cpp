// Every register descriptor fits the statements it drives: its id is its
// place, its named slots exist in its template, its sort and grid columns come
// out of its statement, its delete statement names its own table. Checked
// over the whole register table, and over planted faults.
#include "TestSupport.h"
#include "fleet/FleetFixture.h"

#include "framework/RegisterEditing.h"
#include "framework/Registers.h"
#include "storage/DataModule.h"
#include "storage/engine/DatabaseError.h"

#include <QSet>
#include <QTest>

using namespace kv;

namespace {

// The statement's slots a descriptor says it has.
QStringList expectedSlots(const RegisterDescriptor& d) {
    QStringList names;
    if (d.vehicleSlot)
        names << kVehicleSlot;
    if (d.periodSlot)
        names << kPeriodSlot;
    names << d.extraFilters;
    if (d.sortable())
        names << kSortSlot << kDirectionSlot;
    return names;
}

// What is wrong with one descriptor against the data module's statements;
// registers whose statement is not in this version are checked on their own.
QStringList descriptorProblems(DataModule& db, const RegisterDescriptor& d) {
    QStringList problems;
    const QString name = d.name + QStringLiteral(": ");
    if (!d.deleteStatement.startsWith(QStringLiteral("DELETE FROM ") + d.table + u' '))
        problems << name + QStringLiteral("the delete statement names another table");
    for (const QString& key : d.deleteKey + d.locateKey)
        if (key.isEmpty())
            problems << name + QStringLiteral("an empty key column");
    if (!d.sortable() && !d.defaultSort.isEmpty())
        problems << name + QStringLiteral("a default sort in a fixed order");
    if (!db.hasQuery(d.query))
        return problems;
    Query& q = db.query(d.query);
    QStringList expected = expectedSlots(d);
    QStringList present = q.slotNames();
    expected.sort();
    present.sort();
    if (expected != present)
        problems << name + QStringLiteral("slots ") + present.join(u',') +
                        QStringLiteral(", expected ") + expected.join(u',');
    if (!db.hasQuery(insertQueryName(d)) || !db.hasQuery(updateQueryName(d)))
        problems << name + QStringLiteral("no insert or update statement");
    // The statement as the framework runs it, with every slot empty.
    for (const QString& slot : present)
        q.setSlot(slot, QString());
    if (d.sortable())
        q.setSlot(kSortSlot, d.defaultSort);
    try {
        const auto rows = db.open(q);
        if (!d.defaultSort.isEmpty() && rows->columnIndex(d.defaultSort) < 0)
            problems << name + QStringLiteral("no sort column ") + d.defaultSort;
        for (const GridColumn& c : d.columns)
            if (c.format != Formatter::Computed && rows->columnIndex(c.field) < 0)
                problems << name + QStringLiteral("no grid column ") + c.field;
        for (const QString& key : d.deleteKey + d.locateKey)
            if (rows->columnIndex(key) < 0)
                problems << name + QStringLiteral("no key column ") + key;
    } catch (const DatabaseError& e) {
        problems << name + e.message();
    }
    q.resetLines();
    return problems;
}

} // namespace

class TestDescriptors : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;

private slots:
    void initTestCase() {
        db = test::openTemplateCompany(env, QStringLiteral("descriptors"));
        QVERIFY(db);
    }

    void idsAreTheirPlacesAndNamesAreUnique() {
        QCOMPARE(allRegisters().size(), kRegisterCount);
        QSet<QString> pages, grids, queries, tables;
        QHash<QString, QSet<int>> menuPlaces;
        for (int i = 0; i < allRegisters().size(); ++i) {
            const RegisterDescriptor& d = allRegisters().at(i);
            QCOMPARE(static_cast<int>(d.id), i);
            pages.insert(d.page);
            grids.insert(d.grid);
            queries.insert(d.query);
            tables.insert(d.table);
            QVERIFY2(!menuPlaces[d.menuGroup].contains(d.menuPosition), qPrintable(d.name));
            menuPlaces[d.menuGroup].insert(d.menuPosition);
        }
        QCOMPARE(pages.size(), kRegisterCount);
        QCOMPARE(grids.size(), kRegisterCount);
        QCOMPARE(queries.size(), kRegisterCount);
        QCOMPARE(tables.size(), kRegisterCount);
    }

    void everyDescriptorFitsItsStatement() {
        int checked = 0;
        QStringList problems;
        for (const RegisterDescriptor& d : allRegisters()) {
            problems << descriptorProblems(*db, d);
            checked += db->hasQuery(d.query) ? 1 : 0;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        QVERIFY(checked >= 3); // the registers of this version at least
    }

    void plantedFaultsAreFound() {
        RegisterDescriptor d = registerDescriptor(RegisterId::Vehicles);
        QVERIFY(descriptorProblems(*db, d).isEmpty());

        RegisterDescriptor otherTable = d;
        otherTable.deleteStatement = QStringLiteral("DELETE FROM osobowa.DB WHERE IDPOJAZD= ");
        QVERIFY(descriptorProblems(*db, otherTable).join(u'|').contains(
            QStringLiteral("names another table")));

        RegisterDescriptor missingSlot = d;
        missingSlot.extraFilters << QStringLiteral("colour");
        QVERIFY(descriptorProblems(*db, missingSlot).join(u'|').contains(QStringLiteral("slots")));

        RegisterDescriptor noPeriod = d;
        noPeriod.periodSlot = true;
        QVERIFY(!descriptorProblems(*db, noPeriod).isEmpty());

        RegisterDescriptor badSort = d;
        badSort.defaultSort = QStringLiteral("KOLOR");
        QVERIFY(descriptorProblems(*db, badSort).join(u'|').contains(QStringLiteral("KOLOR")));

        RegisterDescriptor badColumn = d;
        badColumn.columns.append({QStringLiteral("KOLOR"), QStringLiteral("Kolor")});
        QVERIFY(descriptorProblems(*db, badColumn).join(u'|').contains(
            QStringLiteral("no grid column KOLOR")));
    }
};

QTEST_GUILESS_MAIN(TestDescriptors)
#include "tst_descriptors.moc"
