// Every report template laid out over rows of its own, compared with the page
// text kept under tests/reports/golden. KV_REGENERATE_GOLDEN=1 writes the
// files anew (then read them before committing).
#include "TestSupport.h"

#include "framework/DisplayFormatters.h"
#include "reportengine/ReportFonts.h"
#include "reports/ReportCatalog.h"
#include "reports/ReportWalk.h"
#include "storage/engine/ResultSet.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kv;

namespace {

const QString kGoldenDir = QStringLiteral(KV_SOURCE_DIR "/tests/reports/golden");
const QString kTemplateDir = QStringLiteral(KV_SOURCE_DIR "/data/raporty");

// Every field any report reads, with values of three rows worked out from the
// field's name: dates, amounts with half-grosz edges, flags, texts with Polish
// letters and a CR.
QStringList fieldNames() {
    return QString::fromLatin1(
               "DATA DATAOD DATADO DATAWYST DATASTART DATAEND DATAZAKUPU DATAWYMIANY TERMIN "
               "BAK TANKOWANIE LICZNIK PRZEBIEG ZUZYCIE WARTNETTO WARTVAT WARTBRUTTO FUEL "
               "ODLEGLOSC STAWKA KWOTA GODZINY WARTOSC NETTO VAT BRUTTO LICZTERM LICZSTART "
               "LICZEND LICZSUMA GODZSUMA CZAS ODPOCZYNEK ILOSC PRZYPOMNIJ SNETTO SVAT SBRUTTO "
               "SFUEL GODZSTART GODZEND POJEMNOSC ROCZNIK ODOTYCZY "
               "ISFUEL DONE MAGAZYN CZYVAT PRYW "
               "NRREJ MARKA RODZWYD NAZWATOWAR NRDOKUMENT OPIS NRKARTY NAZWISKO IMIE NREW "
               "CELWYJAZDU TRASA UWAGI NUMER RODZAJ NAZWA NRDOKUMENTU RODZAJPRACO OSOBA POJAZD "
               "KONTRAHENT NREWID RODZAJO ROZMIARO PRZEBMAX TELEFON KONTAKT ADRES KOD MIASTO "
               "IDKARTY NRREJK COPIS WLASCICIEL PRAWOJAZDY PALIWO MIEJSCE CZESC")
        .split(u' ', Qt::SkipEmptyParts);
}

QVariant valueOf(const QString& f, int row) {
    static const QStringList dates{"DATA",    "DATAOD",     "DATADO",      "DATAWYST", "DATASTART",
                                   "DATAEND", "DATAZAKUPU", "DATAWYMIANY", "TERMIN"};
    static const QStringList flags{"ISFUEL", "DONE", "MAGAZYN", "CZYVAT", "PRYW"};
    static const QStringList amounts{
        "BAK",       "TANKOWANIE", "LICZNIK",  "PRZEBIEG",  "ZUZYCIE", "WARTNETTO",
        "WARTVAT",   "WARTBRUTTO", "FUEL",     "ODLEGLOSC", "STAWKA",  "KWOTA",
        "GODZINY",   "WARTOSC",    "NETTO",    "VAT",       "BRUTTO",  "LICZTERM",
        "LICZSTART", "LICZEND",    "LICZSUMA", "GODZSUMA",  "CZAS",    "ODPOCZYNEK",
        "ILOSC",     "PRZYPOMNIJ", "SNETTO",   "SVAT",      "SBRUTTO", "SFUEL"};
    if (dates.contains(f)) {
        // The last day of a month, the first of the next, a leap day.
        static const qint64 days[] = {20240131, 20240201, 20240229};
        return days[row];
    }
    if (flags.contains(f))
        return row == 1 ? QStringLiteral("N") : QStringLiteral("T");
    if (amounts.contains(f)) {
        // 10.005 rounds up to 10.01; 1234.5; 0.125 to 0.13.
        static const double values[] = {10.005, 1234.5, 0.125};
        return values[row] + amounts.indexOf(f);
    }
    if (f == u"GODZSTART" || f == u"GODZEND")
        return qint64(row == 2 ? 0 : 745 + row * 1000);
    if (f == u"POJEMNOSC" || f == u"ROCZNIK")
        return qint64(f == u"ROCZNIK" ? 2019 + row : 1598);
    if (f == u"ODOTYCZY")
        return qint64(row + 1);
    if (f == u"UWAGI" && row == 2)
        return QStringLiteral("Pierwszy wiersz") + QChar(13) + QStringLiteral("drugi wiersz");
    return QStringLiteral("%1 żółć %2").arg(f.toLower()).arg(row + 1);
}

std::shared_ptr<const ResultSet> rows(int count) {
    const QStringList names = fieldNames();
    auto set = std::make_shared<ResultSet>(names);
    for (int r = 0; r < count; ++r) {
        for (const QString& f : names)
            set->appendCell(valueOf(f, r));
        set->finishRow();
    }
    return set;
}

// The consumption registers work their consumption out in a hook from the rows
// before each one, the settlements their value from hours and rate; here the
// fixture's stored value stands in for each, shown as those hooks show an
// amount. Other computed columns stay as a register without its hook shows
// them: empty.
RegisterTableModel::CellFormatter consumptionAsStored() {
    return [](const ResultSet& rs, int row, const GridColumn& c) {
        return c.field == u"ZUZYCIE" || c.field == u"WARTOSC"
                   ? formatValue(Formatter::Money, rs.value(row, c.field))
                   : QString();
    };
}

CommonValues common() {
    CommonValues c;
    c.vehicle = QStringLiteral("WE 1234A, Skoda Octavia");
    c.capacity = QStringLiteral("1598 cm3");
    c.owner = QStringLiteral("Firma");
    c.company = QStringLiteral("Przedsiębiorstwo Przewozowe Żuraw");
    c.driver = QStringLiteral("Kowalski Jan");
    c.fuelCard = QStringLiteral("KP-7");
    c.issuedBy = QString(21, u'_') + QChar(13) + QStringLiteral("Wystawił");
    c.issued = QStringLiteral("Wystawiono 15.02.2024");
    c.chosenVehicle = QStringLiteral("Wybrany pojazd: WE 1234A");
    c.period = QStringLiteral("Dane z miesiąca: 02-2024");
    return c;
}

} // namespace

class TstReportGolden : public QObject {
    Q_OBJECT

    test::TestEnvironment m_env;

private slots:
    void initTestCase() {
        QVERIFY(report::loadReportFonts());
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    }

    void everyTemplate_data() {
        QTest::addColumn<QString>("base");
        for (const ReportDefinition& d : reportDefinitions())
            QTest::newRow(qPrintable(d.baseName())) << d.baseName();
        QTest::newRow("drukuj_pozycje") << QStringLiteral("drukuj_pozycje");
    }

    void everyTemplate() {
        QFETCH(QString, base);
        report::TemplateError error;
        const auto tpl =
            report::loadTemplate(kTemplateDir + u'/' + base + QStringLiteral(".frf"), &error);
        QVERIFY2(tpl, qPrintable(error.message()));

        ReportChoices choices;
        choices.orderText = QStringLiteral("Treść zlecenia");
        choices.costCentreTicked = true;
        choices.costCentreText = QStringLiteral("Dział handlowy");
        WalkExtras extras;
        const ReportDefinition* def = reportByBaseName(base);
        ReportDefinition card;
        if (!def) {
            card.templateFile = base + QStringLiteral(".frf");
            def = &card;
            extras.card = {QStringLiteral("Dane pojazdu"),
                           QStringLiteral("Numer rejestracyjny: WE 1") + QChar(13) +
                               QStringLiteral("Marka / typ / model: Skoda")};
            extras.fixedRows = 1;
        }
        if (def->set == VariableSet::F || def->set == VariableSet::F2) {
            FuelPeriodStats s;
            s.firstDate = 20240130;
            s.lastDate = 20240402;
            s.distance = Decimal::fromInteger(1200);
            s.litres = *Decimal::parse(u"96.5");
            s.usage = *Decimal::parse(u"8.04");
            extras.fuel = s;
        }
        extras.companyAddress = QStringLiteral("Żuraw ul. Długa 5 00-950 Warszawa");
        if (def->set == VariableSet::L)
            extras.vatValues = {{"KILOKRES", "Luty 2024"},         {"KILNRREJ", "WE 1234A"},
                                {"KILPOJAZD", "Skoda Octavia"},    {"KILFIRMA", "Żuraw"},
                                {"KILNIP", "725-000-00-00"},       {"KILODDATA", "10.01.2024"},
                                {"KILODLICZNIK", "100,00 km"},     {"KILNARASTDATA", "31.01.2024"},
                                {"KILNARASTLICZNIK", "101,00 km"}, {"KILOKRESDATA", "29.02.2024"},
                                {"KILOKRESLICZNIK", "102,00 km"},  {"KILDODATA", " - "},
                                {"KILDOLICZNIK", " - "},           {"KILOKRESKM", "1,00 km"},
                                {"KILRAZEMKM", "2,00 km"}};
        if (def->source == RowSourceKind::ChosenRoadCard)
            extras.fixedRows = 1; // one card, as the report command gives it
        const bool registerRows = def->source == RowSourceKind::Register;
        ReportRow row =
            registerRows ? ReportRow(rows(3), &registerDescriptor(def->reg), consumptionAsStored())
                         : ReportRow(rows(3));
        const QString text =
            report::documentText(layoutReportRows(*tpl, *def, row, choices, common(), extras));

        const QString path = kGoldenDir + u'/' + base + QStringLiteral(".txt");
        if (qEnvironmentVariableIntValue("KV_REGENERATE_GOLDEN")) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(text.toUtf8());
            return;
        }
        QFile golden(path);
        QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(path));
        const QStringList expected = QString::fromUtf8(golden.readAll()).split(u'\n');
        const QStringList actual = text.split(u'\n');
        for (int i = 0; i < std::min(expected.size(), actual.size()); ++i)
            QCOMPARE(actual.at(i), expected.at(i));
        QCOMPARE(actual.size(), expected.size());
    }
};

QTEST_MAIN(TstReportGolden)
#include "tst_reportgolden.moc"
