#pragma once

#include <QObject>
#include <QString>

namespace kv {

// What happens to a query component's rows while the data module reads them
// in the background (DataModule::openInBackground). Views of the rows follow
// these signals; all of them come on the thread that owns the data module.
class QueryFeed : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // The component holds another result now: the first rows of a new run,
    // or the previous rows again after a run failed.
    void resultReplaced();
    // Rows were appended to the component's result; rowCount is the count now.
    void rowsAppended(int rowCount);
    // The run ended: all rows read, or failed (then the previous rows are back).
    void finished(bool ok);
};

} // namespace kv
