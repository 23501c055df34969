#include "deadlines/DeadlineExport.h"

#include "support/CodePage1250.h"

namespace kv {

namespace {

QString baseName(ReminderListKind kind) {
    switch (kind) {
    case ReminderListKind::Dates:
        return QStringLiteral("przypomnienie-daty");
    case ReminderListKind::Mileage:
        return QStringLiteral("przypomnienie-przebieg");
    case ReminderListKind::Warehouse:
        return QStringLiteral("stany-magazynowe");
    }
    return {};
}

QStringList visible(const QStringList& row, ReminderListKind kind, bool safe) {
    QStringList out = row.mid(0, visibleReminderColumns(kind));
    if (safe)
        for (QString& cell : out)
            cell = csvCellText(cell);
    return out;
}

} // namespace

QString reminderCsvName(ReminderListKind kind) {
    return baseName(kind) + QStringLiteral(".csv");
}

QString reminderTxtName(ReminderListKind kind) {
    return baseName(kind) + QStringLiteral(".txt");
}

QList<QStringList> reminderSheet(const ReminderList& list) {
    QList<QStringList> out{visible(reminderTitles(list.kind), list.kind, true)};
    if (!list.hasResults())
        out << visible(nothingFoundRow(list.kind), list.kind, true);
    for (const QStringList& row : list.rows)
        out << visible(row, list.kind, true);
    return out;
}

QString reminderText(const ReminderList& list) {
    QStringList labels;
    switch (list.kind) {
    case ReminderListKind::Dates:
        labels = {QStringLiteral("Data: "), QStringLiteral("Pojazd: "), QStringLiteral("Opis: "),
                  QStringLiteral("Szczegóły: ")};
        break;
    case ReminderListKind::Mileage:
        labels = {QStringLiteral("Stan licznika: "), QStringLiteral("Pojazd: "),
                  QStringLiteral("Opis: "), QStringLiteral("Szczegóły: ")};
        break;
    case ReminderListKind::Warehouse:
        labels = {QStringLiteral("Nazwa elementu: "), QStringLiteral("Ilość: "),
                  QStringLiteral("Opis: ")};
        break;
    }
    const QString rule = QString(33, u'-');
    const QString eol = QStringLiteral("\r\n");
    QString out;
    for (const QStringList& row : list.rows) {
        for (int i = 0; i < labels.size(); ++i)
            out += labels.at(i) + row.value(i) + eol;
        out += rule + eol;
    }
    return out;
}

QByteArray reminderTextBytes(const ReminderList& list, CsvEncoding encoding) {
    const QString text = reminderText(list);
    if (encoding == CsvEncoding::Utf8WithBom)
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    return toCodePage1250(text);
}

bool exportReminderCsv(const ReminderList& list, const QString& fileName, CsvEncoding encoding) {
    return writeCsv(reminderSheet(list), fileName, encoding).written;
}

bool exportReminderTxt(const ReminderList& list, const QString& fileName, CsvEncoding encoding) {
    return writeWholeFile(fileName, reminderTextBytes(list, encoding));
}

} // namespace kv
