#include "storage/engine/PresenceLock.h"

#include "support/OsFileLock.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kv::engine {

namespace {

struct Entry {
    int fd = -1;
    int shared = 0;
    bool exclusive = false;
};

QMutex& mutex() {
    static QMutex m;
    return m;
}

QHash<QString, Entry>& entries() {
    static QHash<QString, Entry> e;
    return e;
}

QString keyFor(const QString& directory) {
    const QFileInfo info(directory);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

int openLockFile(const QString& key) {
    return OsFileLock::openForLocking(PresenceLock::lockFilePath(key));
}

} // namespace

QString PresenceLock::lockFilePath(const QString& directory) {
    return QDir(directory).filePath(QStringLiteral("KARVENTO.LCK"));
}

bool PresenceLock::acquireShared(const QString& directory) {
    QMutexLocker lock(&mutex());
    const QString key = keyFor(directory);
    Entry& e = entries()[key];
    if (e.shared > 0) {
        ++e.shared;
        return true;
    }
    if (e.fd < 0)
        e.fd = openLockFile(key);
    if (e.fd < 0) {
        entries().remove(key);
        return false;
    }
    if (!e.exclusive && ::flock(e.fd, LOCK_SH | LOCK_NB) != 0) {
        ::close(e.fd);
        entries().remove(key);
        return false;
    }
    e.shared = 1;
    return true;
}

void PresenceLock::releaseShared(const QString& directory) {
    QMutexLocker lock(&mutex());
    const QString key = keyFor(directory);
    auto it = entries().find(key);
    if (it == entries().end() || it->shared == 0)
        return;
    if (--it->shared == 0 && !it->exclusive) {
        ::flock(it->fd, LOCK_UN);
        ::close(it->fd);
        entries().erase(it);
    }
}

std::unique_ptr<PresenceLock::Exclusive> PresenceLock::tryExclusive(const QString& directory) {
    QMutexLocker lock(&mutex());
    const QString key = keyFor(directory);
    Entry& e = entries()[key];
    if (e.exclusive)
        return nullptr;
    if (e.fd < 0)
        e.fd = openLockFile(key);
    if (e.fd < 0) {
        entries().remove(key);
        return nullptr;
    }
    // Converting our own shared lock succeeds exactly when no other program
    // holds one.
    if (::flock(e.fd, LOCK_EX | LOCK_NB) != 0) {
        if (e.shared == 0) {
            ::close(e.fd);
            entries().remove(key);
        } else {
            ::flock(e.fd, LOCK_SH | LOCK_NB);
        }
        return nullptr;
    }
    e.exclusive = true;
    return std::unique_ptr<Exclusive>(new Exclusive(key));
}

PresenceLock::Exclusive::~Exclusive() {
    QMutexLocker lock(&mutex());
    auto it = entries().find(m_key);
    if (it == entries().end())
        return;
    it->exclusive = false;
    if (it->shared > 0) {
        ::flock(it->fd, LOCK_SH);
    } else {
        ::flock(it->fd, LOCK_UN);
        ::close(it->fd);
        entries().erase(it);
    }
}

int PresenceLock::sharedCount(const QString& directory) {
    QMutexLocker lock(&mutex());
    return entries().value(keyFor(directory)).shared;
}

} // namespace kv::engine
