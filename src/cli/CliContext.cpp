#include "cli/CliContext.h"

#include "data/DatabaseLocation.h"

namespace kv::cli {

namespace {
// Options that stand alone; every other option takes the next argument.
const QStringList kFlags{QStringLiteral("--help"), QStringLiteral("--version"),
                         QStringLiteral("--demo"), QStringLiteral("--yes")};
} // namespace

bool CliContext::parse(const QStringList& arguments) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (!a.startsWith(QLatin1String("--")) || a == u"--") {
            m_words.append(a);
            continue;
        }
        const int eq = a.indexOf(u'=');
        if (eq > 0) {
            m_options.insert(a.left(eq), a.mid(eq + 1));
            continue;
        }
        if (kFlags.contains(a)) {
            m_options.insert(a, QStringLiteral("1"));
            continue;
        }
        if (i + 1 >= arguments.size()) {
            m_err << QStringLiteral("Brak wartości opcji %1.").arg(a) << Qt::endl;
            return false;
        }
        m_options.insert(a, arguments.at(++i));
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

int CliContext::refuse(const QString& message) {
    m_err << message << Qt::endl;
    return Refused;
}

} // namespace kv::cli
