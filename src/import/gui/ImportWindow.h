#pragma once

#include <QDialog>
#include <QHash>
#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace kv {

class DataModule;
class ImportSession;
class ImportSheetModel;

// The window of every import (TfImportKoszty, TfImportPrzejazdy ...): it shows
// what its session holds and hands each button to it. The session outlives
// the window's closing, so reopening shows the last sheet, mapping and
// results.
class ImportWindow : public QDialog {
    Q_OBJECT
public:
    ImportWindow(DataModule& db, ImportSession& session, QString settingsFile,
                 QWidget* parent = nullptr);

    // Shows the window modally with the session's state.
    void showModal();

    // The buttons' work; loadFile is Załaduj after the file was chosen.
    void loadFile(const QString& path);
    void verify();
    void runImport();
    void saveLogTo(const QString& path);

    QComboBox* mappingList(int list) const { return m_lists.value(list - 1); }
    QTableView* grid() const { return m_grid; }

public slots:
    void reject() override;

private:
    void build();
    QWidget* buildOptions();
    QWidget* buildMapping();
    void chooseFile();
    void chooseLogFile();
    void fillLists();
    void pushChoices();
    void pullChoices();
    void choicesChanged();
    void refreshState();

    DataModule& m_db;
    ImportSession& m_session;
    QString m_settingsFile;
    ImportSheetModel* m_model = nullptr;
    QComboBox* m_separator = nullptr;
    QCheckBox* m_keep = nullptr;
    QComboBox* m_dateFormat = nullptr;
    QHash<QString, QComboBox*> m_options;
    QList<QComboBox*> m_lists;
    QTableView* m_grid = nullptr;
    QLabel* m_encoding = nullptr;
    QPushButton* m_load = nullptr;
    QPushButton* m_verify = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_saveLog = nullptr;
    QPushButton* m_close = nullptr;
    QCheckBox* m_skipFirst = nullptr;
    bool m_filling = false;
};

} // namespace kv
