#include "TestSupport.h"
#include "support/ModalWindows.h"

#include "costs/gui/OrderDialog.h"
#include "support/gui/NumberField.h"
#include "trips/gui/RoadCardDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using namespace kv;

namespace {

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

FormSetup workSetup() {
    FormSetup s;
    s.lists.insert(QStringLiteral("IDPOJAZDU"),
                   {{QStringLiteral("1"), QStringLiteral("KR 1"), QStringLiteral("95,50")},
                    {QStringLiteral("2"), QStringLiteral("KR 2"), QStringLiteral("0,00")}});
    s.lists.insert(QStringLiteral("NREW"),
                   {{QStringLiteral("7"), QStringLiteral("Nowak Anna (nr.ew. 7)")}});
    s.lists.insert(QStringLiteral("RODZAJPRAC"),
                   {{QStringLiteral("31"), QStringLiteral("Transport")}});
    s.lists.insert(QStringLiteral("KONTRAHENT"),
                   {{QStringLiteral("Budimex"), QStringLiteral("Budimex")}});
    return s;
}

} // namespace

// The order, settlement and road card windows driven as a user would.
class TestOrdersGui : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() { env.ui().clear(); }

    void settlementRateFollowsOnlyAVehicleChange() {
        SettlementDialog w;
        OrderFormValues v;
        v.vehicle = 1;
        v.stawka = QStringLiteral("120,00"); // agreed for this job
        v.godziny = QStringLiteral("0");
        w.load(v, workSetup());
        auto* vehicle = child<QComboBox>(&w, "fIDPOJAZDU");
        // The list opened and left on the same vehicle keeps the rate.
        choose(vehicle, 0);
        QCOMPARE(w.values().stawka, QStringLiteral("120,00"));
        // Another vehicle brings its own rate, and back again the first's.
        choose(vehicle, 1);
        QCOMPARE(w.values().stawka, QStringLiteral("0,00"));
        choose(vehicle, 0);
        QCOMPARE(w.values().stawka, QStringLiteral("95,50"));
        // The clear buttons leave no choice.
        child<QToolButton>(&w, "SBPojazdBrak")->click();
        child<QToolButton>(&w, "SBKontrahentBrak")->click();
        QCOMPARE(w.values().vehicle, 0);
        QCOMPARE(w.values().kontrahent, QString());
    }

    void settlementSavesRewrittenNumbers() {
        SettlementDialog w;
        OrderFormValues v;
        v.nrDokumentu = QStringLiteral("R/1");
        v.vehicle = 1;
        v.dataOd = v.dataDo = QStringLiteral("10.05.2020");
        v.godziny = QStringLiteral("abc");
        v.stawka = QStringLiteral("7.5");
        w.load(v, workSetup());
        test::whenShown<SettlementDialog>([](SettlementDialog* d) { d->saveButton()->click(); });
        QVERIFY(w.confirm());
        QCOMPARE(w.values().godziny, QStringLiteral("0,00"));
        QCOMPARE(w.values().stawka, QStringLiteral("7,50"));
    }

    void handOverBoxNeedsTheSettlementsRight() {
        OrderDialog w;
        auto* box = child<QCheckBox>(&w, "dodajDoRozliczen");
        bool may = false;
        w.canAddSettlements = [&may] { return may; };
        for (bool allowed : {false, true}) {
            may = allowed;
            w.load(OrderFormValues{}, workSetup());
            test::whenShown<OrderDialog>([&](OrderDialog* d) {
                QCOMPARE(box->isEnabled(), allowed);
                QVERIFY(!box->isChecked());
                d->cancelButton()->click();
            });
            QVERIFY(!w.confirm());
        }
        // A second window never hands on.
        FormSetup second = workSetup();
        second.secondWindow = true;
        w.load(OrderFormValues{}, second);
        test::whenShown<OrderDialog>([&](OrderDialog* d) {
            QVERIFY(!box->isEnabled());
            d->cancelButton()->click();
        });
        QVERIFY(!w.confirm());
    }

    void routeFromTheDistanceTable() {
        OrderDialog w;
        w.pickDistance = [] {
            return std::optional<DistancePick>(
                DistancePick{QStringLiteral("Kraków"), QStringLiteral("Tarnów"), "84,00"});
        };
        w.load(OrderFormValues{}, workSetup());
        test::whenShown<OrderDialog>([](OrderDialog* d) {
            auto* button = child<QPushButton>(d, "bTabelaOdleglosci");
            QVERIFY(button->isEnabled());
            button->click();
            d->cancelButton()->click();
        });
        w.confirm();
        QCOMPARE(w.values().trasa, QStringLiteral("Z: Kraków, DO: Tarnów"));
    }

    void roadCardVehicleBringsItsDriverAndTimesAreMasked() {
        RoadCardDialog w;
        FormSetup s;
        s.lists.insert(QStringLiteral("IDPOJAZD"),
                       {{QStringLiteral("1"), QStringLiteral("EL 1"), QStringLiteral("7")}});
        s.lists.insert(QStringLiteral("IDKIEROWCY"),
                       {{QStringLiteral("7"), QStringLiteral("Nowak Anna (nr.ew. 7)")},
                        {QStringLiteral("8"), QStringLiteral("Zając Piotr (nr.ew. 8)")}});
        RoadCardFormValues v;
        v.godzStart = QStringLiteral("  :  ");
        w.load(v, s);
        choose(child<QComboBox>(&w, "fIDPOJAZD"), 0);
        QCOMPARE(w.values().driver, QStringLiteral("7"));
        // A chosen driver stays when the vehicle is chosen again.
        choose(child<QComboBox>(&w, "fIDKIEROWCY"), 1);
        choose(child<QComboBox>(&w, "fIDPOJAZD"), 0);
        QCOMPARE(w.values().driver, QStringLiteral("8"));
        // An empty time reads as empty, a typed one as typed.
        RoadCardFormValues read = w.values();
        QVERIFY(isEmptyTimeText(read.godzStart));
        child<QLineEdit>(&w, "fGODZSTART")->setText(QStringLiteral("07:05"));
        QCOMPARE(w.values().godzStart, QStringLiteral("07:05"));
    }
};

QTEST_MAIN(TestOrdersGui)
#include "tst_ordersgui.moc"
