#pragma once

#include <QString>
#include <exception>
#include <string>

namespace kv {

// A failure of the storage engine or of a statement. Every caller that runs a
// statement catches it and hands message() to the error report with the code
// of its own place.
class DatabaseError : public std::exception {
public:
    explicit DatabaseError(QString message, int engineCode = 0)
        : m_message(std::move(message)), m_engineCode(engineCode), m_what(m_message.toStdString()) {
    }

    const QString& message() const { return m_message; }
    // The SQLite result code (26 for a wrong key or a damaged file), 0 when the
    // failure was detected by the engine layer itself.
    int engineCode() const { return m_engineCode; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    QString m_message;
    int m_engineCode;
    std::string m_what;
};

} // namespace kv
