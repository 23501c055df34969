#pragma once

#include "schema/Schema.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

namespace kv::demo {

// One readable source file of the demonstration data: UTF-8 text, cells
// separated by ";", lines starting with "#" and blank lines ignored, the first
// other line naming the columns. A cell may stand in double quotes (a quote
// inside doubled) when it holds a ";".
struct DemoSourceLine {
    int number; // line number in the file, for messages
    QStringList cells;
};

struct DemoSourceFile {
    QString path;
    QStringList header;
    std::vector<DemoSourceLine> lines;

    int columnIndex(const QString& name) const { return header.indexOf(name); }
    // "file, wiersz n: " for messages about a line.
    QString where(const DemoSourceLine& line) const;
};

// Throws DatabaseError naming the file and line when a line cannot be read or
// has another number of cells than the header.
DemoSourceFile readDemoSource(const QString& path);

// "today", "today+n", "today-n": the build date moved by n days; nothing for
// any other text.
std::optional<QDate> relativeDate(const QString& cell, const QDate& today);

// Resolves a reference "@LIST:text": the KOD of the entry of dictionary LIST,
// or with LIST "POJAZD" the id of the vehicle with that registration number.
using DemoReferenceResolver =
    std::function<std::optional<qint64>(const QString& list, const QString& text)>;

// The value a source cell stores in a column:
// - relative dates become date numbers, in text columns "dd.mm.yyyy" texts;
// - in numeric columns "@LIST:text" becomes the referenced id, an empty cell
//   NULL, anything else must be a number ("." as decimal separator);
// - in text columns the cell is stored as written.
// Throws DatabaseError (without the place, which the caller adds).
QVariant demoCellValue(const QString& cell, const schema::Column& column, const QDate& today,
                       const DemoReferenceResolver& resolve);

} // namespace kv::demo
