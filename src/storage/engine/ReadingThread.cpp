#include "storage/engine/ReadingThread.h"

#include "storage/engine/DatabaseError.h"

#include <sqlite3.h>

namespace kv::engine {

ReadJob::Taken ReadJob::takeBlocks(size_t maxBlocks) {
    std::lock_guard lock(m_mutex);
    Taken taken;
    if (maxBlocks >= m_blocks.size()) {
        taken.blocks.swap(m_blocks);
    } else {
        for (size_t i = 0; i < maxBlocks; ++i) {
            taken.blocks.push_back(std::move(m_blocks.front()));
            m_blocks.pop_front();
        }
    }
    taken.finished = m_finished && m_blocks.empty();
    taken.ok = m_ok;
    taken.error = m_error;
    taken.errorCode = m_errorCode;
    // Blocks left behind are taken when the notice already sent arrives.
    if (m_blocks.empty())
        m_notified = false;
    return taken;
}

void ReadJob::waitForRows() {
    std::unique_lock lock(m_mutex);
    m_arrived.wait(lock, [this] { return m_finished || !m_blocks.empty(); });
}

void ReadJob::waitForEnd() {
    std::unique_lock lock(m_mutex);
    m_arrived.wait(lock, [this] { return m_finished; });
}

void ReadJob::cancel() {
    m_cancelled = true;
    std::lock_guard lock(m_mutex);
    // A sort of many rows gives its first row only when it is done; the
    // interrupt stops it there. The connection is named only while it runs
    // this job's statement, so no later job is interrupted.
    if (m_runningOn && m_runningOn->handle())
        sqlite3_interrupt(m_runningOn->handle());
}

bool ReadJob::deliver(ResultSet&& block, bool last) {
    m_rowsRead += block.rowCount();
    bool wake = false;
    {
        std::lock_guard lock(m_mutex);
        m_blocks.push_back(std::move(block));
        if (last) {
            m_finished = true;
            m_runningOn = nullptr;
        }
        wake = !m_notified;
        m_notified = true;
    }
    m_arrived.notify_all();
    if (wake && notify)
        notify();
    return !m_cancelled;
}

void ReadJob::end(bool ok, const QString& error, int code) {
    bool wake = false;
    {
        std::lock_guard lock(m_mutex);
        m_runningOn = nullptr;
        if (m_finished)
            return;
        m_finished = true;
        m_ok = ok;
        m_error = error;
        m_errorCode = code;
        wake = !m_notified;
        m_notified = true;
    }
    m_arrived.notify_all();
    if (wake && notify)
        notify();
}

ReadingThread::ReadingThread() : m_session(QStringLiteral("reading")) {
    m_thread = std::thread([this] { run(); });
}

ReadingThread::~ReadingThread() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        for (const auto& job : m_queue)
            if (job)
                job->cancel();
    }
    m_wake.notify_all();
    m_thread.join();
}

void ReadingThread::submit(std::shared_ptr<ReadJob> job) {
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(job));
    }
    m_wake.notify_all();
}

void ReadingThread::closeConnection() {
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(nullptr);
    }
    m_wake.notify_all();
}

void ReadingThread::run() {
    for (;;) {
        std::shared_ptr<ReadJob> job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
            if (m_stopping && m_queue.empty())
                break;
            job = std::move(m_queue.front());
            m_queue.pop_front();
        }
        if (!job) {
            m_connection.reset();
            continue;
        }
        if (job->cancelled()) {
            job->end(false, QString(), 0);
            continue;
        }
        read(*job);
    }
    m_connection.reset();
}

void ReadingThread::read(ReadJob& job) {
    try {
        m_session.removeAllPasswords();
        for (const QString& password : std::as_const(job.passwords))
            m_session.addPassword(password);
        if (!m_connection)
            m_connection = std::make_unique<Connection>(&m_session);
        // Packing or re-keying a table (releaseFileEverywhere) waits for the
        // statement; it never runs long, nothing here waits for the owner.
        std::lock_guard used(m_connection->useMutex());
        if (!m_connection->isOpen() || m_connection->directory() != job.directory)
            // The program's own connection announces it in the directory.
            m_connection->open(job.directory, false);
        {
            std::lock_guard lock(job.m_mutex);
            job.m_runningOn = m_connection.get();
        }
        if (job.cancelled()) {
            job.end(false, QString(), 0);
            return;
        }
        m_connection->queryInBlocks(
            job.sql, job.params, job.firstBlockRows, job.blockRows,
            [&job](ResultSet&& block, bool last) { return job.deliver(std::move(block), last); });
        job.end(true, QString(), 0);
    } catch (const DatabaseError& e) {
        job.end(false, e.message(), e.engineCode());
    } catch (const std::exception& e) {
        job.end(false, QString::fromLocal8Bit(e.what()), 0);
    }
}

} // namespace kv::engine
