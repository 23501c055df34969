#pragma once

#include "support/GridColumns.h"

#include <QString>
#include <array>
#include <memory>
#include <utility>
#include <vector>

namespace kv {

// One registered grid: its name (the key in the settings file), the grid and
// the widths of its first 40 columns when it was registered (0 for columns it
// did not have), which "Przywróć domyślne szerokości tabel" brings back.
struct TGridData {
    static constexpr int rememberedColumns = 40;

    QString name;
    std::unique_ptr<GridColumns> grid;
    std::array<int, rememberedColumns> defaultWidths{};
};
// Data-aware grids (the registers) and plain string grids keep the same
// record; they differ only in the section they are stored in.
using TDBGridData = TGridData;

// Remembers the column widths of every grid in the settings file: section
// "DBGRID" for the register grids, "GRID" for the string grids, one line per
// grid holding the widths of all its columns joined with ",", for example
// PojazdyGrid=64,120,80.
class GridLayoutStore {
public:
    static inline const QString dataGridSection = QStringLiteral("DBGRID");
    static inline const QString stringGridSection = QStringLiteral("GRID");

    explicit GridLayoutStore(QString settingsPath) : m_settingsPath(std::move(settingsPath)) {}

    // Takes the grid over and remembers its current widths as its defaults.
    // Registering a name again (as every start sequence does) replaces the
    // earlier registration; names are compared as settings keys are, without
    // regard to case.
    void registerDataGrid(std::unique_ptr<GridColumns> grid, const QString& name);
    void registerStringGrid(std::unique_ptr<GridColumns> grid, const QString& name);

    // Applies the stored widths. A grid without a line, or whose line does not
    // hold exactly one width (a whole number, not negative) per current
    // column, keeps its widths. False only when the file exists but cannot be
    // read.
    bool load();
    // Writes the current widths, keeping everything else in the file. A grid
    // that has no columns at the moment is left out, so it cannot wipe its
    // stored line. False when the file cannot be read or written.
    bool save() const;
    // Gives every column with a remembered non-zero default that width again.
    void restoreDefaults();

    const QString& settingsPath() const { return m_settingsPath; }
    const std::vector<TDBGridData>& dataGrids() const { return m_dataGrids; }
    const std::vector<TGridData>& stringGrids() const { return m_stringGrids; }

private:
    static void registerGrid(std::vector<TGridData>& records, std::unique_ptr<GridColumns> grid,
                             const QString& name);

    QString m_settingsPath;
    std::vector<TDBGridData> m_dataGrids;
    std::vector<TGridData> m_stringGrids;
};

} // namespace kv
