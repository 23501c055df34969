#include "cli/CliSelection.h"

#include "framework/RegisterExport.h"
#include "framework/RegisterFilters.h"
#include "framework/Registers.h"

#include <QDate>
#include <QDir>
#include <QRegularExpression>

namespace kv::cli {

namespace {

// The years a date field of the program accepts.
constexpr int kFirstYear = 1900;

qint64 dateNumber(int year, int month, int day) {
    if (year < kFirstYear || !QDate(year, month, day).isValid())
        return 0;
    return static_cast<qint64>(year) * 10000 + month * 100 + day;
}

std::optional<int> parseYear(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^\\d{4}$"));
    if (!form.match(text).hasMatch() || text.toInt() < kFirstYear)
        return std::nullopt;
    return text.toInt();
}

} // namespace

qint64 parseCliDate(const QString& text) {
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    static const QRegularExpression polish(QStringLiteral("^(\\d{2})\\.(\\d{2})\\.(\\d{4})$"));
    const QString t = text.trimmed();
    if (const QRegularExpressionMatch m = iso.match(t); m.hasMatch())
        return dateNumber(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (const QRegularExpressionMatch m = polish.match(t); m.hasMatch())
        return dateNumber(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    return 0;
}

std::optional<QPair<int, int>> parseCliMonth(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{4})-(\\d{2})$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    const int mm = m.hasMatch() ? m.captured(2).toInt() : 0;
    const std::optional<int> y = m.hasMatch() ? parseYear(m.captured(1)) : std::nullopt;
    if (!y || mm < 1 || mm > 12)
        return std::nullopt;
    return QPair<int, int>{*y, mm};
}

std::optional<CliSelection> parseSelection(CliContext& c, const QString& usageText) {
    CliSelection s;
    const auto wrong = [&](const QString& why) -> std::optional<CliSelection> {
        c.err() << why << Qt::endl;
        c.usage(usageText);
        return std::nullopt;
    };

    if (c.has(QStringLiteral("--vehicle"))) {
        s.vehicle = c.option(QStringLiteral("--vehicle"));
        if (s.vehicle.trimmed().isEmpty())
            return wrong(QStringLiteral("Opcja --vehicle wymaga numeru rejestracyjnego pojazdu."));
    }

    const bool year = c.has(QStringLiteral("--year"));
    const bool month = c.has(QStringLiteral("--month"));
    const bool range = c.has(QStringLiteral("--from")) || c.has(QStringLiteral("--to"));
    if (int(year) + int(month) + int(range) > 1)
        return wrong(QStringLiteral("Podaj jeden okres: --year, --month albo --from i --to."));
    if (year) {
        const std::optional<int> y = parseYear(c.option(QStringLiteral("--year")));
        if (!y)
            return wrong(QStringLiteral("Nieprawidłowy rok %1: podaj RRRR, np. 2024.")
                             .arg(c.option(QStringLiteral("--year"))));
        s.period = CliSelection::Period::Year;
        s.year = *y;
    }
    if (month) {
        const QString text = c.option(QStringLiteral("--month"));
        const std::optional<QPair<int, int>> m = parseCliMonth(text);
        if (!m)
            return wrong(
                QStringLiteral("Nieprawidłowy miesiąc %1: podaj RRRR-MM, np. 2024-03.").arg(text));
        s.period = CliSelection::Period::Month;
        s.year = m->first;
        s.month = m->second;
    }
    if (range) {
        for (const char* name : {"--from", "--to"}) {
            const QString option = QLatin1String(name);
            if (!c.has(option))
                continue;
            const qint64 date = parseCliDate(c.option(option));
            if (date == 0)
                return wrong(QStringLiteral("Nieprawidłowa data %1 w opcji %2: podaj RRRR-MM-DD "
                                            "albo DD.MM.RRRR, dzień istniejący w kalendarzu.")
                                 .arg(c.option(option), option));
            (option == u"--from" ? s.from : s.to) = date;
        }
        if (s.from != 0 && s.to != 0 && s.from > s.to)
            return wrong(QStringLiteral("Data --from jest późniejsza niż data --to."));
        s.period = CliSelection::Period::Range;
    }

    if (c.has(QStringLiteral("--output"))) {
        s.output = c.option(QStringLiteral("--output"));
        if (CliContext::isBlank(s.output)) {
            c.blankPath(usageText);
            return std::nullopt;
        }
    }
    if (c.has(QStringLiteral("--encoding"))) {
        const QString e = c.option(QStringLiteral("--encoding")).trimmed().toLower();
        if (e == u"cp1250" || e == u"windows-1250")
            s.encoding = CsvEncoding::Windows1250;
        else if (e == u"utf8" || e == u"utf-8")
            s.encoding = CsvEncoding::Utf8WithBom;
        else
            return wrong(QStringLiteral("Nieznane kodowanie %1: podaj cp1250 albo utf8.")
                             .arg(c.option(QStringLiteral("--encoding"))));
    }
    return s;
}

QStringList optionsWithoutFilter(const RegisterDescriptor& d, const CliSelection& s) {
    QStringList missing;
    if (s.hasVehicle() && (!d.vehicleSlot || d.vehicleFilter == VehicleFilter::None))
        missing.append(QStringLiteral("--vehicle"));
    if (s.hasPeriod() && (!d.periodSlot || d.period == PeriodForm::None)) {
        switch (s.period) {
        case CliSelection::Period::Year:
            missing.append(QStringLiteral("--year"));
            break;
        case CliSelection::Period::Month:
            missing.append(QStringLiteral("--month"));
            break;
        default:
            missing.append(QStringLiteral("--from/--to"));
            break;
        }
    }
    return missing;
}

bool applySelection(CliContext& c, RegisterFilters& filters, const CliSelection& s) {
    if (s.hasVehicle() && !filters.vehicleNumbers().contains(s.vehicle)) {
        c.refuse(QStringLiteral("Nie ma pojazdu o numerze rejestracyjnym %1.").arg(s.vehicle));
        return false;
    }
    filters.selectVehicle(s.vehicle);
    switch (s.period) {
    case CliSelection::Period::All:
        filters.selectMonthYear(0, 0);
        break;
    case CliSelection::Period::Year:
        filters.selectMonthYear(0, s.year);
        break;
    case CliSelection::Period::Month:
        filters.selectMonthYear(s.month, s.year);
        break;
    case CliSelection::Period::Range:
        filters.selectDateRange(s.from, s.to);
        break;
    }
    return true;
}

int writeSelectionOutput(CliContext& c, const CliSelection& s, const QByteArray& bytes) {
    if (s.output.isEmpty()) {
        if (!c.writeBytes(bytes))
            return c.refuse(QStringLiteral("Nie udało się wyeksportować danych: nie można "
                                           "zapisać na standardowe wyjście."));
        return Ok;
    }
    if (!writeWholeFile(s.output, bytes))
        return c.refuse(QStringLiteral("Nie udało się wyeksportować danych: nie można zapisać "
                                       "pliku %1.")
                            .arg(QDir::toNativeSeparators(s.output)));
    return Ok;
}

int writeSheet(CliContext& c, const CliSelection& s, const QList<QStringList>& sheet) {
    qsizetype replaced = 0;
    const QByteArray bytes = csvBytes(sheet, s.encoding, &replaced);
    const int code = writeSelectionOutput(c, s, bytes);
    if (code == Ok && replaced > 0)
        c.err() << replacedCharactersText(replaced,
                                          QStringLiteral("zapisz w UTF-8 (--encoding utf8)"))
                << Qt::endl;
    return code;
}

bool noOptionsBut(CliContext& c, const QStringList& unused, const QString& usageText) {
    for (const QString& option : unused)
        if (c.has(option)) {
            c.err() << QStringLiteral("To polecenie nie ma opcji %1.").arg(option) << Qt::endl;
            c.usage(usageText);
            return false;
        }
    return true;
}

PolishLocale::PolishLocale() {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
}

PolishLocale::~PolishLocale() {
    QLocale::setDefault(m_previous);
}

} // namespace kv::cli
