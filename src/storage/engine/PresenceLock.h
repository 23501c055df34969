#pragma once

#include <QString>
#include <memory>

namespace kv::engine {

// The presence lock of a table directory. Every program that has a directory
// open (a company, or the location's main tables) holds a shared OS lock on the
// directory's lock file; work that needs the directory to itself (packing a
// table, changing its password) takes the lock exclusively and fails at once
// while another program holds it. The OS drops the locks of a process when it
// ends, so a killed program leaves nothing that blocks the next one.
//
// Inside one process the locks are counted per directory, so the program's own
// connections never block its own exclusive work.
class PresenceLock {
public:
    // The lock file inside a directory.
    static QString lockFilePath(const QString& directory);

    // Takes a shared hold on the directory; false when the lock file cannot be
    // opened or another program holds the directory exclusively.
    static bool acquireShared(const QString& directory);
    static void releaseShared(const QString& directory);

    // RAII hold of the exclusive lock; empty when another program holds it.
    class Exclusive {
    public:
        ~Exclusive();
        Exclusive(const Exclusive&) = delete;
        Exclusive& operator=(const Exclusive&) = delete;

    private:
        friend class PresenceLock;
        explicit Exclusive(QString key) : m_key(std::move(key)) {}
        QString m_key;
    };
    static std::unique_ptr<Exclusive> tryExclusive(const QString& directory);

    // Whether this process holds a shared lock on the directory (for tests).
    static int sharedCount(const QString& directory);
};

} // namespace kv::engine
