#include "DictionaryFixture.h"

#include "dictionaries/DictionaryQueries.h"
#include "dictionaries/DictionaryTableModel.h"
#include "dictionaries/VehicleKindNames.h"
#include "framework/RegisterController.h"
#include "storage/Query.h"

using namespace kv;
using test::entry;
using test::ScriptedEntryForm;

// The dictionary window's work through its core: lists, entries and their
// checks, the vehicle kinds, and the permission that guards all changes.
class TestDictionaries : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;

    // A book on the list with the right to change it, and a form for it.
    DictionaryBook& bookOn(const QString& code) {
        m_book = std::make_unique<DictionaryBook>(*db);
        m_book->setChangesAllowed(true);
        if (!m_book->showList(dictionaryPosition(code)))
            qFatal("cannot show %s", qPrintable(code));
        m_form.list = &m_book->list();
        m_form.script.clear();
        m_form.shows = 0;
        return *m_book;
    }
    bool add(const DictionaryEntryValues& v, bool copy = false) {
        m_form.script = {v};
        return m_book->add(m_form, copy);
    }
    QStringList texts() const {
        QStringList out;
        for (int i = 0; i < m_book->rowCount(); ++i)
            out.append(m_book->rows()->text(i, QStringLiteral("OPIS")));
        return out;
    }
    QString currentSecond() const {
        return m_book->query().currentValue(QStringLiteral("UZUP1")).toString();
    }
    int rowsIn(const QString& code) {
        return db
            ->select(QStringLiteral("SELECT * FROM slowniki WHERE IDSLOWNIK = :C"),
                     {{QStringLiteral("C"), code}})
            .rowCount();
    }

    std::unique_ptr<DictionaryBook> m_book;
    ScriptedEntryForm m_form;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() {
        env.ui().clear();
        db = test::openDemoCompany(env, QStringLiteral("demo"));
        QVERIFY(db);
    }
    void cleanup() {
        m_book.reset();
        db.reset();
    }

    void vatRatesHighestFirstAndWholePercentages() {
        DictionaryBook& book = bookOn(kVatRatesCode);
        QCOMPARE(texts(), (QStringList{"23", "8", "5", "0"}));
        m_form.script = {entry(QStringLiteral("23%")), std::nullopt};
        QVERIFY(!book.add(m_form, false));
        QCOMPARE(m_form.lastCheck.message, QStringLiteral("Niewłaściwa stawka VAT."));
        QCOMPARE(m_form.lastCheck.field, kEntryTextField);
        for (const char* refused : {"7,5", "-3", "+4", "siedem"}) {
            DictionaryEntryValues v = entry(QLatin1String(refused));
            QVERIFY2(!checkDictionaryEntry(book.list(), v).ok, refused);
        }
        QVERIFY(add(entry(QStringLiteral(" 012 "))));
        // Rewritten in plain digits, sorted as a number, and the cursor on it.
        QCOMPARE(texts(), (QStringList{"23", "12", "8", "5", "0"}));
        QCOMPARE(book.currentRow(), 1);
        QCOMPARE(m_form.layout.title, QStringLiteral("Edytuj stawkę VAT"));
        QVERIFY(m_form.layout.percentUnit);
        QVERIFY(!m_form.layout.vatBox && !m_form.layout.lengthField);
    }

    void expenseKindsBookVatOrNot() {
        DictionaryBook& book = bookOn(kExpenseKindsCode);
        QVERIFY(book.add(m_form, false) == false);       // cancelled: nothing saved
        QCOMPARE(m_form.shown, DictionaryEntryValues{}); // empty, the VAT box ticked
        QVERIFY(m_form.shown.bookVat);
        QVERIFY(m_form.layout.vatBox);
        QVERIFY(add(entry(QStringLiteral("Mandat"), {}, false)));
        QCOMPARE(book.query().currentValue(QStringLiteral("OPIS")).toString(),
                 QStringLiteral("Mandat"));
        QCOMPARE(currentSecond(), QStringLiteral("Nie"));
        QVERIFY(add(entry(QStringLiteral("Leasing"))));
        QCOMPARE(currentSecond(), QStringLiteral("Tak"));
        // Editing shows the box as stored and stores what it is left at.
        m_form.script = {entry(QStringLiteral("Leasing"), {}, false)};
        QVERIFY(book.edit(m_form));
        QCOMPARE(currentSecond(), QStringLiteral("Nie"));
        QCOMPARE(book.query().currentValue(QStringLiteral("UZUP2")).toString(), QString());
        DictionaryTableModel model(book.list());
        model.setRows(book.rows());
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Odliczyć VAT?"));
        QCOMPARE(model.index(book.currentRow(), 1).data().toString(), QStringLiteral("Nie"));
    }

    void routeLengthsAreNumbers() {
        DictionaryBook& book = bookOn(kRoutesCode);
        QVERIFY(add(entry(QStringLiteral("Łódź – Łask – Łódź"), QStringLiteral("12,5"))));
        QCOMPARE(currentSecond(), QStringLiteral("12.5"));
        DictionaryTableModel model(book.list());
        model.setRows(book.rows());
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("długość (w km)"));
        QCOMPARE(model.index(book.currentRow(), 1).data().toString(), QStringLiteral("12,5"));

        // A length that is no number is refused, when adding and when editing.
        const int before = rowsIn(kRoutesCode);
        m_form.script = {entry(QStringLiteral("Łódź – Koluszki"), QStringLiteral("12 km")),
                         std::nullopt};
        QVERIFY(!book.add(m_form, false));
        QCOMPARE(m_form.lastCheck.message, QStringLiteral("Niepoprawna wartość długości trasy."));
        QCOMPARE(m_form.lastCheck.field, kEntryLengthField);
        QVERIFY(m_form.lastCheck.selectAll);
        QCOMPARE(rowsIn(kRoutesCode), before);

        m_form.shows = 0;
        m_form.script = {entry(QStringLiteral("Łódź – Łask – Łódź"), QStringLiteral("dwanaście")),
                         entry(QStringLiteral("Łódź – Łask – Łódź"), QStringLiteral("13.25"))};
        QVERIFY(book.edit(m_form));
        QCOMPARE(m_form.shows, 1); // the same window, typed again
        QCOMPARE(currentSecond(), QStringLiteral("13.25"));
        // The edit window shows the stored length with the decimal comma.
        m_form.script = {std::nullopt};
        book.edit(m_form);
        QCOMPARE(m_form.shown.second, QStringLiteral("13,25"));
        // However long, a length is stored in plain digits, never with an exponent.
        m_form.script = {
            entry(QStringLiteral("Łódź – Łask – Łódź"), QStringLiteral("12345678901234567890"))};
        QVERIFY(book.edit(m_form));
        QCOMPARE(currentSecond(), QStringLiteral("12345678901234567168"));
        // A blank length stays blank.
        QVERIFY(add(entry(QStringLiteral("Po mieście"), QStringLiteral("  "))));
        QCOMPARE(currentSecond(), QString());
    }

    void listsSortInPolishOrder() {
        bookOn(kRoutesCode);
        const QStringList routes = texts();
        const int lowicz = routes.indexOf(QStringLiteral("Łódź – Łowicz – Łódź"));
        QVERIFY(lowicz >= 0);
        QVERIFY(lowicz < routes.indexOf(QStringLiteral("Łódź – Zgierz – Łódź")));
        QVERIFY(lowicz > routes.indexOf(QStringLiteral("Łódź – Kutno – Łódź")));
    }

    void blankTextIsRefusedEverywhere() {
        DictionaryBook& book = bookOn(QStringLiteral("CELWY"));
        m_form.script = {entry(QStringLiteral("   ")), std::nullopt};
        QVERIFY(!book.add(m_form, false));
        QCOMPARE(m_form.lastCheck.message, QStringLiteral("Nie wypełniono pola."));
        QCOMPARE(m_form.lastCheck.field, kEntryTextField);
    }

    void textWithQuotesIsBound() {
        DictionaryBook& book = bookOn(QStringLiteral("KONTR"));
        const QString nasty = QStringLiteral("Serwis \"U Zbycha\" O'Brien; DROP TABLE slowniki");
        QVERIFY(add(entry(nasty)));
        QCOMPARE(book.query().currentValue(QStringLiteral("OPIS")).toString(), nasty);
        QVERIFY(db->fillContractorList().contains(nasty));
    }

    void copyEditAndDelete() {
        DictionaryBook& book = bookOn(kRoutesCode);
        QVERIFY(add(entry(QStringLiteral("A – B"), QStringLiteral("40"))));
        // Copy starts from the current entry.
        m_form.script = {std::nullopt};
        book.add(m_form, true);
        QCOMPARE(m_form.shown.text, QStringLiteral("A – B"));
        QCOMPARE(m_form.shown.second, QStringLiteral("40"));
        QVERIFY(add(entry(QStringLiteral("A – C"), QStringLiteral("41")), true));
        QCOMPARE(book.query().currentValue(QStringLiteral("OPIS")).toString(),
                 QStringLiteral("A – C"));
        const int routes = rowsIn(kRoutesCode);

        // Deleting asks first; "Nie" deletes nothing.
        env.ui().queueAnswer(false);
        QVERIFY(!book.remove(true));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Pytanie"));
        QCOMPARE(env.ui().last().text, QStringLiteral("Czy na pewno usunąć zaznaczoną pozycję?"));
        QCOMPARE(rowsIn(kRoutesCode), routes);
        env.ui().clear();
        QVERIFY(book.remove(false));
        QVERIFY(env.ui().messages().isEmpty());
        QCOMPARE(rowsIn(kRoutesCode), routes - 1);
        QVERIFY(!texts().contains(QStringLiteral("A – C")));
        QVERIFY(book.currentRow() >= 0);
        // Another list starts on its first entry.
        QVERIFY(book.showList(dictionaryPosition(kVatRatesCode)));
        QCOMPARE(book.currentRow(), 0);
    }

    void vehicleKindsAreRenamedTogether() {
        DictionaryBook& book = bookOn(kVehicleKindsCode);
        QVERIFY(book.onKindsPage());
        QVERIFY(!book.commandsEnabled());
        std::optional<VehicleKindNames> names = book.loadKinds();
        QVERIFY(names);
        QCOMPARE(names->motorcycle, QStringLiteral("Motocykl"));
        QCOMPARE(names->moped, QStringLiteral("Motorower"));
        QCOMPARE(names->column(5), QStringLiteral("Inne 1"));
        QCOMPARE(names->column(20), QStringLiteral("Inne 16"));

        names->motorcycle = QStringLiteral("Motocykl / skuter");
        names->column(7) = QStringLiteral("Ciągnik \"rolniczy\"");
        env.ui().queueAnswer(false);
        QVERIFY(!book.saveKinds(*names));
        QCOMPARE(env.ui().last().text, QStringLiteral("Czy na pewno zapamiętać zmiany?"));
        QCOMPARE(book.loadKinds()->motorcycle, QStringLiteral("Motocykl"));
        env.ui().queueAnswer(true);
        QVERIFY(book.saveKinds(*names));
        QCOMPARE(*book.loadKinds(), *names);
        // Only the kinds changed: the cars keep their names.
        QCOMPARE(db->select(QStringLiteral("SELECT OPIS FROM slowniki WHERE KOD = 1"))
                     .value(0, 0)
                     .toString(),
                 QStringLiteral("Samochód osobowy"));

        // The next opening of the rate register titles its columns after them.
        const QStringList titles = rateGridTitles(readVehicleKindNames(*db));
        QCOMPARE(titles.size(), 21);
        QCOMPARE(titles.at(3), QStringLiteral("Motocykl / skuter"));
        QCOMPARE(titles.at(4), QStringLiteral("Motorower"));
        QCOMPARE(titles.at(7), QStringLiteral("Ciągnik \"rolniczy\""));
        QCOMPARE(titles.at(8), QStringLiteral("Inne 4"));
        QCOMPARE(rateFieldLabels(readVehicleKindNames(*db)).at(2),
                 QStringLiteral("Motocykl / skuter"));
    }

    void namelessKindsKeepTheColumnsOwnTitles() {
        VehicleKindNames names;
        names.column(9) = QStringLiteral("Quad");
        names.moped = QStringLiteral("  ");
        const QStringList titles = rateGridTitles(names);
        QCOMPARE(titles.at(0), QStringLiteral("Obow. od dnia"));
        QCOMPARE(titles.at(1), QStringLiteral("Poniżej 900 cm3"));
        QCOMPARE(titles.at(3), QStringLiteral("Motocykl"));
        QCOMPARE(titles.at(4), QStringLiteral("Motorower"));
        QCOMPARE(titles.at(5), QStringLiteral("Inne"));
        QCOMPARE(titles.at(9), QStringLiteral("Quad"));
        QCOMPARE(rateFieldLabels(names).size(), 20);
    }

    void withoutTheRightNothingChanges() {
        DictionaryBook& book = bookOn(QStringLiteral("FLOTA"));
        book.setChangesAllowed(false);
        QVERIFY(!book.commandsEnabled());
        const int fleets = rowsIn(QStringLiteral("FLOTA"));
        m_form.script = {entry(QStringLiteral("F9"))};
        QVERIFY(!book.add(m_form, false));
        QVERIFY(!book.add(m_form, true));
        QVERIFY(!book.edit(m_form));
        env.ui().setDefaultAnswer(true);
        QVERIFY(!book.remove(true));
        QCOMPARE(m_form.shows, 0);
        QVERIFY(env.ui().messages().isEmpty());
        QCOMPARE(rowsIn(QStringLiteral("FLOTA")), fleets);
        VehicleKindNames renamed = readVehicleKindNames(*db);
        renamed.motorcycle = QStringLiteral("X");
        QVERIFY(!book.saveKinds(renamed));
        QCOMPARE(readVehicleKindNames(*db).motorcycle, QStringLiteral("Motocykl"));
        env.ui().setDefaultAnswer(false);
    }

    void deletedFleetNumberLeavesAnEmptyColumn() {
        DictionaryBook& book = bookOn(QStringLiteral("FLOTA"));
        RegisterController vehicles(*db, RegisterId::Vehicles);
        QVERIFY(vehicles.refresh());
        const auto fleetOf = [&](const QString& nr) {
            for (int i = 0; i < vehicles.rowCount(); ++i)
                if (vehicles.query().result()->text(i, QStringLiteral("NRREJ")) == nr)
                    return vehicles.query().result()->value(i, QStringLiteral("FLOTA"));
            return QVariant(QStringLiteral("?"));
        };
        // A vehicle of the first fleet number.
        const ResultSet v = db->select(QStringLiteral(
            "SELECT A.NRREJ, A.NRFLOTY, D.OPIS FROM pojazdy A JOIN slowniki D ON D.KOD = A.NRFLOTY "
            "ORDER BY A.NRREJ LIMIT 1"));
        QCOMPARE(v.rowCount(), 1);
        const QString nr = v.text(0, QStringLiteral("NRREJ"));
        const qint64 kod = v.value(0, QStringLiteral("NRFLOTY")).toLongLong();
        QCOMPARE(fleetOf(nr).toString(), v.text(0, QStringLiteral("OPIS")));
        QVERIFY(locateDictionaryEntry(*db, kod));
        QVERIFY(book.remove(false));
        QVERIFY(vehicles.refresh());
        QVERIFY(fleetOf(nr).toString().isEmpty());
        // The vehicle keeps the number of the entry; nothing else changed.
        QCOMPARE(db->select(QStringLiteral("SELECT NRFLOTY FROM pojazdy WHERE NRREJ = :N"),
                            {{QStringLiteral("N"), nr}})
                     .value(0, 0)
                     .toLongLong(),
                 kod);
    }

    void failuresAreReportedWithTheirCodes() {
        DictionaryBook& book = bookOn(QStringLiteral("CELWY"));
        const QStringList before = texts();
        db->exec(QStringLiteral("DROP TABLE slowniki.slowniki"));
        env.ui().clear();
        QVERIFY(!book.showList(dictionaryPosition(QStringLiteral("CELWY"))));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000036]")));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd bazy danych"));
        QCOMPARE(texts(), before); // the same list stays as it was
        QVERIFY(!add(entry(QStringLiteral("Nowy"))));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000050]")));
        QVERIFY(!book.loadKinds());
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000003100]")));
        env.ui().queueAnswer(true);
        QVERIFY(!book.saveKinds(VehicleKindNames{}));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000003101]")));
        // Another list that cannot be read leaves no rows for the commands.
        QVERIFY(!book.showList(dictionaryPosition(QStringLiteral("FLOTA"))));
        QCOMPARE(book.rowCount(), 0);
        QVERIFY(!book.edit(m_form));
    }
};

QTEST_GUILESS_MAIN(TestDictionaries)
#include "tst_dictionaries.moc"
