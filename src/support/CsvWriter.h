#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kv {

// Writes a table of texts as a CSV sheet: one line per row ending with CR LF,
// every cell in double quotes, cells separated by ";", in the code page of
// CodePage1250.h. Cell texts go out unchanged: quotes inside a cell are not
// doubled, so callers that may hold them replace them first (the register
// export turns them into backticks). A row without cells gives an empty line.
//
// The file is replaced only when the whole sheet has been written; false (and
// any earlier file left as it was) when it cannot be.
bool writeCsv(const QList<QStringList>& rows, const QString& fileName);

// A cell text made safe for such a sheet: a backtick becomes an apostrophe and
// a double quote a backtick, so no cell can end early.
QString csvCellText(QString text);

// The text writeCsv puts in the file, before encoding.
QString csvText(const QList<QStringList>& rows);

// The same sheet as standard CSV quotes it: a double quote inside a cell is
// doubled, so every cell reads back exactly as it was, quotes included
// ("WE \"1'23" becomes "WE ""1'23"). Cells are in double quotes, separated
// by ";", lines end with CR LF.
QString standardCsvText(const QList<QStringList>& rows);

} // namespace kv
