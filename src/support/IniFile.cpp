#include "support/IniFile.h"

#include <QFile>
#include <QSaveFile>

namespace kv {

bool IniFile::load() {
    m_preamble.clear();
    m_sections.clear();
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    parse(QString::fromUtf8(file.readAll()));
    return true;
}

bool IniFile::save() const {
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(render().toUtf8());
    return file.commit();
}

void IniFile::parse(const QString& text) {
    m_preamble.clear();
    m_sections.clear();
    QList<Entry>* target = &m_preamble;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (i == lines.size() - 1 && line.isEmpty())
            break; // the line break that ends the file
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            const QString name = trimmed.mid(1, trimmed.size() - 2).trimmed();
            m_sections.append({name, {}});
            target = &m_sections.last().entries;
            continue;
        }
        const int eq = line.indexOf(u'=');
        if (eq > 0 && !trimmed.startsWith(u';') && !trimmed.startsWith(u'#')) {
            const QString key = line.left(eq).trimmed();
            // Later duplicates of a key are kept as raw lines; the first wins.
            bool duplicate = false;
            for (const Entry& e : std::as_const(*target))
                if (!e.key.isEmpty() && e.key.compare(key, Qt::CaseInsensitive) == 0)
                    duplicate = true;
            if (!duplicate) {
                target->append({key, line.mid(eq + 1), QString()});
                continue;
            }
        }
        target->append({QString(), QString(), line});
    }
}

QString IniFile::render() const {
    QString out;
    auto renderEntries = [&out](const QList<Entry>& entries) {
        for (const Entry& e : entries)
            out += (e.key.isEmpty() ? e.raw : e.key + u'=' + e.value) + u'\n';
    };
    renderEntries(m_preamble);
    for (const Section& s : m_sections) {
        out += u'[' + s.name + QStringLiteral("]\n");
        renderEntries(s.entries);
    }
    return out;
}

const IniFile::Section* IniFile::findSection(const QString& name) const {
    for (const Section& s : m_sections)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

IniFile::Section& IniFile::sectionFor(const QString& name) {
    for (Section& s : m_sections)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return s;
    m_sections.append({name, {}});
    return m_sections.last();
}

const IniFile::Entry* IniFile::findEntry(const QString& section, const QString& key) const {
    const Section* s = findSection(section);
    if (!s)
        return nullptr;
    for (const Entry& e : s->entries)
        if (!e.key.isEmpty() && e.key.compare(key, Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

bool IniFile::contains(const QString& section, const QString& key) const {
    return findEntry(section, key) != nullptr;
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    const Entry* e = findEntry(section, key);
    return e ? e->value : defaultValue;
}

int IniFile::readInt(const QString& section, const QString& key, int defaultValue) const {
    const Entry* e = findEntry(section, key);
    if (!e)
        return defaultValue;
    bool ok = false;
    const int v = e->value.trimmed().toInt(&ok);
    return ok ? v : defaultValue;
}

bool IniFile::readBool(const QString& section, const QString& key, bool defaultValue) const {
    const Entry* e = findEntry(section, key);
    if (!e)
        return defaultValue;
    bool ok = false;
    const int v = e->value.trimmed().toInt(&ok);
    return ok ? v != 0 : defaultValue;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    Section& s = sectionFor(section);
    for (Entry& e : s.entries) {
        if (!e.key.isEmpty() && e.key.compare(key, Qt::CaseInsensitive) == 0) {
            e.key = key;
            e.value = value;
            return;
        }
    }
    // New keys go after the last key of the section, before trailing blank lines.
    int at = static_cast<int>(s.entries.size());
    while (at > 0 && s.entries.at(at - 1).key.isEmpty() &&
           s.entries.at(at - 1).raw.trimmed().isEmpty())
        --at;
    s.entries.insert(at, {key, value, QString()});
}

void IniFile::writeInt(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value) {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::removeKey(const QString& section, const QString& key) {
    for (Section& s : m_sections) {
        if (s.name.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        s.entries.removeIf([&](const Entry& e) {
            return !e.key.isEmpty() && e.key.compare(key, Qt::CaseInsensitive) == 0;
        });
    }
}

QStringList IniFile::sections() const {
    QStringList names;
    for (const Section& s : m_sections)
        names.append(s.name);
    return names;
}

QStringList IniFile::keys(const QString& section) const {
    QStringList names;
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            if (!e.key.isEmpty())
                names.append(e.key);
    return names;
}

} // namespace kv
