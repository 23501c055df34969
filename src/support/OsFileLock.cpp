#include "support/OsFileLock.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv {

int OsFileLock::openForLocking(const QString& fileName) {
    const QByteArray path = QFile::encodeName(fileName);
    // A lock file is shared by every user of a database folder: whoever makes
    // it lets all the others open it, and a file another user made is locked
    // through a read-only descriptor (flock needs no write access).
    int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0)
        ::fchmod(fd, 0666); // beyond the umask; errors leave the umask's mode
    else
        fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    return fd;
}

bool OsFileLock::lock(int operation) {
    unlock();
    const int fd = openForLocking(m_path);
    if (fd < 0)
        return false;
    if (::flock(fd, operation | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

bool OsFileLock::tryLockExclusive() {
    return lock(LOCK_EX);
}
bool OsFileLock::tryLockShared() {
    return lock(LOCK_SH);
}

void OsFileLock::unlock() {
    if (m_fd < 0)
        return;
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

namespace {
const QString kHoldFile = QStringLiteral("KARVENTO.RUN");
}

std::unique_ptr<OsFileLock> OsFileLock::holdDirectory(const QString& directory) {
    auto hold = std::make_unique<OsFileLock>(directory + u'/' + kHoldFile);
    hold->tryLockShared();
    return hold;
}

bool OsFileLock::isDirectoryHeld(const QString& directory) {
    return isHeld(directory + u'/' + kHoldFile);
}

bool OsFileLock::isHeld(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (free)
        ::flock(fd, LOCK_UN);
    ::close(fd);
    return !free;
}

} // namespace kv
