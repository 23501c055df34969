#pragma once

#include "import/CsvReader.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kv {

// The loaded sheet: the lines of the file with their cells, and the two status
// columns "Zaimportowano?" and "Uwagi" the verify and import passes write.
// Line 1 of the sheet is lines[0].
class ImportSheet {
public:
    ImportSheet() = default;
    explicit ImportSheet(ReadSheet read, QString fileName = {});

    int lineCount() const { return static_cast<int>(m_read.lines.size()); }
    int width() const { return m_read.width; }
    SheetEncoding encoding() const { return m_read.encoding; }
    const QString& fileName() const { return m_fileName; }
    const SheetLine& line(int index) const { return m_read.lines[index]; }

    const QString& imported(int index) const { return m_imported[index]; }
    const QString& remark(int index) const { return m_remarks[index]; }
    void setStatus(int index, const QString& imported, const QString& remark);
    void clearStatus(int index) { setStatus(index, {}, {}); }

    // The index of the first line the passes work on.
    static int firstDataLine(bool skipFirst) { return skipFirst ? 1 : 0; }

    // The sheet as the window shows it and "Zapisz log" writes it: the title
    // row ("Kolumna #1" ... "Zaimportowano?", "Uwagi"), then each line padded
    // to the sheet's width with its two status cells.
    static QStringList statusTitles();
    QStringList titleRow() const;
    QStringList row(int index) const;
    QList<QStringList> rows() const;

private:
    ReadSheet m_read;
    QString m_fileName;
    QStringList m_imported;
    QStringList m_remarks;
};

inline const QString kStatusOk = QStringLiteral("Ok");
inline const QString kStatusFaulty = QStringLiteral("Błędy");

} // namespace kv
