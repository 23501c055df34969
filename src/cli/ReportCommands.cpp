// "report" and "card": a report or a record card laid out as the program's
// preview shows it, written as PDF and/or as its page text, without the
// window. The checks, conditions and messages are the core's, as the
// report page's.
#include "cli/CliCommands.h"
#include "cli/CliLogin.h"
#include "cli/CliSelection.h"

#include "framework/RecordCards.h"
#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterStates.h"
#include "reportengine/PagePainter.h"
#include "reports/RecordCardReport.h"
#include "reports/ReportRunner.h"
#include "storage/DataModule.h"
#include "storage/engine/DatabaseError.h"
#include "support/DateNumbers.h"
#include "users/Permissions.h"

#include <QDir>
#include <QGuiApplication>

namespace kv::cli {

namespace {

const QString kLogin = QStringLiteral("--company FOLDER --user NAZWA --user-password HASŁO");
const QString kOutputs = QStringLiteral("[--pdf PLIK] [--text PLIK|-] [--issue-date DATA]");
const QString kReportUsage =
    QStringLiteral("Użycie: karvento-cli report NAZWA [--vehicle NRREJ] [--year RRRR | --month "
                   "RRRR-MM | --from DATA --to DATA] [--driver NREW] [--fuel-card ID] "
                   "[--road-card NR] [--order NR] [--lpg] ") +
    kOutputs + u' ' + kLogin;
const QString kCardUsage =
    QStringLiteral("Użycie: karvento-cli card REJESTR KLUCZ ") + kOutputs + u' ' + kLogin;
const QString kListUsage = QStringLiteral("Użycie: karvento-cli report list");

const QStringList kReportOptions{QStringLiteral("--driver"),    QStringLiteral("--fuel-card"),
                                 QStringLiteral("--road-card"), QStringLiteral("--order"),
                                 QStringLiteral("--lpg"),       QStringLiteral("--pdf"),
                                 QStringLiteral("--text"),      QStringLiteral("--issue-date")};

// The outputs asked for; wrong use when there is none or a path is blank.
struct Outputs {
    QString pdf;
    QString text; // "-": the standard output
};

std::optional<Outputs> parseOutputs(CliContext& c, const QString& usage) {
    Outputs o;
    o.pdf = c.option(QStringLiteral("--pdf"));
    o.text = c.option(QStringLiteral("--text"));
    if (c.has(QStringLiteral("--pdf")) && o.pdf.trimmed().isEmpty()) {
        c.usage(QStringLiteral("Opcja --pdf wymaga ścieżki pliku.\n") + usage);
        return std::nullopt;
    }
    if (c.has(QStringLiteral("--text")) && o.text.trimmed().isEmpty()) {
        c.usage(QStringLiteral("Opcja --text wymaga ścieżki pliku albo \"-\".\n") + usage);
        return std::nullopt;
    }
    if (o.pdf.isEmpty() && o.text.isEmpty()) {
        c.usage(QStringLiteral("Wskaż wynik: --pdf PLIK i/lub --text PLIK|-.\n") + usage);
        return std::nullopt;
    }
    return o;
}

// The issue date: "Wystawiono" with the date as the window writes it; wrong
// use for a date the calendar does not have.
bool parseIssueDate(CliContext& c, ReportChoices& choices, const QString& usage) {
    if (!c.has(QStringLiteral("--issue-date")))
        return true;
    const qint64 date = parseCliDate(c.option(QStringLiteral("--issue-date")));
    if (date <= 0) {
        c.usage(QStringLiteral("Niepoprawna data wystawienia %1: podaj RRRR-MM-DD albo "
                               "DD.MM.RRRR.\n")
                    .arg(c.option(QStringLiteral("--issue-date"))) +
                usage);
        return false;
    }
    choices.issueDateTicked = true;
    // Written under the Polish locale, as the window writes dates.
    const PolishLocale polish;
    choices.issueDateText = dateNumberToText(date, true);
    return true;
}

int writeOutputs(CliContext& c, const report::ReportDocument& doc, const Outputs& o) {
    if (!o.pdf.isEmpty()) {
        QString error;
        if (!report::writePdf(doc, o.pdf, &error))
            return c.refuse(error);
    }
    if (!o.text.isEmpty()) {
        CliSelection target;
        target.output = o.text == u"-" ? QString() : o.text;
        return writeSelectionOutput(c, target, report::documentText(doc).toUtf8());
    }
    return Ok;
}

// The reports need the font and the painter of QtGui: karvento-cli starts an
// offscreen QGuiApplication for these commands.
bool guiReady(CliContext& c) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return true;
    c.err() << QStringLiteral("Raporty wymagają uruchomienia karvento-cli z poleceniem report "
                              "albo card jako pierwszym słowem.")
            << Qt::endl;
    return false;
}

std::unique_ptr<DataModule> reportLogin(CliContext& c, int* code) {
    std::unique_ptr<DataModule> db = logIn(c, false);
    if (!db) {
        *code = failedLogin(c);
        return nullptr;
    }
    if (!currentLogin().permissions.has(kReportPermission)) {
        *code = c.refuse(kNoPermissionText);
        return nullptr;
    }
    return db;
}

// A key of a list that must exist: the text of its entry, or nothing with
// the refusal written.
std::optional<QString> existing(CliContext& c, DataModule& db, const QString& sql,
                                const QString& key, const QString& what) {
    try {
        const ResultSet rows = db.select(sql, engine::positionalParams({key}));
        if (rows.rowCount() > 0)
            return rows.value(0, 0).toString();
    } catch (const DatabaseError& e) {
        c.refuse(QStringLiteral("Nie udało się odczytać danych: %1").arg(e.message()));
        return std::nullopt;
    }
    c.refuse(QStringLiteral("Nie ma %1 %2.").arg(what, key));
    return std::nullopt;
}

int runList(CliContext& c, const QStringList& args) {
    if (!args.isEmpty())
        return c.usage(kListUsage);
    DataModule db;
    for (const ReportDefinition& d : reportDefinitions())
        c.out() << d.baseName() << u'\t' << d.caption << u'\t'
                << (reportUnavailableReason(db, d).isEmpty() ? QStringLiteral("tak")
                                                             : QStringLiteral("nie"))
                << Qt::endl;
    return Ok;
}

int runReportCommand(CliContext& c, const QStringList& args) {
    if (args.size() == 1 && args.first() == u"list")
        return runList(c, {});
    if (args.size() == 2 && args.first() == u"list")
        return runList(c, args.mid(1));
    if (args.size() != 1)
        return c.usage(kReportUsage);
    const ReportDefinition* def = reportByBaseName(args.first());
    if (!def) {
        c.err() << QStringLiteral("Nieznany raport %1. Spis raportów: karvento-cli report list")
                       .arg(args.first())
                << Qt::endl;
        return Usage;
    }
    const std::optional<CliSelection> selection = parseSelection(c, kReportUsage);
    if (!selection ||
        !noOptionsBut(c, {QStringLiteral("--output"), QStringLiteral("--encoding")}, kReportUsage))
        return Usage;
    ReportChoices choices;
    choices.lpg = c.has(QStringLiteral("--lpg"));
    choices.orderNumber = c.option(QStringLiteral("--order"));
    if (!parseIssueDate(c, choices, kReportUsage))
        return Usage;
    const QString roadCard = c.option(QStringLiteral("--road-card"));
    const std::optional<Outputs> outputs = parseOutputs(c, kReportUsage);
    if (!outputs)
        return Usage;
    if (!guiReady(c))
        return Refused;

    int code = Ok;
    const std::unique_ptr<DataModule> db = reportLogin(c, &code);
    if (!db)
        return code;
    const PolishLocale polish;
    RegisterFilters filters(*db);
    if (!applySelection(c, filters, *selection))
        return Refused;
    if (c.has(QStringLiteral("--driver"))) {
        choices.driverKey = c.option(QStringLiteral("--driver"));
        const auto name = existing(c, *db,
                                   QStringLiteral("SELECT NAZWISKO || ' ' || IMIE FROM osobowa.DB "
                                                  "WHERE NREW = :PARAM0"),
                                   choices.driverKey, QStringLiteral("pracownika o numerze"));
        if (!name)
            return Refused;
        choices.driverText = *name;
    }
    if (c.has(QStringLiteral("--fuel-card"))) {
        choices.fuelCardKey = c.option(QStringLiteral("--fuel-card"));
        if (!existing(c, *db,
                      QStringLiteral("SELECT IDKARTY FROM kpaliwowe.DB WHERE IDKARTY = :PARAM0"),
                      choices.fuelCardKey, QStringLiteral("karty paliwowej")))
            return Refused;
    }
    if (c.has(QStringLiteral("--road-card"))) {
        const auto id = existing(c, *db,
                                 QStringLiteral("SELECT IDDROGOWA FROM kartydrogowe.DB WHERE "
                                                "NRKARTY = :PARAM0 ORDER BY IDDROGOWA"),
                                 roadCard, QStringLiteral("karty drogowej o numerze"));
        if (!id)
            return Refused;
        choices.roadCardId = id->toInt();
        choices.roadCardText = roadCard;
    }
    PeriodChoice period;
    period.monthYearActive = selection->period != CliSelection::Period::Range;
    period.year = selection->year;
    period.month = selection->month;
    const auto doc = runReport(*db, *def, choices, period);
    if (!doc)
        return Refused; // told by the core
    return writeOutputs(c, *doc, *outputs);
}

// The row of a register with the key as typed: a vehicle by its
// registration number, the others by their key column (numbers compared as
// numbers).
int rowWithKey(RegisterController& reg, const QString& key) {
    const RegisterDescriptor& d = reg.descriptor();
    const QString column =
        d.id == RegisterId::Vehicles ? QStringLiteral("NRREJ") : d.locateKey.value(0);
    const auto rows = reg.rows();
    bool numeric = false;
    const qint64 number = key.trimmed().toLongLong(&numeric);
    for (int r = 0; rows && r < rows->rowCount(); ++r) {
        const QVariant v = rows->value(r, column);
        const bool textual = v.typeId() == QMetaType::QString;
        if (textual ? v.toString() == key : (numeric && v.toLongLong() == number))
            return r;
    }
    return -1;
}

int runCard(CliContext& c, const QStringList& args) {
    if (args.size() != 2)
        return c.usage(kCardUsage);
    const RegisterDescriptor* d = registerByTableName(args.first().trimmed());
    if (!d) {
        c.err() << QStringLiteral("Nieznany rejestr %1. Rejestry: %2.")
                       .arg(args.first(), registerTableNames().join(QStringLiteral(", ")))
                << Qt::endl;
        return c.usage(kCardUsage);
    }
    if (!noOptionsBut(c,
                      {QStringLiteral("--vehicle"), QStringLiteral("--year"),
                       QStringLiteral("--month"), QStringLiteral("--from"), QStringLiteral("--to"),
                       QStringLiteral("--output"), QStringLiteral("--encoding"),
                       QStringLiteral("--driver"), QStringLiteral("--fuel-card"),
                       QStringLiteral("--road-card"), QStringLiteral("--order"),
                       QStringLiteral("--lpg")},
                      kCardUsage))
        return Usage;
    ReportChoices choices;
    if (!parseIssueDate(c, choices, kCardUsage))
        return Usage;
    const std::optional<Outputs> outputs = parseOutputs(c, kCardUsage);
    if (!outputs)
        return Usage;
    if (!guiReady(c))
        return Refused;

    int code = Ok;
    const std::unique_ptr<DataModule> db = reportLogin(c, &code);
    if (!db)
        return code;
    if (!db->hasQuery(d->query))
        return c.refuse(QStringLiteral("Rejestr %1 (%2) nie jest dostępny w tej wersji programu.")
                            .arg(args.first(), d->name));
    if (!currentLogin().permissions.has(d->readPermission))
        return c.refuse(kNoPermissionText);
    const PolishLocale polish;
    // Every record of the register: no vehicle and no period.
    RegisterFilters filters(*db);
    filters.selectMonthYear(0, 0);
    filters.selectVehicle(QString());
    RegisterController reg(*db, d->id);
    if (d->vehicleFilter == VehicleFilter::VehicleId)
        return c.refuse(QStringLiteral("Karta rejestru %1 nie jest dostępna w tej wersji programu.")
                            .arg(args.first()));
    if (!reg.refresh())
        return Refused;
    const int row = rowWithKey(reg, args.at(1));
    if (row < 0)
        return c.refuse(
            QStringLiteral("W rejestrze %1 nie ma pozycji o kluczu %2.").arg(d->name, args.at(1)));
    reg.setCurrentRow(row);
    const auto card = currentRecordCardOf(*db, reg);
    if (!card)
        return c.refuse(QStringLiteral("Karta rejestru %1 nie jest dostępna w tej wersji programu.")
                            .arg(args.first()));
    const auto doc = recordCardDocument(*db, *card, choices);
    if (!doc)
        return Refused;
    return writeOutputs(c, *doc, *outputs);
}

} // namespace

void addReportCommands(QList<Command>& commands) {
    commands.append({{QStringLiteral("report"), QStringLiteral("list")},
                     QString(),
                     QStringLiteral("spis raportów: nazwa, tytuł i czy raport jest dostępny w tej "
                                    "wersji (tak/nie)"),
                     runList});
    commands.append(
        {{QStringLiteral("report")},
         QStringLiteral("NAZWA [--vehicle NRREJ] [--year RRRR | --month RRRR-MM | --from DATA "
                        "--to DATA] [--driver NREW] [--fuel-card ID] [--road-card NR] [--order "
                        "NR] [--lpg] [--issue-date DATA] [--pdf PLIK] [--text PLIK|-]"),
         QStringLiteral("raport tak, jak pokazuje go podgląd programu, zapisany jako PDF i/lub "
                        "tekst stron; NAZWA to nazwa szablonu bez rozszerzenia, np. przejazdy_p "
                        "(spis: report list); wymaga uprawnienia do raportów"),
         runReportCommand});
    commands.append({{QStringLiteral("card")},
                     QStringLiteral("REJESTR KLUCZ [--issue-date DATA] [--pdf PLIK] [--text "
                                    "PLIK|-]"),
                     QStringLiteral("karta wskazanej pozycji rejestru (\"Drukuj\"); REJESTR jak "
                                    "w export, KLUCZ to klucz pozycji (pojazd: numer "
                                    "rejestracyjny)"),
                     runCard});
}

} // namespace kv::cli
