#include "TestSupport.h"
#include "support/ModalWindows.h"

#include "storage/ProgramOptions.h"
#include "subregisters/gui/DamageDialog.h"
#include "subregisters/gui/RepairDialog.h"
#include "subregisters/gui/TyreDialog.h"
#include "subregisters/gui/WarehouseDialog.h"
#include "support/gui/NumberField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace kv;

namespace {

FormSetup listsSetup(bool offered = true) {
    FormSetup s;
    s.handOverOffered = offered;
    const QList<KeyedItem> vehicles{
        {QStringLiteral("1"), QStringLiteral("EL 1"), QStringLiteral("7")},
        {QStringLiteral("2"), QStringLiteral("EL 2"), QString()}};
    s.lists.insert(QStringLiteral("IDPOJAZD"), vehicles);
    s.lists.insert(QStringLiteral("IDPOJAZDU"), vehicles);
    s.lists.insert(QStringLiteral("IDKIEROWCY"),
                   {{QStringLiteral("7"), QStringLiteral("Nowak Anna (nr.ew. 7)")},
                    {QStringLiteral("8"), QStringLiteral("Kos Jan (nr.ew. 8)")}});
    s.lists.insert(QStringLiteral("stawkaVAT"), {{QStringLiteral("23"), QStringLiteral("23")},
                                                 {QStringLiteral("8"), QStringLiteral("8")}});
    s.lists.insert(QStringLiteral("OPIS"),
                   {{QStringLiteral("Olej"), QStringLiteral("Olej")},
                    {QStringLiteral("Rozrząd"), QStringLiteral("Rozrząd")}});
    s.lists.insert(QStringLiteral("RODZAJ"), {{QStringLiteral("11"), QStringLiteral("Zimowe")}});
    s.lists.insert(QStringLiteral("ROZMIAR"), {{QStringLiteral("12"), QStringLiteral("R15")}});
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

// The repair, damage, tyre and warehouse windows driven as a user would.
class TestSubregistersGui : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() {
        env.ui().clear();
        programOptions() = ProgramOptions{};
    }

    void damageAmountsMoveAsTheyAreTyped() {
        DamageDialog w;
        w.load(newDamageDefaults(), listsSetup());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* net = child<NumberField>(&w, "fWARTNETTO");
        auto* vat = child<NumberField>(&w, "fWARTVAT");
        auto* gross = child<NumberField>(&w, "fWARTBRUTTO");
        auto* rate = child<QComboBox>(&w, "stawkaVAT");
        type(net, QStringLiteral("200"));
        choose(rate, 0); // 23
        QCOMPARE(vat->text(), QStringLiteral("46,00"));
        QCOMPARE(gross->text(), QStringLiteral("246,00"));
        QCOMPARE(rate->currentIndex(), -1);
        // A gross below the VAT leaves the net.
        type(gross, QStringLiteral("40"));
        QCOMPARE(net->text(), QStringLiteral("200,00"));
        type(gross, QStringLiteral("100"));
        QCOMPARE(net->text(), QStringLiteral("54,00"));
        type(net, QStringLiteral("0,50"));
        choose(rate, 0);
        QCOMPARE(vat->text(), QStringLiteral("0,12"));
        QCOMPARE(gross->text(), QStringLiteral("0,62"));
        const DamageFormValues v = w.values();
        QCOMPARE(v.netto, QStringLiteral("0,50"));
        QCOMPARE(v.brutto, QStringLiteral("0,62"));
        w.hide();
    }

    void theDriverFollowsTheVehicleOnlyWhenNoneIsChosen() {
        DamageDialog w;
        w.load(newDamageDefaults(), listsSetup());
        auto* vehicle = child<QComboBox>(&w, "fNRREJ");
        auto* driver = child<QComboBox>(&w, "fIDKIEROWCY");
        choose(vehicle, 0);
        QCOMPARE(w.values().driver, QStringLiteral("7"));
        choose(driver, 1);
        choose(vehicle, 0);
        QCOMPARE(w.values().driver, QStringLiteral("8"));
        child<QToolButton>(&w, "SBKierowcaBrak")->click();
        QCOMPARE(w.values().driver, QString());
        choose(vehicle, 1); // a vehicle without a driver brings none
        QCOMPARE(w.values().driver, QString());
    }

    void theHandOverBoxIsOfferedOnlyWhereAllowed() {
        DamageDialog w;
        DamageFormValues v = newDamageDefaults();
        v.handOn = true;
        w.load(v, listsSetup(true));
        auto* box = child<QCheckBox>(&w, "dodajDoKosztow");
        QCOMPARE(box->text(), QStringLiteral("Dodaj powyższe dane do rejestru kosztów"));
        QVERIFY(box->isEnabled());
        QVERIFY(w.values().handOn);
        w.load(v, listsSetup(false)); // no costs' write permission
        QVERIFY(!box->isEnabled());
        QVERIFY(!w.values().handOn);
        FormSetup second = listsSetup(true);
        second.secondWindow = true; // opened from a cost
        RepairDialog r;
        RepairFormValues rv = newRepairDefaults();
        rv.handOn = true;
        r.load(rv, second);
        auto* repairBox = child<QCheckBox>(&r, "dodajDoKosztow");
        QVERIFY(!repairBox->isEnabled());
        repairBox->setChecked(true);
        QVERIFY(!r.values().handOn);
    }

    void theRepairKeepsItsHiddenAmountsAndTypedDescription() {
        RepairDialog w;
        RepairFormValues v = newRepairDefaults();
        v.netto = QStringLiteral("100,10");
        v.vat = QStringLiteral("23,02");
        v.brutto = QStringLiteral("123,12");
        v.opis = QStringLiteral("Coś innego");
        v.done = QStringLiteral("T");
        w.load(v, listsSetup());
        auto* kind = child<QComboBox>(&w, "fOPIS");
        QCOMPARE(kind->currentText(), QStringLiteral("Coś innego"));
        QVERIFY(child<QCheckBox>(&w, "fDONE")->isChecked());
        const RepairFormValues read = w.values();
        QCOMPARE(read.netto, QStringLiteral("100,10"));
        QCOMPARE(read.brutto, QStringLiteral("123,12"));
        QCOMPARE(read.opis, QStringLiteral("Coś innego"));
        QCOMPARE(read.done, QStringLiteral("T"));
        child<QCheckBox>(&w, "fDONE")->setChecked(false);
        QCOMPARE(w.values().done, QString(""));
        QVERIFY(!w.values().done.isNull());
    }

    void theTyreSetSizeIsWholeOnLeaving() {
        TyreDialog w;
        w.load(newTyreDefaults(), listsSetup());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* size = child<QLineEdit>(&w, "fILOSC");
        type(size, QStringLiteral("2,5"));
        child<QLineEdit>(&w, "fMARKA")->setFocus();
        QCOMPARE(size->text(), QStringLiteral("3"));
        auto* kind = child<QComboBox>(&w, "fRODZAJ");
        choose(kind, 0);
        QCOMPARE(w.values().rodzaj, 11);
        child<QToolButton>(&w, "SBRodzajBrak")->click();
        QCOMPARE(w.values().rodzaj, 0);
        w.hide();
    }

    void saveRefusesWhatTheChecksRefuse() {
        WarehouseDialog w;
        w.load(newWarehouseDefaults(), FormSetup{});
        test::whenShown<WarehouseDialog>([](WarehouseDialog* d) {
            type(child<QLineEdit>(d, "fILOSC"), QStringLiteral("-1"));
            child<QLineEdit>(d, "fCZESC")->setText(QStringLiteral("Olej"));
            d->saveButton()->click();
            // Refused: the window stays, the quantity focused.
            QVERIFY(d->isVisible());
            type(child<QLineEdit>(d, "fILOSC"), QStringLiteral("2"));
            d->saveButton()->click();
        });
        QVERIFY(w.confirm());
        QCOMPARE(env.ui().last().text, QStringLiteral("Ilość nie może być ujemna. Popraw pole."));
        QCOMPARE(w.values().ilosc, QStringLiteral("2,00"));
    }
};

QTEST_MAIN(TestSubregistersGui)
#include "tst_subregistersgui.moc"
