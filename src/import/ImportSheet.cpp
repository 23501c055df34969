#include "import/ImportSheet.h"

namespace kv {

ImportSheet::ImportSheet(ReadSheet read, QString fileName)
    : m_read(std::move(read)), m_fileName(std::move(fileName)) {
    m_imported = QStringList(lineCount(), QString());
    m_remarks = QStringList(lineCount(), QString());
}

void ImportSheet::setStatus(int index, const QString& imported, const QString& remark) {
    m_imported[index] = imported;
    m_remarks[index] = remark;
}

QStringList ImportSheet::statusTitles() {
    return {QStringLiteral("Zaimportowano?"), QStringLiteral("Uwagi")};
}

QStringList ImportSheet::titleRow() const {
    QStringList titles;
    for (int k = 1; k <= width(); ++k)
        titles << QStringLiteral("Kolumna #") + QString::number(k);
    return titles + statusTitles();
}

QStringList ImportSheet::row(int index) const {
    QStringList cells = line(index).cells;
    while (cells.size() < width())
        cells.append(QString());
    cells << m_imported[index] << m_remarks[index];
    return cells;
}

QList<QStringList> ImportSheet::rows() const {
    QList<QStringList> out;
    out.reserve(lineCount() + 1);
    out.append(titleRow());
    for (int i = 0; i < lineCount(); ++i)
        out.append(row(i));
    return out;
}

} // namespace kv
