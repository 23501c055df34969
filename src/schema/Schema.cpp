#include "schema/Schema.h"

namespace kv::schema {

namespace {

using T = ColumnType;
using V = Version;

Column c(const char* name, T type, int width = 0, V since = V::Base) {
    return {QString::fromLatin1(name), type, width, since};
}
Column text(const char* name, int width, V since = V::Base) {
    return c(name, T::Text, width, since);
}
Column num(const char* name, V since = V::Base) {
    return c(name, T::Num, 0, since);
}
Column date(const char* name, V since = V::Base) {
    return c(name, T::Date, 0, since);
}
Column integer(const char* name, V since = V::Base) {
    return c(name, T::Int, 0, since);
}
Column autoId(const char* name) {
    return c(name, T::Auto);
}
Column flag(const char* name, V since = V::Base) {
    return c(name, T::Flag, 1, since);
}

std::vector<Column> rdpojColumns() {
    std::vector<Column> cols;
    for (int n = 5; n <= 20; ++n)
        cols.push_back({QStringLiteral("RDPOJ%1").arg(n), T::Num, 0, V::V1_0_5});
    return cols;
}

std::vector<Column> concat(std::vector<Column> a, const std::vector<Column>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Table table(const char* file, V since, std::vector<Column> columns, QStringList key = {},
            std::vector<QStringList> indexes = {}) {
    return {QString::fromLatin1(file), since, std::move(columns), std::move(key),
            std::move(indexes)};
}

std::vector<Column> fuelContinuous() {
    return {integer("IDPOJAZD"), date("DATA"),   num("BAK"),
            num("TANKOWANIE"),   num("LICZNIK"), num("ZUZYCIE")};
}

std::vector<Column> fuelPerUnit() {
    return {integer("IDPOJAZD"), date("DATA"), num("PRZEBIEG"), num("TANKOWANIE"), num("LICZNIK")};
}

std::vector<Table> buildCompanyTables() {
    const QStringList byVehicleDate{QStringLiteral("IDPOJAZD"), QStringLiteral("DATA")};
    std::vector<Table> t;
    // HASLO holds libsodium's Argon2id string, at most 127 characters. Tables
    // made by earlier versions declare 20; neither SQLite nor the program
    // enforces a declared width, so they keep it and hold the string as well.
    t.push_back(
        table("userzy.DB", V::Base,
              {text("NAZWA", 20), text("HASLO", 128), text("OPIS", 100), text("SUPERVISOR", 1)},
              {"NAZWA"}));
    t.push_back(table("slowniki.DB", V::Base,
                      {autoId("KOD"), text("IDSLOWNIK", 5), text("OPIS", 100), text("UZUP1", 20),
                       text("UZUP2", 0)},
                      {}, {{"IDSLOWNIK", "OPIS"}}));
    t.push_back(table(
        "stawki.DB", V::Base,
        concat({date("DATAOD"), num("LW900"), num("GT900"), num("MOTOCYKL"), num("MOTOROWER")},
               rdpojColumns()),
        {"DATAOD"}));
    t.push_back(
        table("uprawnienia.DB", V::Base, {text("NAZWA", 20), text("UPR", 3)}, {"NAZWA", "UPR"}));
    t.push_back(table("pojazdy.DB", V::Base,
                      {autoId("IDPOJAZD"),
                       text("NRREJ", 15),
                       text("POPRZNRREJ", 15),
                       text("MARKA", 50),
                       integer("RODZAJ"),
                       integer("POJEMNOSC"),
                       integer("ROCZNIK"),
                       text("SERIADREJ", 15),
                       text("NRSILNIKA", 30),
                       text("NRNADWOZIA", 30),
                       text("NREW", 100),
                       text("IDKIEROWCY", 15),
                       date("DATAOC"),
                       text("NRPOLOC", 20),
                       date("DATAAC"),
                       text("NRPOLAC", 20),
                       date("DATAPRZE"),
                       date("DATAPRZEGW"),
                       text("UWAGI", 254),
                       num("STAWKA", V::V1_0_5),
                       num("DATATACHO", V::V1_0_6),
                       num("NORMAOD", V::V1_0_6),
                       num("NORMADO", V::V1_0_6),
                       num("LICZPRZEG", V::V1_0_6),
                       num("LICZGWAR", V::V1_0_6),
                       num("LP", V::V1_0_7),
                       num("NRFLOTY", V::V1_0_7),
                       num("STATUS", V::V1_0_7),
                       text("NREWID", 50, V::V1_0_7)},
                      {}, {{"NRREJ"}}));
    t.push_back(table("osobowa.DB", V::Base,
                      {text("NREW", 15), text("NAZWISKO", 50), text("IMIE", 30), text("ADRES", 50),
                       text("NUMER", 10), text("KOD", 10), text("MIASTO", 50), text("KRAJ", 30),
                       text("TELEFON", 100), text("KONTAKT", 254), text("UWAGI", 254)},
                      {"NREW"}, {{"NAZWISKO"}}));
    t.push_back(
        table("notatki.DB", V::Base,
              {integer("IDNOTATKI"), text("DATA", 10), text("OPIS", 250), text("RESERVED", 0)},
              {"IDNOTATKI"}));
    t.push_back(table("naprawy.DB", V::Base,
                      {autoId("IDNAPRAWY"), integer("IDPOJAZD"), date("DATA"), text("OPIS", 254),
                       num("WARTNETTO"), num("WARTVAT"), num("WARTBRUTTO"), text("UWAGI", 254),
                       text("IDKIEROWCY", 15), num("LICZNIK"), num("LICZTERM", V::V1_0_6),
                       text("DONE", 1, V::V1_0_7)},
                      {}, {{"DATA"}, {"IDPOJAZD"}}));
    t.push_back(table("kpaliwowe.DB", V::Base,
                      {text("IDKARTY", 30), text("NAZWA", 100), text("IDKIEROWCY", 15),
                       integer("IDPOJAZD"), text("STACJA", 100), date("TERMIN"), text("PIN", 20),
                       text("WWW", 100), text("EMAIL", 100), text("UWAGI", 254)},
                      {"IDKARTY"}, {{"IDPOJAZD"}, {"TERMIN"}}));
    t.push_back(table("koszty.DB", V::Base,
                      {autoId("IDKOSZT"),
                       integer("IDPOJAZD"),
                       date("DATA"),
                       text("RODZWYD", 100),
                       text("NAZWATOWAR", 100),
                       text("NRDOKUMENT", 30),
                       num("WARTNETTO"),
                       num("WARTVAT"),
                       num("WARTBRUTTO"),
                       flag("CZYVAT"),
                       text("UWAGI", 254),
                       date("DATAWYSTAW"),
                       integer("RODZAJPLAT"),
                       text("IDKARTY", 30),
                       num("LICZNIK"),
                       text("IDKIEROWCY", 15),
                       flag("ISFUEL", V::V1_0_7),
                       num("FUEL", V::V1_0_7),
                       num("CK", V::V1_0_7),
                       num("IDDROGOWA", V::V1_0_7)},
                      {}, {{"DATA"}, {"IDPOJAZD"}}));
    t.push_back(
        table("firma.DB", V::Base,
              {integer("IDFIRMA"),  text("NAZWA", 254), text("KOD", 10),       text("MIASTO", 40),
               text("ULICA", 80),   text("NUMER", 10),  text("NIP", 13),       text("REGON", 9),
               text("BANK", 100),   text("ROR", 30),    text("TELEFON", 100),  text("FAX", 100),
               text("EMAIL", 100),  text("WWW", 100),   text("KKOD", 10),      text("KMIASTO", 40),
               text("KULICA", 80),  text("KNUMER", 10), text("KTELEFON", 100), text("KFAX", 100),
               text("KEMAIL", 100), text("INNE", 254)},
              {"IDFIRMA"}));
    t.push_back(table("dokumenty.DB", V::Base,
                      {autoId("IDDOKUMENT"), date("DATA"), date("TERMIN"), integer("IDPOJAZD"),
                       text("RODZAJ", 100), text("NAZWA", 254), text("OPIS", 254),
                       text("UWAGI", 254), text("NUMER", 30), num("LICZTERM", V::V1_0_6)},
                      {}, {{"DATA"}, {"TERMIN"}, {"IDPOJAZD"}}));
    t.push_back(
        table("przejazdy.DB", V::Base,
              {autoId("IDPRZEJAZD"), date("DATA"), integer("IDPOJAZD"), text("CELWYJAZDU", 100),
               text("TRASA", 100), num("ODLEGLOSC"), text("IDKIEROWCY", 15), text("UWAGI", 254),
               flag("PRYW", V::V1_0_13), num("PRYWLICZOD", V::V1_0_13),
               num("PRYWLICZDO", V::V1_0_13), text("PRYWKTO", 80, V::V1_0_13)},
              {}, {{"DATA"}, {"IDPOJAZD"}}));
    t.push_back(table("wyposazenie.DB", V::Base,
                      {autoId("IDWYPOS"), date("DATA"), date("TERMIN"), integer("IDPOJAZD"),
                       num("LICZNIK"), text("RODZAJ", 100), text("OPIS", 254), text("UWAGI", 254),
                       num("LICZTERM", V::V1_0_6)},
                      {}, {{"DATA"}, {"TERMIN"}, {"IDPOJAZD"}}));
    t.push_back(table("zuzycie.DB", V::Base, fuelContinuous(), byVehicleDate, {{"DATA"}}));
    t.push_back(table("zuzycielpg.DB", V::Lpg, fuelContinuous(), byVehicleDate, {{"DATA"}}));
    t.push_back(table("terminy.DB", V::V1_0_5,
                      {autoId("IDTERMINU"), date("DATAOD"), date("DATADO"), text("SPRODDO", 1),
                       integer("RODZAJTERMINU"), integer("IDPOJAZDU"), text("NREW", 15),
                       text("KONTRAHENT", 100), text("OPIS", 254), num("LICZTERM", V::V1_0_6)},
                      {}, {{"DATAOD"}, {"DATADO"}, {"IDPOJAZDU"}}));
    t.push_back(
        table("opony.DB", V::V1_0_5,
              {autoId("IDOPONY"), text("NREWID", 30), num("ILOSC"), text("MARKA", 100),
               integer("RODZAJ"), integer("ROZMIAR"), text("BIEZNIK", 100), text("CECHY", 254),
               num("PRZEBMAX"), integer("IDPOJAZDU"), date("DATAZAKUPU"), num("NETTO"), num("VAT"),
               num("BRUTTO"), text("NRDOKUMENTU", 30), date("DATAWYMIANY"), flag("MAGAZYN"),
               text("INNE", 254), num("LICZTERM", V::V1_0_6)},
              {}, {{"DATAZAKUPU"}, {"IDPOJAZDU"}}));
    t.push_back(
        table("rozliczenia.DB", V::V1_0_5,
              {autoId("IDROZLICZENIA"), date("DATAOD"), date("DATADO"), integer("IDPOJAZDU"),
               num("GODZINY"), num("STAWKA"), integer("RODZAJPRAC"), text("NRDOKUMENTU", 30),
               text("TRASA", 100), text("NREW", 15), text("KONTRAHENT", 100), text("OPIS", 254)},
              {}, {{"DATAOD"}, {"IDPOJAZDU"}}));
    t.push_back(table("zlecenia.DB", V::V1_0_5,
                      {autoId("IDZLECENIA"), date("DATAOD"), date("DATADO"), integer("IDPOJAZDU"),
                       integer("RODZAJPRAC"), text("NRDOKUMENTU", 30), text("TRASA", 100),
                       text("NREW", 15), text("KONTRAHENT", 100), text("OPIS", 254)},
                      {}, {{"DATAOD"}, {"IDPOJAZDU"}}));
    t.push_back(table("zuzyciekm.DB", V::V1_0_6, fuelPerUnit(), byVehicleDate, {{"DATA"}}));
    t.push_back(table("zuzyciekmlpg.DB", V::V1_0_6, fuelPerUnit(), byVehicleDate, {{"DATA"}}));
    t.push_back(table("zuzyciemth.DB", V::V1_0_6, fuelPerUnit(), byVehicleDate, {{"DATA"}}));
    t.push_back(table("zuzyciemthlpg.DB", V::V1_0_6, fuelPerUnit(), byVehicleDate, {{"DATA"}}));
    t.push_back(table("przebiegi.DB", V::V1_0_6,
                      {autoId("IDPRZEBIEGI"), integer("IDPOJAZD"), date("DATA"), num("LICZNIK"),
                       text("UWAGI", 254), num("DOTYCZY", V::V1_0_13)},
                      {}, {{"DATA"}, {"IDPOJAZD", "LICZNIK"}}));
    t.push_back(table("szkody.DB", V::V1_0_6,
                      {autoId("IDSZKODY"), integer("IDPOJAZD"), date("DATA"), text("OPIS", 254),
                       num("WARTNETTO"), num("WARTVAT"), num("WARTBRUTTO"), text("UWAGI", 254),
                       text("IDKIEROWCY", 15), num("LICZNIK")},
                      {}, {{"DATA"}, {"IDPOJAZD"}}));
    t.push_back(
        table("kartydrogowe.DB", V::V1_0_7,
              {autoId("IDDROGOWA"), text("NRKARTY", 254), date("DATAWYST"), integer("IDPOJAZD"),
               text("IDKIEROWCY", 15), text("CELWYJAZDU", 100), text("TRASA", 100),
               num("LICZSTART"), num("LICZEND"), date("DATASTART"), date("DATAEND"),
               c("GODZSTART", T::Time), c("GODZEND", T::Time), num("CZAS"), text("UWAGI", 254),
               text("PRAWOJAZDY", 254), num("ODPOCZYNEK"), num("GODZSUMA")},
              {}, {{"DATAWYST"}, {"IDPOJAZD"}}));
    t.push_back(table(
        "cenypaliw.DB", V::V1_0_8,
        {autoId("ID"), date("DATA"), integer("RODZAJPALIWA"), num("BRUTTO"), text("MIEJSCE", 100)},
        {}, {{"DATA"}}));
    t.push_back(table(
        "magazyn.DB", V::V1_0_8,
        {autoId("ID"), text("CZESC", 100), num("ILOSC"), num("PRZYPOMNIJ"), text("UWAGI", 254)}));
    t.push_back(table("system.DB", V::V2_8,
                      {integer("TYPE"), integer("ID"), integer("NUMBERPARAM")}, {"TYPE", "ID"}));
    return t;
}

} // namespace

QString versionText(Version v) {
    switch (v) {
    case V::Base:
        return QStringLiteral("1.0");
    case V::Lpg:
        return QStringLiteral("LPG");
    case V::V1_0_5:
        return QStringLiteral("1.0.5");
    case V::V1_0_6:
        return QStringLiteral("1.0.6");
    case V::V1_0_7:
        return QStringLiteral("1.0.7");
    case V::V1_0_8:
        return QStringLiteral("1.0.8");
    case V::V1_0_9:
        return QStringLiteral("1.0.9");
    case V::V1_0_13:
        return QStringLiteral("1.0.13");
    case V::V2_6:
        return QStringLiteral("2.6");
    case V::V2_8:
        return QStringLiteral("2.8");
    }
    return {};
}

const Column* Table::column(const QString& name) const {
    for (const Column& col : columns)
        if (col.name.compare(name, Qt::CaseInsensitive) == 0)
            return &col;
    return nullptr;
}

const std::vector<Table>& companyTables() {
    static const std::vector<Table> tables = buildCompanyTables();
    return tables;
}

const Table& companiesTable() {
    static const Table t = table("firmy.DB", V::Base, {text("NAZWA", 50), text("DIR", 50)});
    return t;
}

const Table& distancesTable() {
    static const Table t = table("odleglosci.DB", V::Base,
                                 {text("M1", 100), text("M2", 100), num("KM")}, {}, {{"M1", "M2"}});
    return t;
}

const Table* findTable(const QString& name) {
    QString base = name;
    if (base.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
        base.chop(3);
    for (const Table& t : companyTables())
        if (t.baseName().compare(base, Qt::CaseInsensitive) == 0)
            return &t;
    for (const Table* t : {&companiesTable(), &distancesTable()})
        if (t->baseName().compare(base, Qt::CaseInsensitive) == 0)
            return t;
    return nullptr;
}

QStringList companyTableFiles() {
    QStringList files;
    for (const Table& t : companyTables())
        files.append(t.file);
    return files;
}

QString templateNameOf(const QString& fileName) {
    return fileName.isEmpty() ? fileName : fileName.left(fileName.size() - 1) + u'_';
}

QString sqlType(const Column& column) {
    switch (column.type) {
    case T::Auto:
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case T::Int:
    case T::Date:
    case T::Time:
        return QStringLiteral("INTEGER");
    case T::Num:
        return QStringLiteral("FLOAT");
    case T::Flag:
        return QStringLiteral("CHAR(1)");
    case T::Text:
        return column.width > 0 ? QStringLiteral("VARCHAR(%1)").arg(column.width)
                                : QStringLiteral("VARCHAR");
    }
    return {};
}

QStringList createStatements(const Table& table, Version asOf) {
    const QString schema = table.baseName();
    QStringList defs;
    QStringList present;
    for (const Column& col : table.columns) {
        if (col.since > asOf)
            continue;
        defs.append(col.name + u' ' + sqlType(col));
        present.append(col.name);
    }
    QStringList statements;
    statements.append(
        QStringLiteral("CREATE TABLE \"%1\".\"%1\" (%2)").arg(schema, defs.join(", ")));
    auto indexOn = [&](const QStringList& cols, bool unique) {
        for (const QString& col : cols)
            if (!present.contains(col))
                return;
        statements.append(QStringLiteral("CREATE %1INDEX \"%2\".\"%2_%3\" ON \"%2\" (%4)")
                              .arg(unique ? QStringLiteral("UNIQUE ") : QString(), schema,
                                   cols.join(u'_'), cols.join(", ")));
    };
    if (!table.uniqueKey.isEmpty())
        indexOn(table.uniqueKey, true);
    for (const QStringList& idx : table.indexes)
        indexOn(idx, false);
    return statements;
}

} // namespace kv::schema
