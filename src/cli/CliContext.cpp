#include "cli/CliContext.h"

#include "location/DatabaseLocation.h"

#include <QDir>
#include <QFileDevice>

namespace kv::cli {

namespace {
// Options that stand alone, and those that take the next argument. Anything
// else is a mistake: a misspelt --location must not fall back silently on the
// stored database.
const QStringList kFlags{QStringLiteral("--help"),    QStringLiteral("--version"),
                         QStringLiteral("--demo"),    QStringLiteral("--yes"),
                         QStringLiteral("--dry-run"), QStringLiteral("--no-safety-copy"),
                         QStringLiteral("--lpg"),     QStringLiteral("--last-day"),
                         QStringLiteral("--sums")};
const QStringList kValued{QStringLiteral("--db-password"),    QStringLiteral("--location"),
                          QStringLiteral("--company"),        QStringLiteral("--user"),
                          QStringLiteral("--user-password"),  QStringLiteral("--new-password"),
                          QStringLiteral("--description"),    QStringLiteral("--vehicle"),
                          QStringLiteral("--year"),           QStringLiteral("--month"),
                          QStringLiteral("--from"),           QStringLiteral("--to"),
                          QStringLiteral("--output"),         QStringLiteral("--encoding"),
                          QStringLiteral("--max-km-per-day"), QStringLiteral("--name"),
                          QStringLiteral("--date"),           QStringLiteral("--archive-password"),
                          QStringLiteral("--driver"),         QStringLiteral("--fuel-card"),
                          QStringLiteral("--road-card"),      QStringLiteral("--order"),
                          QStringLiteral("--issue-date"),     QStringLiteral("--pdf"),
                          QStringLiteral("--text")};
// The import's own options.
const QStringList kImportFlags{QStringLiteral("--skip-first"), QStringLiteral("--verify-only"),
                               QStringLiteral("--skip-faulty")};
const QStringList kImportValued{QStringLiteral("--map"), QStringLiteral("--separator"),
                                QStringLiteral("--date-format"), QStringLiteral("--set")};
// The lists of "deadlines".
const QStringList kListFlags{QStringLiteral("--dates"), QStringLiteral("--mileage"),
                             QStringLiteral("--warehouse"), QStringLiteral("--csv")};
// The chart command's own.
const QStringList kChartFlags{QStringLiteral("--fuel-only")};
const QStringList kChartValued{QStringLiteral("--fuel"), QStringLiteral("--expense-kind"),
                               QStringLiteral("--png"), QStringLiteral("--svg"),
                               QStringLiteral("--points")};

bool isFlag(const QString& name) {
    return kFlags.contains(name) || kImportFlags.contains(name) || kListFlags.contains(name) ||
           kChartFlags.contains(name);
}
bool isValued(const QString& name) {
    return kValued.contains(name) || kImportValued.contains(name) || kChartValued.contains(name);
}
} // namespace

bool CliContext::parse(const QStringList& arguments) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == u"--") {
            // Everything after "--" is a word, e.g. a statement starting "--".
            m_words.append(arguments.mid(i + 1));
            break;
        }
        if (!a.startsWith(QLatin1String("--"))) {
            m_words.append(a);
            continue;
        }
        const int eq = a.indexOf(u'=');
        const QString name = eq > 0 ? a.left(eq) : a;
        if (!isFlag(name) && !isValued(name)) {
            m_err << QStringLiteral("Nieznana opcja %1. Spis opcji: karvento-cli --help").arg(name)
                  << Qt::endl;
            return false;
        }
        if (eq > 0) {
            m_options.insert(name, a.mid(eq + 1));
            m_repeated[name].append(a.mid(eq + 1));
            continue;
        }
        if (isFlag(a)) {
            m_options.insert(a, QStringLiteral("1"));
            continue;
        }
        if (i + 1 >= arguments.size()) {
            m_err << QStringLiteral("Brak wartości opcji %1.").arg(a) << Qt::endl;
            return false;
        }
        m_options.insert(a, arguments.at(++i));
        m_repeated[a].append(arguments.at(i));
    }
    return true;
}

QString CliContext::databasePassword() const {
    if (has(QStringLiteral("--db-password")))
        return option(QStringLiteral("--db-password"));
    return readLocationAndPassword().password;
}

QString CliContext::location() const {
    if (has(QStringLiteral("--location")))
        return option(QStringLiteral("--location"));
    return readLocationAndPassword().location;
}

std::optional<DatabaseLocation> CliContext::usableLocation() {
    QString location = this->location().trimmed();
    while (location.size() > 1 && (location.endsWith(u'/') || location.endsWith(u'\\')))
        location.chop(1);
    if (location.isEmpty()) {
        refuse(QStringLiteral("Nie wskazano lokalizacji bazy danych. Podaj ją opcją --location "
                              "KATALOG."));
        return std::nullopt;
    }
    const DatabaseLocation where{location, databasePassword()};
    switch (checkLocation(where)) {
    case LocationCheck::Usable:
        return where;
    case LocationCheck::Missing:
        refuse(QStringLiteral("W katalogu %1 nie ma bazy danych (brak pliku firmy.DB).")
                   .arg(QDir::toNativeSeparators(location)));
        break;
    case LocationCheck::WrongPassword:
        refuse(QStringLiteral("Nieprawidłowe hasło bazy danych."));
        break;
    }
    return std::nullopt;
}

bool CliContext::writeBytes(const QByteArray& bytes) {
    m_out.flush();
    if (QIODevice* device = m_out.device()) {
        bool written = device->write(bytes) == bytes.size();
        if (auto* file = qobject_cast<QFileDevice*>(device))
            written = file->flush() && written;
        return written;
    }
    if (QString* text = m_out.string()) {
        // A stream on a string (a run inside the tests) keeps each byte as
        // one character, so the bytes can be compared exactly.
        text->append(QString::fromLatin1(bytes));
        return true;
    }
    return false;
}

int CliContext::refuse(const QString& message) {
    m_err << message << Qt::endl;
    return Refused;
}

int CliContext::usage(const QString& text) {
    m_err << text << Qt::endl;
    return Usage;
}

int CliContext::blankPath(const QString& usageText) {
    m_err << QStringLiteral("Podano pustą ścieżkę katalogu.") << Qt::endl;
    return usage(usageText);
}

bool CliContext::pathOptionsGiven() {
    for (const QString& option : {QStringLiteral("--location"), QStringLiteral("--company")}) {
        if (has(option) && isBlank(this->option(option))) {
            m_err << QStringLiteral("Opcja %1 wymaga nazwy katalogu; podano pustą.").arg(option)
                  << Qt::endl;
            return false;
        }
    }
    return true;
}

} // namespace kv::cli
