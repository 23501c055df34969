#pragma once

#include "storage/engine/Connection.h"
#include "storage/engine/ResultSet.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace kv::engine {

// One statement read on the reading thread. The thread appends blocks of rows
// as it steps; the owner takes them (takeBlocks) on its own thread, woken by
// `notify`, which the reading thread calls whenever blocks or the end arrive
// and nothing is waiting to be taken.
class ReadJob {
public:
    QString directory;
    QStringList passwords;
    QString sql;
    Params params;
    int firstBlockRows = 64;
    int blockRows = 4096;
    std::function<void()> notify;

    struct Taken {
        std::deque<ResultSet> blocks;
        bool finished = false;
        bool ok = true;
        QString error;
        int errorCode = 0;
    };
    // What arrived since the last call (at most maxBlocks blocks), and
    // whether the reading has ended with them.
    Taken takeBlocks(size_t maxBlocks = SIZE_MAX);
    // Blocks until the first block or the end has arrived / the end has arrived.
    void waitForRows();
    void waitForEnd();
    // Stops the reading as soon as the thread notices (between two rows, or
    // inside a sort through sqlite3_interrupt).
    void cancel();
    bool cancelled() const { return m_cancelled; }
    // Rows the reading thread has stepped so far.
    int rowsRead() const { return m_rowsRead; }

private:
    friend class ReadingThread;
    bool deliver(ResultSet&& block, bool last); // reading thread
    void end(bool ok, const QString& error, int code);

    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::deque<ResultSet> m_blocks;
    bool m_finished = false;
    bool m_ok = true;
    QString m_error;
    int m_errorCode = 0;
    bool m_notified = false;
    std::atomic<bool> m_cancelled{false};
    std::atomic<int> m_rowsRead{0};
    Connection* m_runningOn = nullptr; // guarded by m_mutex
};

// A thread with its own connection that reads statements one after another.
// The connection stays open on the directory between statements, so its page
// cache keeps the decrypted pages of the tables a register reads; every
// statement starts a fresh read transaction and ends it when its last row is
// stepped, so nothing is held while the program is idle.
class ReadingThread {
public:
    ReadingThread();
    ~ReadingThread(); // cancels what is queued and waits for the thread
    ReadingThread(const ReadingThread&) = delete;
    ReadingThread& operator=(const ReadingThread&) = delete;

    void submit(std::shared_ptr<ReadJob> job);
    // Closes the connection once the jobs before are done (the company
    // closes); the next job opens it again.
    void closeConnection();

private:
    void run();
    void read(ReadJob& job);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::shared_ptr<ReadJob>> m_queue; // null: close the connection
    bool m_stopping = false;
    EngineSession m_session;
    std::unique_ptr<Connection> m_connection;
    std::thread m_thread;
};

} // namespace kv::engine
