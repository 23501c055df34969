#pragma once

#include "storage/engine/Connection.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>

namespace kv {

class Query;
class ResultSet;

namespace engine {
class ReadJob;
class ReadingThread;
} // namespace engine

// Reads query components of the company connection on a reading thread with
// a connection of its own, so that a large result shows its first rows while
// the rest is read. Everything here is called on the data module's thread;
// the rows are appended to the component's result there, between events.
//
// The rest is read at once, never when a view scrolls: the statement's read
// transaction ends with its last row, so a program left idle blocks no other
// program's writes (rollback journal on a shared folder).
class QueryReader {
public:
    using OnEnd = std::function<void(bool ok, const QString& error)>;

    QueryReader(engine::Connection& company, engine::Connection& main);
    ~QueryReader();
    QueryReader(const QueryReader&) = delete;
    QueryReader& operator=(const QueryReader&) = delete;

    // See DataModule::openInBackground.
    void start(Query& query, const engine::Params& params, int wantedRow, OnEnd onEnd);
    bool isReading(const Query& query) const;
    // Waits for the rest of the rows; false when the run failed.
    bool finish(Query& query);
    // Stops a run; the rows before it are back.
    void cancel(Query& query);
    void cancelAll();
    // Lets go of the table files (the company closes or changes).
    void closeConnection();

    // Rows handed over in the first block and in each later one.
    static constexpr int kFirstRows = 64;
    static constexpr int kBlockRows = 4096;

private:
    struct Run {
        std::shared_ptr<engine::ReadJob> job;
        std::shared_ptr<ResultSet> result; // null until the first rows
        std::shared_ptr<const ResultSet> previous;
        int previousRow = -1;
        int wantedRow = -1;
        OnEnd onEnd;
    };

    void readWhole(Query& query, const engine::Params& params, int wantedRow, const OnEnd& onEnd);
    // Moves what arrived into the query's result and tells its feed; false
    // when the run ended in failure.
    bool take(Query& query, const std::shared_ptr<engine::ReadJob>& job,
              size_t maxBlocks = SIZE_MAX);
    void restore(Query& query, Run run);

    engine::Connection& m_company;
    engine::Connection& m_main;
    std::unique_ptr<engine::ReadingThread> m_thread;
    std::unordered_map<Query*, Run> m_runs;
    QObject m_context; // the rows arrive through its event queue
};

} // namespace kv
