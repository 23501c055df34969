#pragma once

#include "import/ImportLayout.h"

#include <QHash>
#include <QList>
#include <QString>

namespace kv {

class IniFile;

// What the user chose for an import: the mapping (per list cbN, the index of
// its entry: 0 "Brak danych" or, for the fuel kind, the two fixed entries,
// then the sheet's columns), the separator, the date format, whether the
// first line holds titles, and the import's own options by key (their texts;
// "pominSumuj" holds "Sumuj " or "Pomiń").
struct ImportChoices {
    QList<int> mapping; // index list - 1: cb1 first
    QString separator = QStringLiteral(";");
    ImportDateFormat dateFormat = ImportDateFormat::DayMonthYear;
    bool skipFirst = false;
    bool keepMapping = false; // "Nie czyść ustawień po wczytaniu .CSV"
    QHash<QString, QString> options;

    int entry(int list) const { return mapping.value(list - 1, 0); }
    QString option(const QString& key) const { return options.value(key); }
};

// The choices of a first opening: every list on its first entry, ";", the
// first date format, the options on their first entries.
ImportChoices defaultImportChoices(const ImportLayout& layout);

// The sheet column (0-based) a list is mapped to; -1 when it is not.
int mappedColumn(const ImportLayout& layout, const ImportChoices& choices, int list);

// The settings section "IMPORTS" + number: the lists' indexes, pominPierwszy,
// formatDaty (not for the employees) and the kept options. A stored index the
// sheet of sheetColumns columns does not offer selects the first entry; the
// names of the fields concerned are added to *dropped.
void readImportSettings(const IniFile& ini, const ImportLayout& layout, int sheetColumns,
                        ImportChoices& choices, QStringList* dropped = nullptr);
void writeImportSettings(IniFile& ini, const ImportLayout& layout, const ImportChoices& choices);
QString importSection(const ImportLayout& layout);

} // namespace kv
