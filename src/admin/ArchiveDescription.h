#pragma once

#include <QByteArray>
#include <QString>

namespace kv {

// The description file of an archive folder: one record of 112 bytes, two
// length-prefixed texts in the Windows-1250 code page, so archives made by
// earlier versions keep their names.
//   0   1    name length, 0..100
//   1   100  name (bytes behind the name mean nothing)
//   101 1    date length, 0..10
//   102 10   date text "dd.mm.yyyy", or the blank date text
inline const QString kArchiveDescriptionFile = QStringLiteral("archiwum.bak");
constexpr int kArchiveDescriptionSize = 112;
constexpr int kArchiveNameLength = 100;
constexpr int kArchiveDateLength = 10;

struct ArchiveDescription {
    QString name;
    QString date; // a date text or the blank date text

    bool operator==(const ArchiveDescription&) const = default;
};

// An empty name and the blank date text: what an unreadable file reads as.
ArchiveDescription emptyArchiveDescription();

// The record of a description; a longer name is cut to 100 characters and a
// longer date to 10.
QByteArray encodeArchiveDescription(const ArchiveDescription& description);
// The description of a record. A record shorter than 112 bytes, or with a
// length beyond its field, reads as the empty description.
ArchiveDescription decodeArchiveDescription(const QByteArray& record);

// The folder's "archiwum.bak" (the empty description when it cannot be read).
ArchiveDescription readArchiveDescription(const QString& folder);
// Replaces the folder's description file only by a whole one; false on failure.
bool writeArchiveDescription(const QString& folder, const ArchiveDescription& description);
// Whether the folder holds an archive: exactly when "archiwum.bak" is there.
bool holdsArchive(const QString& folder);

} // namespace kv
