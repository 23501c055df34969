#include "TestSupport.h"
#include "support/ModalWindows.h"

#include "costs/CostFilters.h"
#include "costs/gui/CostDialog.h"
#include "costs/gui/CostFilterPanel.h"
#include "fleet/FleetFixture.h"
#include "framework/HandOver.h"
#include "framework/RegisterStates.h"
#include "storage/ProgramOptions.h"
#include "subregisters/SubregisterHandOvers.h"
#include "support/gui/NumberField.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QToolButton>

using namespace kv;
using kv::test::whenShown;

namespace {

FormSetup costSetup() {
    FormSetup s;
    s.lists.insert(QStringLiteral("IDPOJAZD"),
                   {{QStringLiteral("1"), QStringLiteral("EL 1"), QStringLiteral("7")},
                    {QStringLiteral("2"), QStringLiteral("EL 2"), QString()}});
    s.lists.insert(QStringLiteral("IDKIEROWCY"),
                   {{QStringLiteral("7"), QStringLiteral("Nowak Anna (nr.ew. 7)")}});
    s.lists.insert(QStringLiteral("RODZWYD"),
                   {{QStringLiteral("Paliwo"), QStringLiteral("Paliwo"), QStringLiteral("Tak")},
                    {QStringLiteral("Mandat"), QStringLiteral("Mandat"), QStringLiteral("Nie")}});
    s.lists.insert(QStringLiteral("IDKARTY"), {{QStringLiteral("K-1"), QStringLiteral("K-1 Orlen")},
                                               {QStringLiteral("STARA"), QStringLiteral("STARA")}});
    s.lists.insert(QStringLiteral("IDDROGOWA"), {{QStringLiteral("9"), QStringLiteral("9/2024")}});
    s.lists.insert(QStringLiteral("CK"), {{QStringLiteral("3"), QStringLiteral("Dział A")}});
    s.lists.insert(QStringLiteral("stawkaVAT"), {{QStringLiteral("23"), QStringLiteral("23")},
                                                 {QStringLiteral("8"), QStringLiteral("8")},
                                                 {QStringLiteral("5"), QStringLiteral("5")}});
    return s;
}

template <class T> T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no %s", name);
    return c;
}

void choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void type(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

} // namespace

// The cost window and the cost filters driven as a user would.
class TestCostsGui : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() {
        env.ui().clear();
        programOptions() = ProgramOptions{};
    }

    void valuesMoveAsTheyAreTyped() {
        CostDialog w;
        CostFormValues v;
        v.netto = v.vat = v.brutto = QStringLiteral("0,00");
        w.load(v, costSetup());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* net = child<NumberField>(&w, "fWARTNETTO");
        auto* vat = child<NumberField>(&w, "fWARTVAT");
        auto* gross = child<NumberField>(&w, "fWARTBRUTTO");
        auto* rate = child<QComboBox>(&w, "stawkaVAT");
        type(net, QStringLiteral("100"));
        QCOMPARE(gross->text(), QStringLiteral("100,00"));
        choose(rate, 0); // 23
        QCOMPARE(vat->text(), QStringLiteral("23,00"));
        QCOMPARE(gross->text(), QStringLiteral("123,00"));
        QCOMPARE(rate->currentIndex(), -1); // a calculator: no choice kept
        type(net, QStringLiteral("200"));
        QCOMPARE(vat->text(), QStringLiteral("23,00"));
        QCOMPARE(gross->text(), QStringLiteral("223,00"));
        type(gross, QStringLiteral("10"));
        QCOMPARE(net->text(), QStringLiteral("200,00")); // as leaving it showed it
        type(net, QStringLiteral("0.70"));
        choose(rate, 2); // 5
        QCOMPARE(vat->text(), QStringLiteral("0,04"));
        QCOMPARE(gross->text(), QStringLiteral("0,74"));
        w.hide();
    }

    void listsFillWhatComesWithTheirEntries() {
        CostDialog w;
        w.load(CostFormValues{}, costSetup());
        auto* vehicle = child<QComboBox>(&w, "fNRREJ");
        auto* kind = child<QComboBox>(&w, "fRODZWYD");
        auto* bookVat = child<QCheckBox>(&w, "fCZYVAT");
        choose(vehicle, 0);
        QCOMPARE(w.values().driver, QStringLiteral("7"));
        choose(kind, 1);
        QVERIFY(!bookVat->isChecked());
        choose(kind, 0);
        QVERIFY(bookVat->isChecked());
        auto* fuel = child<NumberField>(&w, "fFUEL");
        auto* isFuel = child<QCheckBox>(&w, "fISFUEL");
        type(fuel, QStringLiteral("12,5"));
        QVERIFY(isFuel->isChecked());
        type(fuel, QStringLiteral("duzo"));
        QVERIFY(!isFuel->isChecked());

        // "Nie wskazuj ..." clears; the road card then stores none.
        CostFormValues v;
        v.roadCard = 9;
        v.karta = QStringLiteral("STARA");
        w.load(v, costSetup());
        QCOMPARE(w.values().karta, QStringLiteral("STARA"));
        QCOMPARE(w.values().roadCard, 9);
        child<QToolButton>(&w, "SBDrogowaBrak")->click();
        child<QToolButton>(&w, "SBKartaBrak")->click();
        QCOMPARE(w.values().roadCard, 0);
        QVERIFY(w.values().karta.isEmpty());

        // With RodzajKosztuRO only the list's entries: typing is dropped.
        programOptions().RodzajKosztuRO = true;
        w.load(CostFormValues{}, costSetup());
        QTest::keyClicks(kind->lineEdit(), QStringLiteral("Cos"));
        QVERIFY(kind->currentText().isEmpty());
    }

    void handOverBoxOffersTheTargetsThereAre() {
        installHandOverTarget(QStringLiteral("zuzyciekm"), {RegisterId::ConsumptionKm, {}});
        CostDialog w;
        CostFormValues v;
        v.handTarget = 3;
        w.load(v, costSetup());
        w.show();
        auto* on = child<QCheckBox>(&w, "dodaj");
        auto* target = child<QComboBox>(&w, "dodajDo");
        auto* kind = child<QComboBox>(&w, "rPaliwaCombo");
        QVERIFY(!on->isChecked());
        QCOMPARE(target->currentIndex(), 3);
        QVERIFY(kind->isVisible());
        QCOMPARE(kind->currentText(), QStringLiteral("Paliwo płynne"));
        auto* model = qobject_cast<QStandardItemModel*>(target->model());
        QVERIFY(!model->item(0)->isEnabled()); // repairs: no target installed in this run
        QVERIFY(!model->item(2)->isEnabled()); // tyres
        QVERIFY(model->item(3)->isEnabled());
        // With the repairs and tyres installed as targets, both are offered.
        installSubregisterHandOverTargets();
        w.load(v, costSetup());
        QVERIFY(model->item(0)->isEnabled());
        QVERIFY(model->item(2)->isEnabled());
        removeHandOverTarget(QStringLiteral("naprawy"));
        removeHandOverTarget(QStringLiteral("opony"));
        w.load(v, costSetup());
        target->setCurrentIndex(1);
        QVERIFY(kind->isVisible());
        target->setCurrentIndex(0);
        QVERIFY(!kind->isVisible());
        target->setCurrentIndex(4);
        on->setChecked(true);
        kind->setCurrentIndex(1);
        QCOMPARE(w.values().handOn, true);
        QCOMPARE(w.values().handTarget, 4);
        QCOMPARE(w.values().fuelKind, 1);

        // The second window of a hand-over never hands over again.
        FormSetup second = costSetup();
        second.secondWindow = true;
        w.load(v, second);
        QVERIFY(!on->isEnabled());
        on->setChecked(true);
        QVERIFY(!w.values().handOn);
        w.hide();
        removeHandOverTarget(QStringLiteral("zuzyciekm"));
    }

    void saveRefusesAWrongSumWithFocusOnNet() {
        CostDialog w;
        CostFormValues v;
        v.data = QStringLiteral("01.03.2024");
        v.vehicle = 1;
        v.netto = QStringLiteral("100,00");
        v.vat = QStringLiteral("23,00");
        v.brutto = QStringLiteral("123,01");
        w.load(v, costSetup());
        whenShown<CostDialog>([](CostDialog* d) {
            QTest::keyClick(child<QLineEdit>(d, "fWARTBRUTTO"), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("fWARTNETTO"));
            child<QLineEdit>(d, "fWARTBRUTTO")->setText(QStringLiteral("123,00"));
            QTest::keyClick(child<QLineEdit>(d, "fWARTBRUTTO"), Qt::Key_Return);
        });
        QVERIFY(w.confirm());
        QCOMPARE(env.ui().texts(),
                 QStringList{QStringLiteral("Wprowadzone kwoty nie zgadzają się. Popraw pola.")});
        QCOMPARE(w.values().brutto, QStringLiteral("123,00"));
    }

    void filterPanelTicksAndApplies() {
        test::TestEnvironment local;
        const auto db = test::openTemplateCompany(local, QStringLiteral("panel"));
        QVERIFY(db);
        db->exec(QStringLiteral("INSERT INTO slowniki (KOD, IDSLOWNIK, OPIS) VALUES (41, 'CKKOD', "
                                "'Dział B')"));
        db->exec(QStringLiteral("INSERT INTO kartydrogowe (IDDROGOWA, NRKARTY) VALUES (12, "
                                "'12/2024')"));
        int refreshes = 0;
        CostFilterPanel panel(*db, [&] { ++refreshes; });
        panel.refreshLists();
        auto* fuel = child<QCheckBox>(&panel, "filtrIsFuel");
        auto* centreOn = child<QCheckBox>(&panel, "filtrIsCK");
        auto* centre = child<QComboBox>(&panel, "filtrCK");
        auto* cardOn = child<QCheckBox>(&panel, "filtrIsDROGOWA");
        auto* card = child<QComboBox>(&panel, "filtrDROGOWA");
        fuel->click();
        QCOMPARE(refreshes, 1);
        QVERIFY(costFilterState(*db).fuelOnly);
        // Ticked without a choice: nothing added, yet the costs run again.
        centreOn->click();
        QCOMPARE(refreshes, 2);
        QCOMPARE(costFilterState(*db).activeCostCentre(), 0);
        choose(card, 0);
        QVERIFY(cardOn->isChecked());
        QCOMPARE(costFilterState(*db).activeRoadCard(), 12);
        choose(centre, 0);
        QCOMPARE(costFilterState(*db).activeCostCentre(), 41);
        QCOMPARE(refreshes, 4);
        QCOMPARE(registerState(*db, RegisterId::Costs).extraFragments.value(kCostFuelFilter),
                 costFuelFragment(true));
        // A panel made again (the page shown later) shows the state in force.
        CostFilterPanel again(*db, {});
        again.refreshLists();
        QVERIFY(child<QCheckBox>(&again, "filtrIsDROGOWA")->isChecked());
        QCOMPARE(child<QComboBox>(&again, "filtrCK")->currentText(), QStringLiteral("Dział B"));
    }
};

QTEST_MAIN(TestCostsGui)
#include "tst_costsgui.moc"
