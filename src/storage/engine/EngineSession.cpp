#include "storage/engine/EngineSession.h"

#include <QDir>
#include <QFileInfo>

namespace kv::engine {

EngineSession& EngineSession::defaultSession() {
    static EngineSession session(QStringLiteral("Default"));
    return session;
}

void EngineSession::addPassword(const QString& password) {
    if (!m_passwords.contains(password))
        m_passwords.append(password);
}

QString EngineSession::networkControlDirectoryFor(const QString& tableDirectory) {
    QString dir = tableDirectory;
    while (dir.size() > 1 && (dir.endsWith(u'/') || dir.endsWith(u'\\')))
        dir.chop(1);
    const QString own = QDir(dir).filePath(QStringLiteral("NetFileDir"));
    if (QFileInfo(own).isDir())
        return own;
    const QFileInfo info(dir);
    const QString beside = QDir(info.absolutePath()).filePath(QStringLiteral("NetFileDir"));
    if (QFileInfo(beside).isDir())
        return beside;
    return dir;
}

} // namespace kv::engine
