#pragma once

#include "options/OptionsControls.h"
#include "options/OptionsEditing.h"

#include <QDialog>
#include <QHash>

class QBoxLayout;
class QFormLayout;
class QPushButton;
class QTabWidget;
class QWidget;

namespace kv {

// The options window "Opcje programu": the program's options on the pages
// "Ogólne", "Sprawdzanie terminów", "Sprawdzanie wg przebiegu" and "Raporty",
// the company's backup settings on "Kopia zapasowa". Each control is named
// after its option (or its own name where it has one). What the window does
// with the values is OptionsEditing's business; the window only fills the
// controls and hands their contents back.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDialog(QWidget* parent = nullptr);

    // Shows the window modally and goes through its steps: the backup
    // settings are read before showing, "  &Zapisz   " stores the options,
    // and after closing either way an administrator's backup settings are
    // written. True when the options were saved. Either way the caller then
    // does its own follow-up (the report date box follows cbRapData, the
    // start page is shown).
    bool editOptions();
    // The same on a window of its own.
    static bool edit(QWidget* parent);

    QTabWidget* pages() const { return m_pages; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* cancelButton() const { return m_cancel; }

public slots:
    // What "  &Zapisz   " does.
    void save();

private:
    QWidget* addPage(const QString& title, const QString& name);
    QWidget* optionControl(const QString& name, QWidget* parent);
    void addChecks(QBoxLayout* layout, const QStringList& names, QWidget* parent);
    void addRow(QFormLayout* form, const QString& name, QWidget* parent, const QString& hint = {});
    void buildGeneralPage();
    void buildDeadlinesPage();
    void buildMileagePage();
    void buildReportsPage();
    void buildBackupPage();

    static void showValues(const QHash<QString, QWidget*>& controls, const ControlValues& values);
    static ControlValues valuesOf(const QHash<QString, QWidget*>& controls);

    QTabWidget* m_pages;
    QPushButton* m_save;
    QPushButton* m_cancel;
    QWidget* m_backupControls = nullptr;
    QHash<QString, QWidget*> m_options;
    QHash<QString, QWidget*> m_backup;
    OptionsEditing m_editing;
    bool m_saved = false;
};

} // namespace kv
