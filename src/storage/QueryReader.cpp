#include "storage/QueryReader.h"

#include "storage/Query.h"
#include "storage/engine/DatabaseError.h"
#include "storage/engine/ReadingThread.h"

#include <QMetaObject>
#include <QPointer>

namespace kv {

QueryReader::QueryReader(engine::Connection& company, engine::Connection& main)
    : m_company(company), m_main(main) {}

QueryReader::~QueryReader() {
    cancelAll();
    // Joined before the context goes, so no row arrives at a dead object.
    m_thread.reset();
}

void QueryReader::start(Query& query, const engine::Params& params, int wantedRow, OnEnd onEnd) {
    // A refresh while the previous one reads: that one stops and its part of
    // the rows goes, so a failure of this one leaves the last rows read whole.
    cancel(query);
    Run run;
    run.previous = query.result();
    run.previousRow = query.currentRow();
    // Inside a write transaction this program holds the tables' locks; the
    // reading connection would wait for them. Main-connection components are
    // small lists.
    if (query.connection() != ConnectionKind::Company || !m_company.isOpen() ||
        m_company.inTransaction()) {
        readWhole(query, params, wantedRow, onEnd);
        return;
    }
    if (!m_thread)
        m_thread = std::make_unique<engine::ReadingThread>();
    auto job = std::make_shared<engine::ReadJob>();
    job->directory = m_company.directory();
    if (m_company.session())
        job->passwords = m_company.session()->passwords();
    job->sql = query.text();
    job->params = params;
    job->firstBlockRows = kFirstRows;
    job->blockRows = kBlockRows;
    const std::weak_ptr<engine::ReadJob> weak = job;
    Query* target = &query;
    QObject* context = &m_context;
    job->notify = [this, weak, target, context] {
        QMetaObject::invokeMethod(
            context,
            [this, weak, target] {
                if (const auto j = weak.lock())
                    take(*target, j);
            },
            Qt::QueuedConnection);
    };
    run.job = job;
    run.wantedRow = wantedRow;
    run.onEnd = std::move(onEnd);
    m_runs[&query] = std::move(run);
    m_thread->submit(job);
    // The first screen of rows (or all of them, or the failure) is there
    // when this returns, and the row the cursor stays on; the rest follows
    // through the event loop.
    // One block at a time: what came beyond is left to the event loop, so
    // the caller always gets the rows in the same steps.
    do {
        job->waitForRows();
        take(query, job, 1);
    } while (isReading(query) && query.rowCount() <= wantedRow);
}

void QueryReader::readWhole(Query& query, const engine::Params& params, int wantedRow,
                            const OnEnd& onEnd) {
    try {
        auto rows = std::make_shared<const ResultSet>(
            (query.connection() == ConnectionKind::Company ? m_company : m_main)
                .query(query.text(), params));
        query.setResult(std::move(rows), wantedRow);
        query.rowsArrived(true);
    } catch (const DatabaseError& e) {
        emit query.feed()->finished(false);
        if (onEnd)
            onEnd(false, e.message());
        return;
    }
    emit query.feed()->resultReplaced();
    emit query.feed()->finished(true);
    if (onEnd)
        onEnd(true, QString());
}

bool QueryReader::take(Query& query, const std::shared_ptr<engine::ReadJob>& job,
                       size_t maxBlocks) {
    auto it = m_runs.find(&query);
    if (it == m_runs.end() || it->second.job != job)
        return true; // cancelled, or already taken whole
    Run& run = it->second;
    engine::ReadJob::Taken taken = job->takeBlocks(maxBlocks);
    if (taken.finished && !taken.ok) {
        Run failed = std::move(run);
        m_runs.erase(it);
        restore(query, failed);
        emit query.feed()->finished(false);
        if (failed.onEnd)
            failed.onEnd(false, taken.error);
        return false;
    }
    bool replaced = false;
    bool appended = false;
    for (ResultSet& block : taken.blocks) {
        if (!run.result) {
            run.result = std::make_shared<ResultSet>(std::move(block));
            query.setResult(run.result, run.wantedRow);
            replaced = true;
        } else if (block.rowCount() > 0) {
            run.result->append(std::move(block));
            appended = true;
        }
    }
    query.rowsArrived(taken.finished);
    const int rows = query.rowCount();
    OnEnd onEnd;
    if (taken.finished) {
        onEnd = std::move(run.onEnd);
        m_runs.erase(it);
    }
    // Nothing of the run is touched from here: a view may start another.
    QPointer<QueryFeed> feed = query.feed();
    if (replaced)
        emit feed->resultReplaced();
    else if (appended)
        emit feed->rowsAppended(rows);
    if (taken.finished && feed) {
        emit feed->finished(true);
        if (onEnd)
            onEnd(true, QString());
    }
    return true;
}

void QueryReader::restore(Query& query, Run run) {
    // The rows before the run, unless it never replaced them.
    if (!run.result)
        return;
    query.setResult(run.previous);
    if (run.previousRow >= 0 && run.previousRow < query.rowCount())
        query.setCurrentRow(run.previousRow);
    emit query.feed()->resultReplaced();
}

bool QueryReader::isReading(const Query& query) const {
    return m_runs.count(const_cast<Query*>(&query)) > 0;
}

bool QueryReader::finish(Query& query) {
    auto it = m_runs.find(&query);
    if (it == m_runs.end())
        return true;
    const std::shared_ptr<engine::ReadJob> job = it->second.job;
    job->waitForEnd();
    return take(query, job);
}

void QueryReader::cancel(Query& query) {
    auto it = m_runs.find(&query);
    if (it == m_runs.end())
        return;
    it->second.job->cancel();
    Run run = std::move(it->second);
    m_runs.erase(it);
    restore(query, std::move(run));
}

void QueryReader::cancelAll() {
    while (!m_runs.empty())
        cancel(*m_runs.begin()->first);
}

void QueryReader::closeConnection() {
    cancelAll();
    if (m_thread)
        m_thread->closeConnection();
}

} // namespace kv
