#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kv {

// The settings-file format of the program: sections in square brackets, one
// "key=value" line per key, section and key names compared without regard to
// case, texts unquoted and unescaped, booleans "1"/"0" (read as true for any
// non-zero integer). Qt's own INI support quotes and escapes texts and compares
// keys by case, so the program keeps its own.
//
// Lines the program does not know are kept as they are; a key keeps the letter
// case it was first written with.
class IniFile {
public:
    IniFile() = default;
    explicit IniFile(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }

    // Reads the file; a missing file gives an empty settings set and true.
    // False (and the content left empty) when the file exists but cannot be read.
    bool load();
    // Writes the file anew; false when it cannot be written.
    bool save() const;

    // Parses / renders the text of a file (used by load and save).
    void parse(const QString& text);
    QString render() const;

    bool contains(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;
    int readInt(const QString& section, const QString& key, int defaultValue) const;
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;

    // Writing a key that exists with other letter case replaces its value and
    // its spelling, so the file keeps one entry per key.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInt(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);

    void removeKey(const QString& section, const QString& key);
    QStringList sections() const;
    QStringList keys(const QString& section) const;

private:
    struct Entry {
        QString key; // empty for a line that is not a key (kept verbatim in raw)
        QString value;
        QString raw;
    };
    struct Section {
        QString name;
        QList<Entry> entries;
    };

    const Section* findSection(const QString& name) const;
    Section& sectionFor(const QString& name);
    const Entry* findEntry(const QString& section, const QString& key) const;

    QString m_path;
    QList<Entry> m_preamble; // lines before the first section
    QList<Section> m_sections;
};

} // namespace kv
