#pragma once

#include <QString>
#include <QStringList>

namespace kv {

// A queue of file copies or file deletions run as one batch: silent, files
// only (a folder is never copied or deleted), missing target folders created.
// Source i goes to destination i. A copy replaces an existing target only once
// the new copy is complete, so a failed copy never loses the old file.
class TFileOperations {
public:
    enum class Operation { Copy, Delete };

    // Result codes of execute(): 0 for success, otherwise the first failure.
    enum Error {
        NoError = 0,
        NoDestination = 1,    // a copy without a destination of its own
        SourceMissing = 2,    // the source file does not exist
        SourceNotAFile = 3,   // the source is a folder (or no regular file)
        FolderNotCreated = 4, // the target's folder could not be created
        CopyFailed = 5,       // reading the source or writing the target failed
        DeleteFailed = 6,     // the file could not be removed
    };

    void setOperation(Operation operation) { m_operation = operation; }
    Operation operation() const { return m_operation; }

    // Empties both lists.
    void clear();
    void addSource(const QString& path) { m_sources.append(path); }
    // A file path; an existing folder receives the file under its own name.
    void addDestination(const QString& path) { m_destinations.append(path); }
    const QStringList& sources() const { return m_sources; }
    const QStringList& destinations() const { return m_destinations; }

    // Runs the operation on every source in order and stops at the first
    // failure: 0 when all succeeded, else that failure's code. Files handled
    // before the failure stay copied or deleted.
    int execute() const;

private:
    int copyFile(const QString& source, const QString& destination) const;
    int deleteFile(const QString& source) const;

    Operation m_operation = Operation::Copy;
    QStringList m_sources;
    QStringList m_destinations;
};

} // namespace kv
