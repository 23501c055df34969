#pragma once

#include "location/DatabaseLocation.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace kv::cli {

// Exit codes of karvento-cli.
enum ExitCode { Ok = 0, Refused = 1, Usage = 2 };

// One run of the command-line tool: the parsed arguments and the streams.
// Option names are shared by every command:
//   --db-password PW   the database password (default: the stored one)
//   --location DIR     the database location (default: the stored one)
//   --company FOLDER   the company folder inside the location
//   --user NAME --user-password PW   a program user's login
class CliContext {
public:
    CliContext(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}

    // Splits the arguments (without the program name) into words and options.
    // Returns false with a message on err for an option that lacks its value.
    bool parse(const QStringList& arguments);

    const QStringList& words() const { return m_words; }
    bool has(const QString& option) const { return m_options.contains(option); }
    QString option(const QString& option) const { return m_options.value(option); }
    // Every value an option was given, in order (an option given again keeps
    // the last value in option()).
    QStringList values(const QString& option) const { return m_repeated.value(option); }

    // The database password: --db-password, else the stored one.
    QString databasePassword() const;
    // The location: --location, else the stored one.
    QString location() const;
    // The location with the database password when a database is there and
    // the password opens it; otherwise the refusal is written and nothing
    // answered.
    std::optional<DatabaseLocation> usableLocation();

    QTextStream& out() { return m_out; }
    // Writes bytes to the standard output as they are (a sheet in its own
    // encoding), after what the text stream holds; false when they could not
    // all be written (a full disk behind a redirection).
    bool writeBytes(const QByteArray& bytes);
    QTextStream& err() { return m_err; }
    // Writes a refusal to err and answers Refused.
    int refuse(const QString& message);
    // Writes how a command is used to err and answers Usage.
    int usage(const QString& text);
    // An empty or blank path would quietly mean the current folder: it is
    // wrong use. Writes so with how the command is used; answers Usage.
    static bool isBlank(const QString& path) { return path.trimmed().isEmpty(); }
    int blankPath(const QString& usageText);
    // The path options (--location, --company) given blank: wrong use,
    // written to err. True when there is none.
    bool pathOptionsGiven();

private:
    QStringList m_words;
    QHash<QString, QString> m_options;
    QHash<QString, QStringList> m_repeated;
    QTextStream& m_out;
    QTextStream& m_err;
};

} // namespace kv::cli
