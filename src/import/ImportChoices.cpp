#include "import/ImportChoices.h"

#include "support/IniFile.h"

namespace kv {

ImportChoices defaultImportChoices(const ImportLayout& layout) {
    ImportChoices c;
    c.mapping = QList<int>(layout.listCount(), 0);
    for (const ImportOption& o : layout.options)
        c.options.insert(o.key, o.entries.value(0));
    return c;
}

int mappedColumn(const ImportLayout& layout, const ImportChoices& choices, int list) {
    const int entry = choices.entry(list);
    const int fixed = layout.fixedEntries(list);
    return entry >= fixed ? entry - fixed : -1;
}

QString importSection(const ImportLayout& layout) {
    return QStringLiteral("IMPORTS") + QString::number(layout.number);
}

void readImportSettings(const IniFile& ini, const ImportLayout& layout, int sheetColumns,
                        ImportChoices& choices, QStringList* dropped) {
    const QString section = importSection(layout);
    choices.mapping = QList<int>(layout.listCount(), 0);
    for (const ImportField& f : layout.fields) {
        const int stored = ini.readInt(section, QStringLiteral("cb%1").arg(f.list), 0);
        const int entries = layout.fixedEntries(f.list) + sheetColumns;
        if (stored >= 0 && stored < entries) {
            choices.mapping[f.list - 1] = stored;
        } else if (dropped) {
            dropped->append(f.label);
        }
    }
    choices.skipFirst = ini.readBool(section, QStringLiteral("pominPierwszy"), false);
    if (layout.hasDateFormat) {
        const int format = ini.readInt(section, QStringLiteral("formatDaty"), 0);
        choices.dateFormat = format >= 0 && format <= 2 ? static_cast<ImportDateFormat>(format)
                                                        : ImportDateFormat::DayMonthYear;
    }
    for (const ImportOption& o : layout.options) {
        if (!o.kept)
            continue;
        if (o.byIndex) {
            const int index = ini.readInt(section, o.key, 0);
            choices.options.insert(o.key, o.entries.value(index, o.entries.value(0)));
        } else {
            // The stored default is the first entry a fresh window offers.
            const QString fallback = o.key == u"rodzajPaliwa" ? kLpgText : o.entries.value(0);
            choices.options.insert(o.key, ini.readString(section, o.key, fallback));
        }
    }
}

void writeImportSettings(IniFile& ini, const ImportLayout& layout, const ImportChoices& choices) {
    const QString section = importSection(layout);
    for (const ImportField& f : layout.fields)
        ini.writeInt(section, QStringLiteral("cb%1").arg(f.list), choices.entry(f.list));
    ini.writeBool(section, QStringLiteral("pominPierwszy"), choices.skipFirst);
    if (layout.hasDateFormat)
        ini.writeInt(section, QStringLiteral("formatDaty"), static_cast<int>(choices.dateFormat));
    for (const ImportOption& o : layout.options) {
        if (!o.kept)
            continue;
        if (o.byIndex)
            ini.writeInt(
                section, o.key,
                std::max<int>(0, static_cast<int>(o.entries.indexOf(choices.option(o.key)))));
        else
            ini.writeString(section, o.key, choices.option(o.key));
    }
}

} // namespace kv
