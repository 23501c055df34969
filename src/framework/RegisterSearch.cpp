#include "framework/RegisterSearch.h"

#include "framework/DisplayFormatters.h"
#include "framework/RegisterController.h"
#include "framework/RegisterTableModel.h"
#include "support/UserInterface.h"

namespace kv {

namespace {

// Only the 26 letters of the basic Latin alphabet are folded.
inline char16_t folded(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - (u'a' - u'A')) : c;
}

QString foldedText(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        c = QChar(folded(c.unicode()));
    return out;
}

// The needle is folded already.
bool containsFolded(QStringView cell, QStringView needle) {
    const qsizetype n = needle.size();
    if (n == 0 || cell.size() < n)
        return false;
    const char16_t first = needle.at(0).unicode();
    const qsizetype last = cell.size() - n;
    for (qsizetype i = 0; i <= last; ++i) {
        if (folded(cell.at(i).unicode()) != first)
            continue;
        qsizetype j = 1;
        while (j < n && folded(cell.at(i + j).unicode()) == needle.at(j).unicode())
            ++j;
        if (j == n)
            return true;
    }
    return false;
}

// Where each searched column's text comes from: a grid column of the model
// (shown) or a column of the rows (stored).
struct Source {
    int gridColumn = -1;
    int rowColumn = -1;
};

} // namespace

bool searchMatches(QStringView cell, QStringView text) {
    return containsFolded(cell, foldedText(text.toString()));
}

int findNext(const RegisterTableModel& rows, const QList<SearchColumn>& columns,
             const QString& text, int currentRow, bool firstSearch) {
    const int count = rows.rowCount();
    int row = std::max(0, firstSearch ? currentRow : currentRow + 1);
    if (text.isEmpty() || row >= count || !rows.rows())
        return -1;
    const ResultSet& result = *rows.rows();
    QList<Source> sources;
    for (const SearchColumn& c : columns) {
        Source s;
        if (c.shown)
            s.gridColumn = rows.columnOfField(c.field);
        if (s.gridColumn < 0)
            s.rowColumn = result.columnIndex(c.field);
        if (s.gridColumn >= 0 || s.rowColumn >= 0)
            sources.append(s);
    }
    const QString needle = foldedText(text);
    for (; row < count; ++row) {
        for (const Source& s : std::as_const(sources)) {
            const QString cell = s.gridColumn >= 0 ? rows.cellText(row, s.gridColumn)
                                                   : formatPlain(result.value(row, s.rowColumn));
            if (containsFolded(cell, needle))
                return row;
        }
    }
    return -1;
}

void TextSearch::start(RegisterController& controller) {
    if (controller.rowCount() > 0)
        controller.setCurrentRow(0);
    m_first = true;
}

TextSearch::Result TextSearch::next(RegisterController& controller, const RegisterTableModel& rows,
                                    const QString& text, const std::function<void()>& moved) {
    // The match may be among the rows still being read.
    controller.finishReading();
    if (controller.rowCount() == 0)
        return Result::Nothing;
    const bool first = m_first;
    m_first = false;
    const int found =
        findNext(rows, controller.descriptor().searchColumns, text, controller.currentRow(), first);
    controller.setCurrentRow(found >= 0 ? found : 0);
    if (moved)
        moved();
    if (found >= 0)
        return Result::Found;
    ui().information(QStringLiteral("Informacja"), kSearchEndText);
    return Result::End;
}

} // namespace kv
