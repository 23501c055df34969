#include "tools/demo/DemoMasterDataReader.h"

#include "storage/engine/Connection.h"
#include "storage/engine/DatabaseError.h"
#include "tools/demo/DemoSources.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>

namespace kv::demo {

namespace {

const QString kUsageFile = QStringLiteral("eksploatacja.csv");

void readDictionary(engine::Connection& c, DemoMasterData& m) {
    const ResultSet r =
        c.query(QStringLiteral("SELECT KOD, IDSLOWNIK, OPIS, UZUP1 FROM slowniki ORDER BY KOD"));
    for (int i = 0; i < r.rowCount(); ++i)
        m.dictionary.push_back({r.value(i, 0).toLongLong(), r.value(i, 1).toString(),
                                r.value(i, 2).toString(), r.value(i, 3).toString()});
    // What the dated records are made of.
    for (const char* list :
         {"TRASY", "CELWY", "RDWYD", "RDPLA", "RDPAL", "CKKOD", "KONTR", "RPRAC"})
        if (m.list(QString::fromLatin1(list)).empty())
            throw DatabaseError(
                QStringLiteral("slowniki.csv: brak pozycji słownika %1").arg(QLatin1String(list)));
}

void readPeople(engine::Connection& c, DemoMasterData& m) {
    static const QRegularExpression licence(QStringLiteral("\\d{5}/\\d{2}/\\d{4}"));
    const ResultSet r = c.query(QStringLiteral("SELECT NREW, UWAGI FROM osobowa ORDER BY NREW"));
    for (int i = 0; i < r.rowCount(); ++i)
        m.employees.push_back(
            {r.value(i, 0).toString(), licence.match(r.value(i, 1).toString()).captured()});
    if (m.employees.empty())
        throw DatabaseError(QStringLiteral("osobowa.csv: brak pracowników"));
    const ResultSet cards =
        c.query(QStringLiteral("SELECT IDKARTY, IDPOJAZD FROM kpaliwowe ORDER BY IDKARTY"));
    for (int i = 0; i < cards.rowCount(); ++i)
        m.fuelCards.push_back({cards.value(i, 0).toString(), cards.value(i, 1).toLongLong()});
}

void readVehicles(engine::Connection& c, DemoMasterData& m) {
    const ResultSet r = c.query(QStringLiteral(
        "SELECT IDPOJAZD, NRREJ, RODZAJ, IDKIEROWCY, STATUS, DATAOC, DATAAC, NRPOLOC, DATAPRZE, "
        "STAWKA FROM pojazdy ORDER BY IDPOJAZD"));
    for (int i = 0; i < r.rowCount(); ++i) {
        DemoVehicle v;
        v.id = r.value(i, 0).toLongLong();
        v.registration = r.value(i, 1).toString();
        v.kind = r.value(i, 2).toLongLong();
        v.driver = r.value(i, 3).toString();
        v.status = r.value(i, 4).toInt();
        v.insuranceUntil = r.value(i, 5).toInt();
        v.comprehensive = r.value(i, 6).toInt() > 0;
        v.policy = r.value(i, 7).toString();
        v.inspectionDue = r.value(i, 8).toInt();
        v.hourlyRate = r.value(i, 9).toDouble();
        // Without a usage line a vehicle gets no dated records.
        v.reg = FuelRegister::None;
        v.activeFrom = m.firstDay;
        v.activeTo = m.today;
        m.vehicles.push_back(v);
    }
}

double number(const DemoSourceFile& f, const DemoSourceLine& line, const QString& column) {
    bool ok = false;
    const double value = line.cells.value(f.columnIndex(column)).trimmed().toDouble(&ok);
    if (!ok)
        throw DatabaseError(f.where(line) + QStringLiteral("%1 nie jest liczbą").arg(column));
    return value;
}

QDate dateOr(const DemoSourceFile& f, const DemoSourceLine& line, const QString& column,
             const QDate& today, const QDate& otherwise) {
    const QString cell = line.cells.value(f.columnIndex(column)).trimmed();
    if (cell.isEmpty())
        return otherwise;
    const std::optional<QDate> date = relativeDate(cell, today);
    if (!date)
        throw DatabaseError(f.where(line) + QStringLiteral("%1 nie jest datą").arg(column));
    return *date;
}

void readUsage(const QString& sources, DemoMasterData& m) {
    const DemoSourceFile f = readDemoSource(QDir(sources).filePath(kUsageFile));
    for (const char* column : {"NRREJ", "LICZNIK", "SPALANIE", "BAK", "PALIWO", "REJESTR",
                               "WYJAZDY", "DZIENNIE", "OD", "DO", "CK", "OPONY"})
        if (f.columnIndex(QString::fromLatin1(column)) < 0)
            throw DatabaseError(
                QStringLiteral("%1: brak kolumny %2").arg(kUsageFile, QLatin1String(column)));
    const auto cell = [&f](const DemoSourceLine& line, const char* column) {
        return line.cells.value(f.columnIndex(QString::fromLatin1(column))).trimmed();
    };
    const auto requireEntry = [&](const DemoSourceLine& line, const char* list,
                                  const QString& text) {
        if (!text.isEmpty() && m.code(QString::fromLatin1(list), text) == 0)
            throw DatabaseError(
                f.where(line) +
                QStringLiteral("brak „%1” w słowniku %2").arg(text, QLatin1String(list)));
    };
    for (const DemoSourceLine& line : f.lines) {
        auto v = std::find_if(m.vehicles.begin(), m.vehicles.end(), [&](const DemoVehicle& x) {
            return x.registration == cell(line, "NRREJ");
        });
        if (v == m.vehicles.end())
            throw DatabaseError(f.where(line) + QStringLiteral("nieznany pojazd ") +
                                cell(line, "NRREJ"));
        const QString reg = cell(line, "REJESTR");
        if (reg == QStringLiteral("ciągłe"))
            v->reg = FuelRegister::Continuous;
        else if (reg == QLatin1String("km"))
            v->reg = FuelRegister::PerKm;
        else if (reg == QLatin1String("mth"))
            v->reg = FuelRegister::PerHour;
        else if (reg == QLatin1String("brak"))
            v->reg = FuelRegister::None;
        else
            throw DatabaseError(f.where(line) + QStringLiteral("nieznany rejestr „%1”").arg(reg));
        v->startReading = number(f, line, QStringLiteral("LICZNIK"));
        v->consumption = number(f, line, QStringLiteral("SPALANIE"));
        v->tank = number(f, line, QStringLiteral("BAK"));
        v->jobShare = number(f, line, QStringLiteral("WYJAZDY"));
        v->dailyExtra = number(f, line, QStringLiteral("DZIENNIE"));
        v->fuel = cell(line, "PALIWO");
        v->costCentre = cell(line, "CK");
        v->tyreSize = cell(line, "OPONY");
        requireEntry(line, "RDPAL", v->fuel);
        requireEntry(line, "CKKOD", v->costCentre);
        requireEntry(line, "ROZOP", v->tyreSize);
        if (v->reg != FuelRegister::None && (v->fuel.isEmpty() || v->tank <= 0))
            throw DatabaseError(f.where(line) +
                                QStringLiteral("pojazd tankowany bez paliwa lub baku"));
        v->activeFrom =
            std::max(m.firstDay, dateOr(f, line, QStringLiteral("OD"), m.today, m.firstDay));
        v->activeTo = std::min(m.today, dateOr(f, line, QStringLiteral("DO"), m.today, m.today));
    }
}

} // namespace

DemoMasterData readDemoMasterData(engine::Connection& c, const QString& sourcesDirectory,
                                  const QDate& today) {
    DemoMasterData m;
    m.today = today;
    m.firstDay = today.addYears(-1).addDays(1);
    readDictionary(c, m);
    readPeople(c, m);
    readVehicles(c, m);
    readUsage(sourcesDirectory, m);
    return m;
}

} // namespace kv::demo
