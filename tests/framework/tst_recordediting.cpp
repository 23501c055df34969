#include "trips/TripsFixture.h"

#include "framework/IdRecordEditing.h"
#include "framework/RegisterController.h"
#include "framework/RegisterStates.h"
#include "storage/ProgramOptions.h"

using namespace kv;

namespace {

// A record with a hand-over box, as the registers that hand on to costs have.
struct Held {
    QString text;
    bool handOn = false;
};

IdRecordRules<Held> rules(bool* permitted) {
    IdRecordRules<Held> r;
    r.base.defaults = [] { return Held{QStringLiteral("nowy"), true}; };
    r.handOn = &Held::handOn;
    r.request = [](const Held& h) {
        HandOverRequest q;
        q.target = QStringLiteral("koszty");
        q.record.values.insert(QStringLiteral("OPIS"), h.text);
        return q;
    };
    r.permitted = [permitted] { return *permitted; };
    return r;
}

} // namespace

// What the registers with a vehicle, a driver and a hand-over box share: the
// vehicle a new record starts with, the driver a chosen vehicle brings, the
// dictionary texts of editable lists, and the id-keyed cycle's rules for the
// box and the odometer copy.
class TestRecordEditing : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::TripsData> data;

private slots:
    void initTestCase() {
        db = test::openTemplateCompany(env, QStringLiteral("rekordy"));
        QVERIFY(db);
        data = std::make_unique<test::TripsData>(*db);
    }

    void driverFollowsTheVehicleOnlyWhenNoneIsChosen() {
        const QList<KeyedItem> vehicles{
            {QStringLiteral("1"), QStringLiteral("EL 1"), QStringLiteral("K7")},
            {QStringLiteral("2"), QStringLiteral("EL 2"), QString()}};
        QCOMPARE(driverForVehicle(vehicles, QStringLiteral("1"), QString()), QStringLiteral("K7"));
        // A driver the user chose stays whatever vehicle follows.
        QCOMPARE(driverForVehicle(vehicles, QStringLiteral("1"), QStringLiteral("A1")),
                 QStringLiteral("A1"));
        // A vehicle without a driver, an unknown one, and no vehicle: none.
        QCOMPARE(driverForVehicle(vehicles, QStringLiteral("2"), QString()), QString());
        QCOMPARE(driverForVehicle(vehicles, QStringLiteral("9"), QString()), QString());
        QCOMPARE(driverForVehicle(vehicles, QString(), QString()), QString());
    }

    void newRecordsTakeTheSelectedVehicleOnlyWhenTheOptionAsks() {
        const ProgramOptions saved = programOptions();
        sharedFilters(*db).selectedVehicleId = 7;
        programOptions().cbSetNrRej = true;
        QCOMPARE(preselectedVehicle(*db), 7);
        programOptions().cbSetNrRej = false;
        QCOMPARE(preselectedVehicle(*db), 0);
        programOptions().cbSetNrRej = true;
        sharedFilters(*db).selectedVehicleId = 0;
        QCOMPARE(preselectedVehicle(*db), 0);
        programOptions() = saved;
    }

    void dictionaryTextsComeOnceInPolishOrder() {
        data->addDictionaryEntry(QStringLiteral("RDNAP"), QStringLiteral("Wymiana oleju"));
        data->addDictionaryEntry(QStringLiteral("RDNAP"), QStringLiteral("Ćwiartka"));
        data->addDictionaryEntry(QStringLiteral("RDNAP"), QStringLiteral("Wymiana oleju"));
        data->addDictionaryEntry(QStringLiteral("RDNAP"), QStringLiteral("Docieranie"));
        data->addDictionaryEntry(QStringLiteral("RDWYD"), QStringLiteral("Myjnia"));
        QStringList texts;
        for (const KeyedItem& i : loadDictionaryTexts(*db, QStringLiteral("RDNAP"), 1))
            texts << i.key + u'=' + i.text;
        QCOMPARE(texts, (QStringList{QStringLiteral("Ćwiartka=Ćwiartka"),
                                     QStringLiteral("Docieranie=Docieranie"),
                                     QStringLiteral("Wymiana oleju=Wymiana oleju")}));
        // The code is bound, so a hostile code finds nothing and breaks nothing.
        QVERIFY(loadDictionaryTexts(*db, QStringLiteral("RDNAP' OR '1'='1"), 1).isEmpty());
        const QList<KeyedItem> entries = loadDictionaryEntries(*db, QStringLiteral("RDWYD"), 1);
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.first().text, QStringLiteral("Myjnia"));
        QVERIFY(entries.first().key.toInt() > 0);
    }

    void theHandOverBoxStartsClearedAndNeedsThePermission() {
        bool permitted = true;
        const RegisterEditing<Held> e = idRecordEditing(*db, rules(&permitted));
        // Every window the cycle fills (add, copy, edit) starts with it clear.
        QCOMPARE(e.defaults().handOn, false);
        QCOMPARE(e.defaults().text, QStringLiteral("nowy"));
        QVERIFY(e.setup(true).handOverOffered);
        QVERIFY(!e.handOver(Held{QStringLiteral("x"), false}, true));
        const std::optional<HandOverRequest> r = e.handOver(Held{QStringLiteral("x"), true}, true);
        QVERIFY(r);
        QCOMPARE(r->record.value(QStringLiteral("OPIS")), QStringLiteral("x"));
        QVERIFY(r->allowed && r->allowed());
        // Without the permission the box is not offered and a ticked value
        // asks for nothing.
        permitted = false;
        QVERIFY(!e.setup(false).handOverOffered);
        QVERIFY(!e.handOver(Held{QStringLiteral("x"), true}, false));
    }

    void theSecondWindowOfAHandOverNeverOffersItsBox() {
        FormSetup s;
        s.handOverOffered = true;
        QVERIFY(offersHandOver(s));
        s.secondWindow = true;
        QVERIFY(!offersHandOver(s));
    }

    void theReadingIsCopiedAfterTheRegistersOwnWork() {
        bool permitted = true;
        IdRecordRules<Held> r = rules(&permitted);
        QStringList order;
        r.base.afterWrite = [&order](RegisterController&, const Held& h, bool) {
            order << QStringLiteral("own ") + h.text;
        };
        r.copyReading = [&order](DataModule&, const Held& h) {
            order << QStringLiteral("copy ") + h.text;
        };
        const RegisterEditing<Held> e = idRecordEditing(*db, r);
        RegisterController reg(*db, RegisterId::Repairs);
        e.afterWrite(reg, Held{QStringLiteral("a")}, true);
        QCOMPARE(order, (QStringList{QStringLiteral("own a"), QStringLiteral("copy a")}));
    }
};

QTEST_GUILESS_MAIN(TestRecordEditing)
#include "tst_recordediting.moc"
