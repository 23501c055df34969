#pragma once

#include <QString>
#include <memory>

namespace kv {

// An advisory lock on a file that the operating system drops when the process
// ends, however it ends: a crashed or killed program never leaves a lock behind.
class OsFileLock {
public:
    explicit OsFileLock(QString path) : m_path(std::move(path)) {}
    ~OsFileLock() { unlock(); }
    OsFileLock(const OsFileLock&) = delete;
    OsFileLock& operator=(const OsFileLock&) = delete;

    // Creates the file when missing; false when another process holds a lock
    // that excludes this one, or the file cannot be opened.
    bool tryLockExclusive();
    bool tryLockShared();
    void unlock();
    bool isLocked() const { return m_fd >= 0; }
    const QString& path() const { return m_path; }

    // Whether some process holds a lock on the file now (probes with an
    // exclusive lock that is dropped at once). A missing file is not held.
    static bool isHeld(const QString& path);

    // A scratch directory in use: held while the returned lock lives, so the
    // clean-up of temporary folders (at any program's end) leaves it alone.
    static std::unique_ptr<OsFileLock> holdDirectory(const QString& directory);
    static bool isDirectoryHeld(const QString& directory);

    // Opens (creating when missing, open to every user) a file to flock;
    // -1 when it cannot be opened at all.
    static int openForLocking(const QString& fileName);

private:
    bool lock(int operation);
    QString m_path;
    int m_fd = -1;
};

} // namespace kv
