#include "support/TFileOperations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kv {

namespace {

constexpr qint64 kChunkSize = 1 << 20;

int checkSource(const QFileInfo& source) {
    if (!source.exists())
        return TFileOperations::SourceMissing;
    if (!source.isFile())
        return TFileOperations::SourceNotAFile;
    return TFileOperations::NoError;
}

} // namespace

void TFileOperations::clear() {
    m_sources.clear();
    m_destinations.clear();
}

int TFileOperations::execute() const {
    for (qsizetype i = 0; i < m_sources.size(); ++i) {
        int result = NoError;
        if (m_operation == Operation::Delete)
            result = deleteFile(m_sources.at(i));
        else if (i < m_destinations.size())
            result = copyFile(m_sources.at(i), m_destinations.at(i));
        else
            result = NoDestination;
        if (result != NoError)
            return result;
    }
    return NoError;
}

int TFileOperations::copyFile(const QString& source, const QString& destination) const {
    const QFileInfo sourceInfo(source);
    if (const int error = checkSource(sourceInfo))
        return error;

    QString target = destination;
    if (QFileInfo(destination).isDir())
        target = QDir(destination).filePath(sourceInfo.fileName());
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return FolderNotCreated;

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return CopyFailed;
    // QSaveFile writes beside the target and renames over it on commit: the
    // old file stays intact until the copy is whole.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return CopyFailed;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunkSize);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return CopyFailed; // out is discarded, the old target stays
        if (out.write(chunk) != chunk.size())
            return CopyFailed;
    }
    if (in.error() != QFileDevice::NoError || !out.commit())
        return CopyFailed;
    QFile::setPermissions(target, in.permissions());
    return NoError;
}

int TFileOperations::deleteFile(const QString& source) const {
    if (const int error = checkSource(QFileInfo(source)))
        return error;
    return QFile::remove(source) ? NoError : DeleteFailed;
}

} // namespace kv
