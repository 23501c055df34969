#include "storage/ErrorLog.h"

#include "storage/SettingsPaths.h"
#include "support/Clock.h"

#include <QDir>
#include <QFile>

namespace kv {

QString formatMessageCode(qint64 code) {
    return QStringLiteral("%1").arg(code, 10, 10, QLatin1Char('0'));
}

QString codedLine(qint64 code, const QString& message) {
    return u'[' + formatMessageCode(code) + QStringLiteral("]  ") + message;
}

QString errorLogPath() {
    return QDir(settingsDirectory()).filePath(QStringLiteral("debug/error.log"));
}

void appendErrorLog(const QString& line) {
    QFile file(errorLogPath());
    // The folder is not created here: a log that cannot be written is skipped.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    const QString stamp = Clock::now().toString(QStringLiteral("yyyy.MM.dd HH:mm:ss"));
    file.write((stamp + QStringLiteral("  ") + line + u'\n').toUtf8());
}

} // namespace kv
