#include "support/CsvWriter.h"

#include "support/CodePage1250.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kv {

QString csvCellText(QString text) {
    text.replace(u'`', u'\'');
    text.replace(u'"', u'`');
    return text;
}

QString csvText(const QList<QStringList>& rows) {
    // Sized first: a register's sheet runs to millions of characters.
    qsizetype size = 0;
    for (const QStringList& row : rows) {
        for (const QString& cell : row)
            size += cell.size() + 3;
        size += 2;
    }
    QString text;
    text.reserve(size);
    for (const QStringList& row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                text.append(u';');
            text.append(u'"');
            text.append(row.at(i));
            text.append(u'"');
        }
        text.append(u'\r');
        text.append(u'\n');
    }
    return text;
}

QString standardCsvText(const QList<QStringList>& rows) {
    QList<QStringList> quoted;
    quoted.reserve(rows.size());
    for (QStringList row : rows) {
        for (QString& cell : row)
            cell.replace(u'"', QStringLiteral("\"\""));
        quoted.append(row);
    }
    return csvText(quoted);
}

QByteArray csvBytes(const QList<QStringList>& rows, CsvEncoding encoding, qsizetype* replaced) {
    const QString text = csvText(rows);
    if (encoding == CsvEncoding::Utf8WithBom)
        return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
    return toCodePage1250(text, replaced);
}

namespace {

// Writes over the file itself, keeping its earlier contents to put back when
// the new ones cannot all be written.
bool writeInPlace(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    QByteArray earlier;
    const bool existed = file.exists();
    if (existed) {
        if (!file.open(QIODevice::ReadOnly))
            return false;
        earlier = file.readAll();
        file.close();
    }
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (written && file.error() == QFileDevice::NoError)
        return true;
    if (existed && file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(earlier);
        file.close();
    }
    return false;
}

} // namespace

bool writeWholeFile(const QString& fileName, const QByteArray& bytes) {
    // A device or a pipe (/dev/stdout, a FIFO a script reads) is written to
    // as it is: there is no earlier file to keep, and a file put in its place
    // would take the place of the device itself.
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        QFile stream(fileName);
        if (!stream.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        return stream.write(bytes) == bytes.size() && stream.flush();
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        // No scratch file can be made beside the target: a folder the user may
        // not create files in, whose files may still be writable.
        if (target.isFile() && target.isWritable())
            return writeInPlace(fileName, bytes);
        return false;
    }
    // The buffer is flushed here, not left to commit(): this Qt's commit()
    // does not notice a flush that fails (a full disk) and would put the
    // truncated file in place of the earlier one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

CsvOutcome writeCsv(const QList<QStringList>& rows, const QString& fileName, CsvEncoding encoding) {
    CsvOutcome outcome;
    const QByteArray bytes = csvBytes(rows, encoding, &outcome.replaced);
    outcome.written = writeWholeFile(fileName, bytes);
    return outcome;
}

CsvOutcome writeCsv(const QList<QStringList>& rows, const QString& fileName, CsvEncoding encoding,
                    CsvQuotes quotes) {
    if (quotes == CsvQuotes::AsTheyAre)
        return writeCsv(rows, fileName, encoding);
    CsvOutcome outcome;
    const QString text = standardCsvText(rows);
    const QByteArray bytes = encoding == CsvEncoding::Utf8WithBom
                                 ? QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8()
                                 : toCodePage1250(text, &outcome.replaced);
    outcome.written = writeWholeFile(fileName, bytes);
    return outcome;
}

} // namespace kv
