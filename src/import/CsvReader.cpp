#include "import/CsvReader.h"

#include "support/CodePage1250.h"

#include <QFile>
#include <QStringDecoder>

namespace kv {

QString sheetEncodingName(SheetEncoding encoding) {
    switch (encoding) {
    case SheetEncoding::Utf8WithBom:
        return QStringLiteral("UTF-8 z BOM");
    case SheetEncoding::Windows1250:
        return QStringLiteral("Windows-1250");
    case SheetEncoding::Utf8:
        break;
    }
    return QStringLiteral("UTF-8");
}

DecodedText decodeSheetBytes(const QByteArray& bytes) {
    DecodedText out;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        out.refusal = QStringLiteral("Arkusz zapisano w kodowaniu UTF-16, którego program nie "
                                     "odczytuje. Zapisz go jako UTF-8 albo Windows-1250.");
        return out;
    }
    if (bytes.contains('\0')) {
        out.refusal = QStringLiteral("Plik nie jest arkuszem .CSV (zawiera znaki o kodzie 0).");
        return out;
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        out.encoding = SheetEncoding::Utf8WithBom;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        out.text = utf8(QByteArrayView(bytes).sliced(3));
        return out;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        out.text = std::move(text);
        out.encoding = SheetEncoding::Utf8;
        return out;
    }
    out.text = fromCodePage1250(bytes);
    out.encoding = SheetEncoding::Windows1250;
    return out;
}

namespace {

bool isLineEnd(QChar c) {
    return c == u'\n' || c == u'\r';
}

QString shapeFault(qsizetype cells, qsizetype expected) {
    return QStringLiteral("Wiersz ma %1 kolumn, oczekiwano %2").arg(cells).arg(expected);
}

// Whether a line's shape differs from the first line's: fewer cells, or more
// of them with text in the extra ones.
bool badShape(const QStringList& cells, qsizetype expected) {
    if (cells.size() < expected)
        return true;
    for (qsizetype c = expected; c < cells.size(); ++c)
        if (!cells[c].isEmpty())
            return true;
    return false;
}

} // namespace

ReadSheet splitSheet(const QString& text, QChar separator) {
    ReadSheet out;
    const qsizetype n = text.size();
    const QChar* data = text.constData();
    qsizetype i = 0;
    while (i < n) {
        SheetLine line;
        for (;;) {
            QString cell;
            bool quoted = false;
            if (i < n && data[i] == u'"') {
                // A quoted cell: up to the quote that is not doubled.
                qsizetype j = i + 1;
                for (;;) {
                    const qsizetype q = text.indexOf(u'"', j);
                    if (q < 0)
                        break;
                    cell += QStringView(text).mid(j, q - j);
                    if (q + 1 < n && data[q + 1] == u'"') {
                        cell += u'"';
                        j = q + 2;
                        continue;
                    }
                    quoted = true;
                    i = q + 1;
                    break;
                }
                if (!quoted) {
                    // Never closed: the quote is text and the cell an
                    // unquoted one, so the lines after it are not swallowed.
                    cell.clear();
                    if (line.fault.isEmpty())
                        line.fault = QStringLiteral("Niezamknięty cudzysłów w wierszu");
                }
            }
            // Unquoted text (or what follows a closing quote) up to the
            // separator or the line's end.
            const qsizetype start = i;
            while (i < n && data[i] != separator && !isLineEnd(data[i]))
                ++i;
            cell += QStringView(text).mid(start, i - start);
            line.cells.append(cell);
            if (i < n && data[i] == separator) {
                ++i;
                if (i == n)
                    line.cells.append(QString()); // a separator ends the text
                else
                    continue;
            }
            if (i < n && data[i] == u'\r') {
                ++i;
                if (i < n && data[i] == u'\n')
                    ++i;
            } else if (i < n && data[i] == u'\n') {
                ++i;
            }
            break;
        }
        out.width = std::max(out.width, static_cast<int>(line.cells.size()));
        out.lines.append(std::move(line));
    }
    if (!out.lines.isEmpty()) {
        const qsizetype expected = out.lines.first().cells.size();
        for (SheetLine& line : out.lines)
            if (line.fault.isEmpty() && badShape(line.cells, expected))
                line.fault = shapeFault(line.cells.size(), expected);
    }
    return out;
}

std::optional<ReadSheet> readSheetFile(const QString& path, QChar separator, QString* error) {
    QFile file(path);
    const auto fail = [error](const QString& reason) -> std::optional<ReadSheet> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    const DecodedText decoded = decodeSheetBytes(bytes);
    if (!decoded.refusal.isEmpty())
        return fail(decoded.refusal);
    ReadSheet sheet = splitSheet(decoded.text, separator);
    sheet.encoding = decoded.encoding;
    return sheet;
}

} // namespace kv
