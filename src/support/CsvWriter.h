#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kv {

// The encodings a sheet is written in: the Central European code page that
// spreadsheets on Polish systems expect (and that earlier versions wrote), or
// UTF-8 behind a byte order mark, which keeps every character and which
// spreadsheets recognise by that mark.
enum class CsvEncoding { Windows1250, Utf8WithBom };

// What writing a sheet came to: whether the whole file was written, and how
// many characters the code page could not hold and became "?".
struct CsvOutcome {
    bool written = false;
    qsizetype replaced = 0;
    explicit operator bool() const { return written; }
};

// Writes a table of texts as a CSV sheet: one line per row ending with CR LF,
// every cell in double quotes, cells separated by ";". Cell texts go out
// unchanged: quotes inside a cell are not doubled, so callers that may hold
// them replace them first (the register export turns them into backticks). A
// row without cells gives an empty line.
//
// The file is replaced only when the whole sheet has been written; on failure
// an earlier file is left byte for byte as it was.
CsvOutcome writeCsv(const QList<QStringList>& rows, const QString& fileName,
                    CsvEncoding encoding = CsvEncoding::Windows1250);

// How the cells' own double quotes are written: as they are (the program's
// sheets, whose cells never hold one) or doubled, as standard CSV has them,
// so that a sheet written back out (an import's result) reads in again cell
// for cell.
enum class CsvQuotes { AsTheyAre, Doubled };
CsvOutcome writeCsv(const QList<QStringList>& rows, const QString& fileName, CsvEncoding encoding,
                    CsvQuotes quotes);

// The bytes writeCsv writes; the characters replaced are added to *replaced.
QByteArray csvBytes(const QList<QStringList>& rows, CsvEncoding encoding,
                    qsizetype* replaced = nullptr);

// Writes bytes to a file, replacing it only when all of them are written.
// Where no scratch file can be made beside the target (a folder the user may
// not create files in) the file is written in place, and on failure its
// earlier contents are put back. A device or a pipe is written to directly.
bool writeWholeFile(const QString& fileName, const QByteArray& bytes);

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
