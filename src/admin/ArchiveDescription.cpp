#include "admin/ArchiveDescription.h"

#include "support/CodePage1250.h"
#include "support/DateNumbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kv {

namespace {

// One length-prefixed field: the length byte, then the text padded with zeros.
void appendField(QByteArray& record, const QString& text, int width) {
    QByteArray bytes = toCodePage1250(text.left(width));
    bytes.truncate(width);
    record.append(static_cast<char>(bytes.size()));
    record.append(bytes);
    record.append(QByteArray(width - bytes.size(), '\0'));
}

} // namespace

ArchiveDescription emptyArchiveDescription() {
    return {QString(), blankDateText()};
}

QByteArray encodeArchiveDescription(const ArchiveDescription& description) {
    QByteArray record;
    record.reserve(kArchiveDescriptionSize);
    appendField(record, description.name, kArchiveNameLength);
    appendField(record, description.date, kArchiveDateLength);
    return record;
}

ArchiveDescription decodeArchiveDescription(const QByteArray& record) {
    if (record.size() < kArchiveDescriptionSize)
        return emptyArchiveDescription();
    const int nameLength = static_cast<unsigned char>(record.at(0));
    const int dateOffset = 1 + kArchiveNameLength;
    const int dateLength = static_cast<unsigned char>(record.at(dateOffset));
    if (nameLength > kArchiveNameLength || dateLength > kArchiveDateLength)
        return emptyArchiveDescription();
    return {fromCodePage1250(record.mid(1, nameLength)),
            fromCodePage1250(record.mid(dateOffset + 1, dateLength))};
}

ArchiveDescription readArchiveDescription(const QString& folder) {
    QFile file(QDir(folder).filePath(kArchiveDescriptionFile));
    if (!file.open(QIODevice::ReadOnly))
        return emptyArchiveDescription();
    return decodeArchiveDescription(file.read(kArchiveDescriptionSize));
}

bool writeArchiveDescription(const QString& folder, const ArchiveDescription& description) {
    QSaveFile file(QDir(folder).filePath(kArchiveDescriptionFile));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray record = encodeArchiveDescription(description);
    return file.write(record) == record.size() && file.flush() && file.commit();
}

bool holdsArchive(const QString& folder) {
    return QFileInfo(QDir(folder).filePath(kArchiveDescriptionFile)).isFile();
}

} // namespace kv
