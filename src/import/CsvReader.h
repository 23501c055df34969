#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

// The encodings a sheet is read in. Spreadsheets write UTF-8 (with or
// without its byte order mark) or the Central European code page; a sheet
// that is not valid UTF-8 is taken to be in the code page.
enum class SheetEncoding { Utf8, Utf8WithBom, Windows1250 };

// The name the window and the command-line tool show ("UTF-8 z BOM" ...).
QString sheetEncodingName(SheetEncoding encoding);

// One line of the sheet as read: its cells, and what is wrong with its shape
// (an unclosed quote, too few or too many cells), empty when nothing is.
struct SheetLine {
    QStringList cells;
    QString fault;
};

struct ReadSheet {
    QList<SheetLine> lines;
    SheetEncoding encoding = SheetEncoding::Utf8;
    int width = 0; // the most cells a line has
};

// The text of the bytes, or the reason they are no sheet: UTF-16 (by its
// byte order mark) and NUL bytes (a binary file) are refused.
struct DecodedText {
    QString text;
    SheetEncoding encoding = SheetEncoding::Utf8;
    QString refusal;
};
DecodedText decodeSheetBytes(const QByteArray& bytes);

// Splits the text into lines of cells, standard CSV with the given
// separator: a cell that starts with a double quote runs to the matching
// closing quote and may hold the separator and line breaks, "" inside it is
// one quote; a quote inside an unquoted cell is plain text. Lines end with
// CR LF, LF or CR; a final line break makes no empty line. A quote left open
// at the end of the text is taken as text from where it stood and its line
// is marked. A line with fewer cells than the first one, or with more cells
// that are not empty, is marked as well (never padded or shifted).
ReadSheet splitSheet(const QString& text, QChar separator);

// Reads a file; nothing, with the message in *error, when it cannot be read
// or is no sheet.
std::optional<ReadSheet> readSheetFile(const QString& path, QChar separator, QString* error);

} // namespace kv
