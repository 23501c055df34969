#pragma once

#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace kv {

class DataModule;
class DateField;

// "Archiwizacja danych" (TfArchiwum): a folder chosen in the tree of a
// mounted volume, the archive found in it (its description, saved, deleted
// or restored) and a new archive made there. The work is the core's; the
// window keeps the panel in step with the folder.
class ArchiveWindow : public QDialog {
    Q_OBJECT
public:
    ArchiveWindow(DataModule& db, QWidget* parent = nullptr);

    // The new-archive fields reset (today's date), the panel refreshed, then
    // the modal window.
    void showModal();

    QString currentFolder() const { return m_folder; }
    void setCurrentFolder(const QString& folder);

    QComboBox* volumes() const { return m_drive; }
    QTreeView* tree() const { return m_tree; }
    QLineEdit* foundName() const { return m_foundName; }
    DateField* foundDate() const { return m_foundDate; }
    QLineEdit* newName() const { return m_newName; }
    DateField* newDate() const { return m_newDate; }

public slots:
    void newFolder();
    void saveDescription();
    void deleteArchive();
    void restore();
    void makeArchive();
    // The found-archive panel from the folder's description.
    void refreshPanel();

private:
    QWidget* buildFolderChoice();
    QGroupBox* buildFoundPanel();
    QGroupBox* buildNewPanel();
    void fillVolumes();
    void showVolume(int index);

    DataModule& m_db;
    QString m_folder;
    QComboBox* m_drive = nullptr;
    QTreeView* m_tree = nullptr;
    QFileSystemModel* m_model = nullptr;
    QLineEdit* m_foundName = nullptr;
    DateField* m_foundDate = nullptr;
    QList<QPushButton*> m_foundButtons;
    QLineEdit* m_newName = nullptr;
    DateField* m_newDate = nullptr;
};

} // namespace kv
