#include "support/CsvWriter.h"

#include "support/CodePage1250.h"

#include <QSaveFile>

namespace kv {

QString csvCellText(QString text) {
    text.replace(u'`', u'\'');
    text.replace(u'"', u'`');
    return text;
}

QString csvText(const QList<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += u';';
            text += u'"' + row.at(i) + u'"';
        }
        text += QStringLiteral("\r\n");
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

bool writeCsv(const QList<QStringList>& rows, const QString& fileName) {
    QSaveFile file(fileName);
    // Where no scratch file can be made beside the target (a folder the user
    // may not create files in), write the file directly.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = toCodePage1250(csvText(rows));
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace kv
