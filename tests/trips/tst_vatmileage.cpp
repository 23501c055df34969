#include "TripsFixture.h"

#include "trips/VatMileageRecord.h"

using namespace kv;

namespace {

Decimal dec(const char* text) {
    return Decimal::parse(QString::fromLatin1(text)).value();
}

const QString kStartMessage =
    QStringLiteral("Nie znaleziono informacji na temat daty rozpoczęcia prowadzenia ewidencji. "
                   "Popraw dane w zakładce Finanse->Historia przebiegów.");
const QString kReadingsMessage =
    QStringLiteral("Stany liczników rozpoczęnia/zakończenia ewidencji lub na koniec okresu "
                   "rozliczeniowego są niepoprawne. Popraw dane w zakładce Finanse->Historia "
                   "przebiegów.");

QString periodMessage(const QString& month) {
    return QStringLiteral("Nie znaleziono informacji na temat stanu licznika na koniec okresu "
                          "%1. Popraw dane w zakładce Finanse->Historia przebiegów.")
        .arg(month);
}

} // namespace

// The VAT mileage record of a vehicle and a month: the company's data, the
// four readings of the odometer history and their checks, the values printed
// before the trips and the trips in their order.
class TestVatMileage : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::TripsData> data;
    // A registration number with both quotes in it.
    const QString plate = QStringLiteral("EL 1'2\"3");
    int car = 0;

    void open(const QString& name, const QString& companyName = QStringLiteral("Firma Sp. z o.o."),
              const QString& nip = QStringLiteral("725-000-00-00")) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        data = std::make_unique<test::TripsData>(*db);
        db->exec(QStringLiteral("DELETE FROM firma.DB"));
        db->exec(QStringLiteral("INSERT INTO firma.DB (IDFIRMA, NAZWA, NIP) VALUES (1, :PARAM0, "
                                ":PARAM1)"),
                 engine::positionalParams({companyName, nip}));
        car = data->addVehicle(plate);
    }
    void reading(int kind, int date, const char* value, int vehicle = 0) {
        db->exec(QStringLiteral("INSERT INTO przebiegi.DB (IDPOJAZD, DATA, LICZNIK, UWAGI, "
                                "DOTYCZY) VALUES (%1, %2, %3, '', %4)")
                     .arg(vehicle ? vehicle : car)
                     .arg(date)
                     .arg(QLatin1String(value))
                     .arg(kind));
    }
    void refusedWith(int year, int month, const QString& text) {
        env.ui().clear();
        QVERIFY(!buildVatMileageRecord(*db, plate, year, month));
        QCOMPARE(env.ui().messages().size(), 1);
        QCOMPARE(env.ui().messages().first().caption, QStringLiteral("Błąd"));
        QCOMPARE(env.ui().messages().first().text, text);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() { env.ui().clear(); }
    void cleanup() {
        data.reset();
        db.reset();
    }

    void readingsAreWholeKilometresHalvesToEven() {
        QCOMPARE(vatReadingText(dec("100.6")), QStringLiteral("101,00 km"));
        QCOMPARE(vatReadingText(dec("100.5")), QStringLiteral("100,00 km"));
        QCOMPARE(vatReadingText(dec("101.5")), QStringLiteral("102,00 km"));
        QCOMPARE(vatReadingText(dec("101.49")), QStringLiteral("101,00 km"));
        QCOMPARE(vatReadingText(dec("0.5")), QStringLiteral("0,00 km"));
        QCOMPARE(wholeKilometres(dec("-2.5")), dec("-2"));
    }

    void recordOfAMonth() {
        open(QStringLiteral("vat"));
        data->addPerson(QStringLiteral("7"), QStringLiteral("Kowalski"), QString());
        data->addPerson(QStringLiteral("8"), QStringLiteral("Nowak"), QStringLiteral("Anna"));
        reading(1, 20240110, "100.5");                                        // start of the record
        reading(2, 20240131, "100.6");                                        // end of January
        reading(2, 20240229, "101.5");                                        // end of February
        reading(1, 20240105, "99", data->addVehicle(QStringLiteral("EL 9"))); // another vehicle
        // February's trips, out of order; two on one day follow the lent reading.
        const int first = data->addTrip(car, 20240215, "12.5", QStringLiteral("7"));
        data->addTrip(car, 20240203, "30", QStringLiteral("8"));
        data->addTrip(car, 20240301, "400");
        data->addTrip(car, 20240131, "400");
        db->exec(QStringLiteral("UPDATE przejazdy.DB SET PRYW = 'T', PRYWLICZOD = 1200, "
                                "PRYWLICZDO = 1212.5, PRYWKTO = 'Jan Obcy' WHERE IDPRZEJAZD = %1")
                     .arg(first));
        data->addTrip(car, 20240215, "1");
        db->exec(QStringLiteral("UPDATE przejazdy.DB SET PRYWLICZOD = 1300 WHERE IDPRZEJAZD = "
                                "(SELECT MAX(IDPRZEJAZD) FROM przejazdy.DB)"));

        const std::optional<VatMileageRecord> r = buildVatMileageRecord(*db, plate, 2024, 2);
        QVERIFY(r);
        QVERIFY(env.ui().messages().isEmpty());
        const auto v = [&](const char* name) { return r->values.value(QLatin1String(name)); };
        QCOMPARE(v("KILOKRES"), QStringLiteral("Luty 2024"));
        QCOMPARE(v("KILNRREJ"), plate);
        QCOMPARE(v("KILPOJAZD"), QStringLiteral("Skoda"));
        QCOMPARE(v("KILFIRMA"), QStringLiteral("Firma Sp. z o.o."));
        QCOMPARE(v("KILNIP"), QStringLiteral("725-000-00-00"));
        QCOMPARE(v("KILODDATA"), QStringLiteral("10.01.2024"));
        QCOMPARE(v("KILODLICZNIK"), QStringLiteral("100,00 km"));
        QCOMPARE(v("KILNARASTDATA"), QStringLiteral("31.01.2024"));
        QCOMPARE(v("KILNARASTLICZNIK"), QStringLiteral("101,00 km"));
        QCOMPARE(v("KILOKRESDATA"), QStringLiteral("29.02.2024"));
        QCOMPARE(v("KILOKRESLICZNIK"), QStringLiteral("102,00 km"));
        QCOMPARE(v("KILDODATA"), QStringLiteral(" - "));
        QCOMPARE(v("KILDOLICZNIK"), QStringLiteral(" - "));
        // The period from the previous period's end, the total from the start.
        QCOMPARE(v("KILOKRESKM"), QStringLiteral("1,00 km"));
        QCOMPARE(v("KILRAZEMKM"), QStringLiteral("2,00 km"));

        const ResultSet& t = r->trips;
        QCOMPARE(t.rowCount(), 3);
        QCOMPARE(t.value(0, QStringLiteral("DATA")).toLongLong(), 20240203);
        QCOMPARE(t.text(0, QStringLiteral("KIEROWCA")), QStringLiteral("Nowak Anna"));
        // A driver without a first name keeps the surname.
        QCOMPARE(t.text(1, QStringLiteral("KIEROWCA")), QStringLiteral("Kowalski"));
        QCOMPARE(t.text(1, QStringLiteral("PRYWKTO")), QStringLiteral("Jan Obcy"));
        QCOMPARE(t.value(2, QStringLiteral("PRYWLICZOD")).toInt(), 1300);
        QCOMPARE(t.text(2, QStringLiteral("KIEROWCA")), QString());
    }

    void periodRunsFromTheStartWithoutAnEarlierPeriod() {
        open(QStringLiteral("vat2"));
        reading(2, 20231231, "50");     // closes a period before the record began
        reading(1, 20240110, "1000.4"); // 1000 km
        reading(2, 20240131, "1250.5"); // 1250 km (half to even)
        const std::optional<VatMileageRecord> r = buildVatMileageRecord(*db, plate, 2024, 1);
        QVERIFY(r);
        QCOMPARE(r->values.value(QStringLiteral("KILOKRESKM")), QStringLiteral("250,00 km"));
        QCOMPARE(r->values.value(QStringLiteral("KILRAZEMKM")), QStringLiteral("250,00 km"));
        QCOMPARE(r->values.value(QStringLiteral("KILNARASTLICZNIK")), QStringLiteral("50,00 km"));

        open(QStringLiteral("vat3"));
        reading(1, 20240110, "1000");
        reading(2, 20240131, "1100");
        const std::optional<VatMileageRecord> n = buildVatMileageRecord(*db, plate, 2024, 1);
        QVERIFY(n);
        QCOMPARE(n->values.value(QStringLiteral("KILNARASTDATA")), QStringLiteral(" - "));
        QCOMPARE(n->values.value(QStringLiteral("KILNARASTLICZNIK")), QStringLiteral(" - "));
        QCOMPARE(n->values.value(QStringLiteral("KILOKRESKM")), QStringLiteral("100,00 km"));
    }

    void refusals() {
        open(QStringLiteral("vat4"));
        // A start dated in a later month is not found.
        reading(1, 20240305, "100");
        reading(2, 20240229, "200");
        refusedWith(2024, 2, kStartMessage);
        // March has no end-of-period reading of its own: February's does not
        // close it.
        refusedWith(2024, 3, periodMessage(QStringLiteral("Marzec 2024")));
        // An end-of-period reading of 0 is none.
        reading(2, 20240331, "0");
        refusedWith(2024, 3, periodMessage(QStringLiteral("Marzec 2024")));
        // A start above the period's end.
        reading(2, 20240331, "90");
        refusedWith(2024, 3, kReadingsMessage);
        // An end of the record below the period's end.
        open(QStringLiteral("vat5"));
        reading(1, 20240101, "100");
        reading(2, 20240131, "300");
        reading(3, 20240120, "250");
        refusedWith(2024, 1, kReadingsMessage);
    }

    void anEndOfRecordOfZeroSkipsTheThirdCheck() {
        open(QStringLiteral("vat6"));
        reading(1, 20240101, "100");
        reading(2, 20240131, "300");
        reading(3, 20240120, "0");
        const std::optional<VatMileageRecord> r = buildVatMileageRecord(*db, plate, 2024, 1);
        QVERIFY(r);
        QCOMPARE(r->values.value(QStringLiteral("KILDOLICZNIK")), QStringLiteral(" - "));
        // An end of the record above the period's end is printed.
        db->exec(QStringLiteral("DELETE FROM przebiegi.DB WHERE DOTYCZY = 3"));
        reading(3, 20240210, "400");
        const std::optional<VatMileageRecord> e = buildVatMileageRecord(*db, plate, 2024, 1);
        QVERIFY(e);
        QCOMPARE(e->values.value(QStringLiteral("KILDODATA")), QStringLiteral("10.02.2024"));
        QCOMPARE(e->values.value(QStringLiteral("KILDOLICZNIK")), QStringLiteral("400,00 km"));
    }

    void companyWithoutNameOrNip() {
        const QString message = QStringLiteral("Brak nazwy firmy lub NIPu. Wprowadź odpowiednie "
                                               "dane w zakładce Słowniki->Dane Firmy.");
        open(QStringLiteral("vat7"), QStringLiteral("Firma"), QStringLiteral("  "));
        reading(1, 20240101, "100");
        reading(2, 20240131, "300");
        refusedWith(2024, 1, message);
        open(QStringLiteral("vat8"), QString(), QStringLiteral("725"));
        refusedWith(2024, 1, message);
    }

    void anUnknownVehicleHasNoStart() {
        open(QStringLiteral("vat9"));
        reading(1, 20240101, "100");
        reading(2, 20240131, "300");
        env.ui().clear();
        QVERIFY(!buildVatMileageRecord(*db, QStringLiteral("EL 1' OR '1'='1"), 2024, 1));
        QCOMPARE(env.ui().messages().first().text, kStartMessage);
    }
};

QTEST_MAIN(TestVatMileage)
#include "tst_vatmileage.moc"
