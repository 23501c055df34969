// The annual summary window and the column sums window as the user sees
// them: the cells, their alignment, the totals, the receipt's month check.
#include "fleet/FleetFixture.h"

#include "framework/gui/ColumnSumsWindow.h"
#include "reports/gui/AnnualSummaryWindow.h"
#include "support/Clock.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

using namespace kv;

class TestAnnualSummaryGui : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    static AnnualSummary example() {
        std::array<Decimal, 12> allowance{}, costs{};
        allowance[0] = *Decimal::parse(u"100");
        costs[0] = *Decimal::parse(u"150");
        allowance[1] = *Decimal::parse(u"80");
        costs[1] = *Decimal::parse(u"10");
        return carryAnnualSummary(allowance, costs);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() { env.ui().clear(); }
    void cleanup() { Clock::setFixed({}); }

    void tableShowsTheMonths() {
        auto db = test::openTemplateCompany(env, QStringLiteral("okno"));
        QVERIFY(db);
        Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 0)));
        AnnualSummaryHeader h;
        h.year = 2024;
        h.vehicle = QStringLiteral("EL 1, Skoda");
        AnnualSummaryWindow w(*db, example(), h, ReportChoices{});
        QCOMPARE(w.objectName(), QStringLiteral("TfKsiegowanie"));
        QTableWidget* t = w.table();
        QCOMPARE(t->rowCount(), 12);
        QCOMPARE(t->columnCount(), 6);
        QCOMPARE(t->horizontalHeaderItem(3)->text(), QStringLiteral("Do zaksięgowania"));
        QCOMPARE(t->item(0, 0)->text(), QStringLiteral(" Styczeń"));
        QCOMPARE(t->item(1, 3)->text(), QStringLiteral("60,00 zł "));
        QCOMPARE(t->item(0, 5)->text(), QStringLiteral("50,00 zł "));
        QVERIFY(t->item(1, 3)->textAlignment() & Qt::AlignRight);
        QVERIFY(t->item(1, 0)->textAlignment() & Qt::AlignLeft);
        QVERIFY(t->horizontalHeader()->defaultAlignment() & Qt::AlignHCenter);
        QCOMPARE(w.totalText(0), QStringLiteral("180,00 zł "));
        QCOMPARE(w.totalText(3), QStringLiteral("20,00 zł "));
        // The receipt needs its month.
        w.printReceipt();
        QCOMPARE(env.ui().last().caption, QStringLiteral("Informacja"));
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Nie wskazano miesiąca, na który wygenerować Dowód Wewnętrzny."));
        QCOMPARE(w.findChild<QComboBox*>(QStringLiteral("CBDWMiesiac"))->count(), 13);
    }

    void sumsWindowKeepsItsLastResult() {
        ColumnSumsWindow w;
        ColumnSums s;
        s.caption = QStringLiteral("Sumy dla tabeli KOSZTY");
        s.labels = QStringList{"Ilość kosztów", "Netto"};
        s.values = QStringList{"3", "141,31"};
        w.present(s);
        QVERIFY(!w.isModal());
        QCOMPARE(w.objectName(), QStringLiteral("TfSumy"));
        QCOMPARE(w.caption(), s.caption);
        QCOMPARE(w.table()->horizontalHeaderItem(1)->text(), QStringLiteral("Netto"));
        QCOMPARE(w.table()->item(0, 1)->text(), QStringLiteral("141,31"));
        // A failed statement: labels, no values.
        s.values.clear();
        w.present(s);
        QVERIFY(w.table()->item(0, 1)->text().isEmpty());
        // Another page: only the caption.
        w.present(noColumnSums());
        QCOMPARE(w.caption(), noColumnSumsCaption());
        QVERIFY(w.table()->isHidden());
    }
};

QTEST_MAIN(TestAnnualSummaryGui)
#include "tst_annualsummarygui.moc"
