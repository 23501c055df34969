#include "TestSupport.h"
#include "support/ModalWindows.h"

#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"
#include "support/gui/WindowEditable.h"
#include "trips/gui/OdometerDialog.h"
#include "trips/gui/TripDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace kv;
using kv::test::whenShown;

namespace {

// The field with the focus; a date field's inner entry counts as the field.
QString focusName() {
    QWidget* w = QApplication::focusWidget();
    if (w && qobject_cast<DateField*>(w->parentWidget()))
        w = w->parentWidget();
    return w ? w->objectName() : QString();
}

FormSetup tripSetup() {
    FormSetup s;
    s.lists.insert(QStringLiteral("IDPOJAZD"),
                   {{QStringLiteral("1"), QStringLiteral("EL 1"), QStringLiteral("7")},
                    {QStringLiteral("2"), QStringLiteral("EL 2"), QString()}});
    s.lists.insert(QStringLiteral("IDKIEROWCY"),
                   {{QStringLiteral("7"), QStringLiteral("Nowak Anna (nr.ew. 7)")},
                    {QStringLiteral("8"), QStringLiteral("Zając Piotr (nr.ew. 8)")}});
    s.lists.insert(QStringLiteral("CELWYJAZDU"),
                   {{QStringLiteral("Klient"), QStringLiteral("Klient")}});
    s.lists.insert(
        QStringLiteral("TRASA"),
        {{QStringLiteral("Łódź - Kutno"), QStringLiteral("Łódź - Kutno"), QStringLiteral("60,5")},
         {QStringLiteral("Bez długości"), QStringLiteral("Bez długości"), QString()}});
    return s;
}

template <class T> T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no %s", name);
    return c;
}

} // namespace

// The trip and odometer windows driven as a user would.
class TestTripsGui : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() { env.ui().clear(); }

    void distanceTableGivesRouteAndLength() {
        TripDialog w;
        int asked = 0;
        w.pickDistance = [&asked] {
            ++asked;
            return std::optional<DistancePick>(
                DistancePick{QStringLiteral("Kraków"), QStringLiteral("Tarnów"), "84,5"});
        };
        w.load(TripFormValues{}, tripSetup());
        test::whenShown<TripDialog>([](TripDialog* d) {
            auto* button = child<QPushButton>(d, "bTabelaOdleglosci");
            QVERIFY(button->isEnabled());
            button->click();
            d->cancelButton()->click();
        });
        w.confirm();
        QCOMPARE(asked, 1);
        QCOMPARE(w.values().trasa, QStringLiteral("Z: Kraków, DO: Tarnów"));
        QCOMPARE(w.values().odleglosc, QStringLiteral("84,50"));
    }

    void choosingAVehicleOrARouteFillsWhatComesWithIt() {
        TripDialog w;
        w.load(TripFormValues{}, tripSetup());
        auto* vehicle = child<QComboBox>(&w, "fNRREJ");
        auto* driver = child<QComboBox>(&w, "fIDKIEROWCY");
        QCOMPARE(vehicle->currentIndex(), -1);
        QCOMPARE(driver->currentIndex(), -1);
        auto choose = [](QComboBox* box, int index) {
            box->setCurrentIndex(index);
            emit box->activated(index);
        };
        // The vehicle's own driver, when none is chosen; another vehicle
        // brings its own (here none) in place of the one that came with the first.
        choose(vehicle, 0);
        QCOMPARE(w.values().vehicle, 1);
        QCOMPARE(w.values().driver, QStringLiteral("7"));
        choose(vehicle, 1);
        QCOMPARE(w.values().driver, QString());
        choose(vehicle, 0);
        QCOMPARE(w.values().driver, QStringLiteral("7"));
        // A driver the user chose stays.
        choose(driver, 1);
        choose(vehicle, 1);
        choose(vehicle, 0);
        QCOMPARE(w.values().driver, QStringLiteral("8"));
        // "Nie wskazuj żadnego kierowcy" leaves none: stored as ''.
        child<QToolButton>(&w, "SBKierowcaBrak")->click();
        QCOMPARE(w.values().driver, QString());

        // A route brings its length; one without a length leaves it.
        auto* route = child<QComboBox>(&w, "fTRASA");
        choose(route, 0);
        QCOMPARE(w.values().odleglosc, QStringLiteral("60,50"));
        QCOMPARE(w.values().trasa, QStringLiteral("Łódź - Kutno"));
        choose(route, 1);
        QCOMPARE(w.values().odleglosc, QStringLiteral("60,50"));
        // The distance table waits for its own window.
        QVERIFY(!child<QPushButton>(&w, "bTabelaOdleglosci")->isEnabled());

        // A new trip's preset driver goes with its preset vehicle; an edited
        // trip's driver stays whatever vehicle is chosen.
        TripFormValues preset;
        preset.vehicle = 1;
        preset.driver = QStringLiteral("7");
        FormSetup adding = tripSetup();
        adding.adding = true;
        w.load(preset, adding);
        choose(vehicle, 1);
        QCOMPARE(w.values().driver, QString());
        FormSetup editing = tripSetup();
        editing.adding = false;
        w.load(preset, editing);
        choose(vehicle, 1);
        QCOMPARE(w.values().driver, QStringLiteral("7"));
    }

    void theVatBoxOpensItsFieldsAndOpensWithTheTrip() {
        TripDialog w;
        TripFormValues v;
        v.pryw = QStringLiteral("T");
        v.prywKto = QStringLiteral("Jan Obcy");
        v.prywLiczOd = QStringLiteral("1000,00");
        v.prywLiczDo = QStringLiteral("1100,00");
        w.load(v, tripSetup());
        auto* box = child<QCheckBox>(&w, "fPRYW");
        auto* from = child<QLineEdit>(&w, "fPRYWLICZOD");
        QVERIFY(box->isChecked());
        QVERIFY(from->isEnabled());
        QCOMPARE(from->text(), QStringLiteral("1000,00"));
        box->setChecked(false);
        for (const char* name : {"fPRYWLICZOD", "fPRYWLICZDO", "fPRYWKTO"})
            QVERIFY(!child<QLineEdit>(&w, name)->isEnabled());
        // Unticked, the fields keep their text but the trip stores none of it.
        QCOMPARE(w.values().pryw, QStringLiteral("N"));
        QCOMPARE(from->text(), QStringLiteral("1000,00"));
        box->setChecked(true);
        QVERIFY(from->isEnabled());

        // A trip that is not lent opens with the box clear and the fields off.
        w.load(TripFormValues{}, tripSetup());
        QVERIFY(!box->isChecked());
        QVERIFY(!from->isEnabled());
    }

    void theVatMessageFocusesTheHandOverReading() {
        TripDialog w;
        TripFormValues v;
        v.data = QStringLiteral("01.03.2024");
        v.vehicle = 1;
        v.odleglosc = QStringLiteral("12,5");
        v.pryw = QStringLiteral("T");
        v.prywLiczOd = QStringLiteral("1000");
        v.prywLiczDo = QStringLiteral("1100");
        w.load(v, tripSetup());
        whenShown<TripDialog>([this](TripDialog* dialog) {
            QTRY_COMPARE(focusName(), QStringLiteral("fDATA"));
            child<QPushButton>(dialog, "bZapisz")->click();
            // Saving shows the numbers as leaving their fields would.
            QCOMPARE(child<QLineEdit>(dialog, "fODLEGLOSC")->text(), QStringLiteral("12,50"));
            QCOMPARE(child<QLineEdit>(dialog, "fPRYWLICZDO")->text(), QStringLiteral("1100,00"));
            QVERIFY(dialog->isVisible());
            QCOMPARE(env.ui().last().caption, QStringLiteral("Uwaga"));
            QCOMPARE(env.ui().last().text, kTripVatMessage);
            QTRY_COMPARE(focusName(), QStringLiteral("fPRYWLICZOD"));
            child<QLineEdit>(dialog, "fPRYWKTO")->setText(QStringLiteral("Jan Obcy"));
            // Enter saves, also in a list one types into.
            auto* purpose = child<QComboBox>(dialog, "fCELWYJAZDU");
            purpose->setFocus();
            QTest::keyClick(purpose->lineEdit(), Qt::Key_Return);
        });
        QVERIFY(w.confirm());
        QCOMPARE(w.values().prywKto, QStringLiteral("Jan Obcy"));
    }

    void dictionaryButtonsReloadTheListsKeepingWhatIsTyped() {
        TripDialog w;
        QStringList opened;
        bool allowed = true;
        w.editDictionary = [&opened](const QString& code) {
            opened << code;
            TripLists lists;
            lists.insert(QStringLiteral("CELWYJAZDU"),
                         {{QStringLiteral("Klient"), QStringLiteral("Klient")},
                          {QStringLiteral("Szkolenie"), QStringLiteral("Szkolenie")}});
            lists.insert(QStringLiteral("TRASA"),
                         {{QStringLiteral("Nowa trasa"), QStringLiteral("Nowa trasa"),
                           QStringLiteral("12")}});
            return lists;
        };
        w.canEditDictionary = [&allowed] { return allowed; };
        w.load(TripFormValues{}, tripSetup());
        auto* purpose = child<QComboBox>(&w, "fCELWYJAZDU");
        auto* route = child<QComboBox>(&w, "fTRASA");
        purpose->setCurrentText(QStringLiteral("Wpisany cel"));
        route->setCurrentText(QStringLiteral("Wpisana trasa"));
        w.show();
        auto* purposes = child<QToolButton>(&w, "SBCelWyjazdu");
        auto* routes = child<QToolButton>(&w, "SBTrasa");
        QVERIFY(purposes->isVisible() && purposes->isEnabled());
        purposes->click();
        routes->click();
        QCOMPARE(opened, (QStringList{QStringLiteral("CELWY"), QStringLiteral("TRASY")}));
        QCOMPARE(purpose->count(), 2);
        QCOMPARE(route->count(), 1);
        QCOMPARE(purpose->currentText(), QStringLiteral("Wpisany cel"));
        QCOMPARE(route->currentText(), QStringLiteral("Wpisana trasa"));
        // The reloaded routes bring their lengths.
        route->setCurrentIndex(0);
        emit route->activated(0);
        QCOMPARE(w.values().odleglosc, QStringLiteral("12,00"));
        w.hide();

        // Without the dictionary permission: there, but off; a preview hides them.
        allowed = false;
        w.show();
        QVERIFY(purposes->isVisible() && !purposes->isEnabled());
        w.hide();
        setWindowEditable(&w, false);
        w.show();
        QVERIFY(!purposes->isVisible());
        w.hide();
        setWindowEditable(&w, true);
    }

    void odometerReadingIsReformattedOnLeavingAndOnSaving() {
        OdometerDialog w;
        FormSetup s;
        s.lists.insert(QStringLiteral("IDPOJAZD"), {{QStringLiteral("4"), QStringLiteral("EL 4")}});
        OdometerFormValues v;
        v.licznik = QStringLiteral("0,00");
        w.load(v, s);
        QCOMPARE(child<QComboBox>(&w, "fDOTYCZY")->currentText(), QStringLiteral("Pozostałe"));
        QCOMPARE(child<QComboBox>(&w, "fDOTYCZY")->count(), 4);
        whenShown<OdometerDialog>([this](OdometerDialog* dialog) {
            auto* reading = child<NumberField>(dialog, "fLICZNIK");
            auto* date = child<DateField>(dialog, "fDATA");
            QTRY_COMPARE(focusName(), QStringLiteral("fDATA"));
            // Leaving the field: a number with two decimals, other text 0,00.
            reading->setFocus();
            reading->setText(QStringLiteral("1234.5"));
            date->lineEdit()->setFocus();
            QCOMPARE(reading->text(), QStringLiteral("1234,50"));
            reading->setFocus();
            reading->setText(QStringLiteral("abc"));
            date->lineEdit()->setFocus();
            QCOMPARE(reading->text(), QStringLiteral("0,00"));
            // Saving without a date: the reading is reformatted all the same.
            reading->setFocus();
            reading->setText(QStringLiteral("98765,4"));
            QTest::keyClick(reading, Qt::Key_Return);
            QCOMPARE(reading->text(), QStringLiteral("98765,40"));
            QCOMPARE(env.ui().last().text, QStringLiteral("Niepoprawny format daty. Popraw pole."));
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(date->lineEdit()));
            date->setText(QStringLiteral("01.03.2024"));
            child<QComboBox>(dialog, "fNRREJ")->setCurrentIndex(0);
            child<QPushButton>(dialog, "bZapisz")->click();
        });
        QVERIFY(w.confirm());
        QCOMPARE(w.values().vehicle, 4);
        QCOMPARE(w.values().licznik, QStringLiteral("98765,40"));
        QCOMPARE(w.values().data, QStringLiteral("01.03.2024"));
    }
};

QTEST_MAIN(TestTripsGui)
#include "tst_tripsgui.moc"
