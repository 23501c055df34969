#include "support/GridLayoutStore.h"

#include "support/IniFile.h"
#include "support/TVxUtilities.h"

#include <QStringList>
#include <algorithm>
#include <optional>

namespace kv {

namespace {

// The widths of a stored line, or nothing when one of them is not a whole,
// non-negative number.
std::optional<std::vector<int>> parseWidths(const QString& line) {
    std::vector<int> widths;
    for (const QString& value : TVxUtilities::instance().splitText(line, u',')) {
        bool ok = false;
        const int width = value.trimmed().toInt(&ok);
        if (!ok || width < 0)
            return std::nullopt;
        widths.push_back(width);
    }
    return widths;
}

QString joinedWidths(const GridColumns& grid) {
    QStringList widths;
    for (int column = 0; column < grid.columnCount(); ++column)
        widths.append(QString::number(grid.columnWidth(column)));
    return widths.join(u',');
}

void loadSection(const IniFile& ini, const QString& section,
                 const std::vector<TGridData>& records) {
    for (const TGridData& record : records) {
        if (!ini.contains(section, record.name))
            continue;
        const std::optional<std::vector<int>> widths =
            parseWidths(ini.readString(section, record.name));
        // A line of another length belongs to an earlier column list: the
        // grid keeps its design widths.
        if (!widths || static_cast<int>(widths->size()) != record.grid->columnCount())
            continue;
        for (int column = 0; column < static_cast<int>(widths->size()); ++column)
            record.grid->setColumnWidth(column, (*widths)[static_cast<size_t>(column)]);
    }
}

void saveSection(IniFile& ini, const QString& section, const std::vector<TGridData>& records) {
    for (const TGridData& record : records)
        if (record.grid->columnCount() > 0)
            ini.writeString(section, record.name, joinedWidths(*record.grid));
}

void restoreSection(const std::vector<TGridData>& records) {
    for (const TGridData& record : records) {
        const int columns = std::min(record.grid->columnCount(), TGridData::rememberedColumns);
        for (int column = 0; column < columns; ++column) {
            const int width = record.defaultWidths[static_cast<size_t>(column)];
            if (width != 0)
                record.grid->setColumnWidth(column, width);
        }
    }
}

} // namespace

void GridLayoutStore::registerGrid(std::vector<TGridData>& records,
                                   std::unique_ptr<GridColumns> grid, const QString& name) {
    if (!grid)
        return;
    TGridData record;
    record.name = name;
    const int columns = std::min(grid->columnCount(), TGridData::rememberedColumns);
    for (int column = 0; column < columns; ++column)
        record.defaultWidths[static_cast<size_t>(column)] = grid->columnWidth(column);
    record.grid = std::move(grid);

    const auto same = std::find_if(records.begin(), records.end(), [&name](const TGridData& r) {
        return r.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (same != records.end())
        *same = std::move(record);
    else
        records.push_back(std::move(record));
}

void GridLayoutStore::registerDataGrid(std::unique_ptr<GridColumns> grid, const QString& name) {
    registerGrid(m_dataGrids, std::move(grid), name);
}

void GridLayoutStore::registerStringGrid(std::unique_ptr<GridColumns> grid, const QString& name) {
    registerGrid(m_stringGrids, std::move(grid), name);
}

bool GridLayoutStore::load() {
    IniFile ini(m_settingsPath);
    if (!ini.load())
        return false;
    loadSection(ini, dataGridSection, m_dataGrids);
    loadSection(ini, stringGridSection, m_stringGrids);
    return true;
}

bool GridLayoutStore::save() const {
    IniFile ini(m_settingsPath);
    // Rewriting a file we could not read would throw its other settings away.
    if (!ini.load())
        return false;
    saveSection(ini, dataGridSection, m_dataGrids);
    saveSection(ini, stringGridSection, m_stringGrids);
    return ini.save();
}

void GridLayoutStore::restoreDefaults() {
    restoreSection(m_dataGrids);
    restoreSection(m_stringGrids);
}

} // namespace kv
