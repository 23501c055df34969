#include "TestSupport.h"
#include "support/ModalWindows.h"

#include "framework/HandOver.h"
#include "fuel/RefuellingHandOvers.h"
#include "fuel/gui/FuelCardDialog.h"
#include "fuel/gui/FuelPriceDialog.h"
#include "fuel/gui/RefuellingDialog.h"
#include "users/Permissions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace kv;
using kv::test::whenShown;

namespace {

template <class T> T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no %s", name);
    return c;
}

} // namespace

// The refuelling, fuel price and fuel card windows driven as a user would.
class TestFuelGui : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() { env.ui().clear(); }

    void oneWindowToldItsKind() {
        RefuellingDialog continuous(ConsumptionKind::Continuous);
        RefuellingDialog km(ConsumptionKind::PerKm);
        RefuellingDialog hours(ConsumptionKind::PerHour);
        QCOMPARE(continuous.objectName(), QStringLiteral("TfZuzycie"));
        QCOMPARE(km.windowTitle(), QStringLiteral("Zużycie paliwa - przebieg"));
        QCOMPARE(hours.objectName(), QStringLiteral("TfZuzycieMth"));
        // Only the per-km window measures the distance.
        QVERIFY(km.findChild<QPushButton*>(QStringLiteral("bWyliczPrzebieg")));
        QVERIFY(!continuous.findChild<QPushButton*>(QStringLiteral("bWyliczPrzebieg")));
        QVERIFY(!hours.findChild<QPushButton*>(QStringLiteral("bWyliczPrzebieg")));

        // "Dodaj dane do kosztów" is cleared at every opening, and offered
        // only where the costs register takes the hand-over, to a user who
        // may write costs, and never in the second window of a hand-over.
        auto* toCosts = child<QCheckBox>(&km, "cbDodajDoKosztow");
        toCosts->setChecked(true);
        km.load(newRefuellingDefaults(), FormSetup{});
        QVERIFY(!toCosts->isChecked());
        QVERIFY(!toCosts->isEnabled());
        installHandOverTarget(kRefuellingCostsTarget, {RegisterId::Costs, {}});
        currentLogin().permissions.setAll(true);
        km.load(newRefuellingDefaults(), FormSetup{});
        QVERIFY(toCosts->isEnabled());
        FormSetup second;
        second.secondWindow = true;
        km.load(newRefuellingDefaults(), second);
        QVERIFY(!toCosts->isEnabled());
        currentLogin().permissions.setAll(true);
        currentLogin().permissions.set(kCostsWritePermission, false);
        km.load(newRefuellingDefaults(), FormSetup{});
        QVERIFY(!toCosts->isEnabled());
        removeHandOverTarget(kRefuellingCostsTarget);
        QCOMPARE(child<QLineEdit>(&km, "fTANKOWANIE")->text(), QStringLiteral("0,00"));
    }

    void distanceButtonFillsTheKilometres() {
        RefuellingDialog w(ConsumptionKind::PerKm);
        QStringList asked;
        w.computeDistance = [&asked](const QString& date, const QString& reading) {
            asked << date + u' ' + reading;
            return reading == u"0,00" ? DistanceOutcome{{}, QStringLiteral("fLICZNIK")}
                                      : DistanceOutcome{QStringLiteral("250,75"), {}};
        };
        RefuellingFormValues v = newRefuellingDefaults();
        v.data = QStringLiteral("03.03.2024");
        v.licznik = QStringLiteral("12250.75");
        w.load(v, FormSetup{});
        child<QPushButton>(&w, "bWyliczPrzebieg")->click();
        QCOMPARE(asked, QStringList{"03.03.2024 12250,75"});
        QCOMPARE(w.values().first, QStringLiteral("250,75"));
        child<QLineEdit>(&w, "fLICZNIK")->setText(QStringLiteral("0,00"));
        child<QPushButton>(&w, "bWyliczPrzebieg")->click();
        QCOMPARE(w.values().first, QStringLiteral("250,75"));
    }

    void refuellingWindowRefusesWhatIsNoNumber() {
        RefuellingDialog w(ConsumptionKind::Continuous);
        RefuellingFormValues v = newRefuellingDefaults();
        v.data = QStringLiteral("01.03.2024");
        v.tankowanie = QStringLiteral("4x");
        w.load(v, FormSetup{});
        whenShown<RefuellingDialog>([this](RefuellingDialog* dialog) {
            child<QPushButton>(dialog, "bZapisz")->click();
            QVERIFY(dialog->isVisible());
            QCOMPARE(env.ui().last().caption, QStringLiteral("Uwaga"));
            QCOMPARE(env.ui().last().text,
                     QStringLiteral("Niepoprawna ilość zatankowanego paliwa."));
            // Nothing typed is lost.
            QCOMPARE(child<QLineEdit>(dialog, "fTANKOWANIE")->text(), QStringLiteral("4x"));
            child<QLineEdit>(dialog, "fTANKOWANIE")->setText(QStringLiteral("40,5"));
            child<QPushButton>(dialog, "bZapisz")->click();
        });
        QVERIFY(w.confirm());
        QCOMPARE(w.values().tankowanie, QStringLiteral("40,50"));
    }

    void priceIsReformattedBeforeTheChecks() {
        FuelPriceDialog w;
        FormSetup s;
        s.lists.insert(QStringLiteral("RODZAJPALIWA"),
                       {{QStringLiteral("3"), QStringLiteral("ON")},
                        {QStringLiteral("4"), QStringLiteral("LPG")}});
        s.lists.insert(QStringLiteral("MIEJSCE"),
                       {{QStringLiteral("Orlen"), QStringLiteral("Orlen")}});
        FuelPriceFormValues v = newFuelPriceDefaults();
        v.data = QStringLiteral("01.03.2024");
        v.brutto = QStringLiteral("5,499");
        w.load(v, s);
        whenShown<FuelPriceDialog>([this](FuelPriceDialog* dialog) {
            child<QPushButton>(dialog, "bZapisz")->click();
            QCOMPARE(child<QLineEdit>(dialog, "fBRUTTO")->text(), QStringLiteral("5,50"));
            QCOMPARE(env.ui().last().text,
                     QStringLiteral("Nie wskazano rodzaju paliwa. Popraw pole."));
            child<QComboBox>(dialog, "fRODZAJPALIWA")->setCurrentIndex(1);
            child<QPushButton>(dialog, "bZapisz")->click();
        });
        QVERIFY(w.confirm());
        QCOMPARE(w.values().rodzaj, 4);
        QCOMPARE(w.values().brutto, QStringLiteral("5,50"));
    }

    void cardVehiclePresetsTheHolder() {
        FuelCardDialog w;
        FormSetup s;
        s.lists.insert(QStringLiteral("IDPOJAZD"),
                       {{QStringLiteral("1"), QStringLiteral("EL 1"), QStringLiteral("7")},
                        {QStringLiteral("2"), QStringLiteral("EL 2"), QString()}});
        s.lists.insert(QStringLiteral("IDKIEROWCY"),
                       {{QStringLiteral("7"), QStringLiteral("Nowak Anna (nr.ew. 7)")},
                        {QStringLiteral("8"), QStringLiteral("Zając Piotr (nr.ew. 8)")}});
        w.load(FuelCardFormValues{}, s);
        auto* vehicle = child<QComboBox>(&w, "fNRREJ");
        auto* holder = child<QComboBox>(&w, "fIDKIEROWCY");
        vehicle->setCurrentIndex(0);
        emit vehicle->activated(0);
        QCOMPARE(w.values().kierowca, QStringLiteral("7"));
        // A holder already set stays.
        holder->setCurrentIndex(1);
        vehicle->setCurrentIndex(0);
        emit vehicle->activated(0);
        QCOMPARE(w.values().kierowca, QStringLiteral("8"));
        child<QToolButton>(&w, "SBKierowcaBrak")->click();
        child<QToolButton>(&w, "SBPojazdBrak")->click();
        QCOMPARE(w.values().vehicle, 0);
        QCOMPARE(w.values().kierowca, QString());
        QVERIFY(w.findChild<QLineEdit*>(QStringLiteral("fPIN")));
    }
};

QTEST_MAIN(TestFuelGui)
#include "tst_fuelgui.moc"
