#pragma once

#include <QAbstractTableModel>

namespace kv {

class ImportSession;

// The loaded sheet as the window's grid shows it: the titles "Kolumna #k",
// "Zaimportowano?" and "Uwagi" in the header, one row per line of the file.
// Cells are read from the session when the view asks, so a sheet of 100,000
// lines costs no copy.
class ImportSheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ImportSheetModel(const ImportSession& session, QObject* parent = nullptr);

    // Tells the views that the sheet or its status columns changed.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const ImportSession& m_session;
};

} // namespace kv
