#include "framework/RegisterSheet.h"

#include "framework/RegisterController.h"
#include "framework/RegisterHooks.h"
#include "storage/engine/DatabaseError.h"
#include "support/CsvWriter.h"

namespace kv {

QList<QStringList> registerSheet(const RegisterTableModel& model) {
    const int columns = model.columnCount();
    const int rows = model.rowCount();
    QList<QStringList> sheet;
    sheet.reserve(rows + 1);
    QStringList titles;
    titles.reserve(columns);
    for (int c = 0; c < columns; ++c)
        titles.append(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    sheet.append(titles);
    for (int r = 0; r < rows; ++r) {
        QStringList cells;
        cells.reserve(columns);
        for (int c = 0; c < columns; ++c)
            cells.append(csvCellText(model.cellText(r, c)));
        sheet.append(std::move(cells));
    }
    return sheet;
}

std::unique_ptr<RegisterTableModel> registerModel(RegisterController& controller) {
    auto model = std::make_unique<RegisterTableModel>(controller.descriptor());
    model->setCellFormatter(controller.computedCells());
    if (const auto& titles = registerHooks(controller.descriptor().id).columnTitles) {
        try {
            const QStringList named = titles(controller.database());
            for (int c = 0; c < named.size(); ++c)
                model->setColumnTitle(c, named.at(c));
        } catch (const DatabaseError&) {
        }
    }
    controller.finishReading(); // the sheet holds every row
    model->setRows(controller.rows());
    return model;
}

} // namespace kv
