#pragma once

#include "app/SectionPages.h"
#include "framework/CommandState.h"
#include "framework/gui/MainWindowServices.h"

#include <QHash>
#include <QMainWindow>
#include <map>
#include <memory>
#include <optional>

class QLabel;

namespace kv {

class CommandRow;
class FilterRow;
class GridLayoutStore;
class MainMenu;
class Notepads;
class ProgramModule;
class RegisterController;
class RegisterFilters;
class RegisterGrid;
class RegisterModule;
class RegisterSheetCommands;
class ColumnSumsWindow;

// The main window: section bar, pages of registers, command row, filter row and
// status bar, and the program's life from the start sequence to closing. It
// dispatches: the pages, menus and filters are built from the register
// descriptors and the module list, and the commands go to the modules.
class MainWindow : public QMainWindow, public MainWindowServices {
    Q_OBJECT
public:
    // The single-instance rule: false (after saying so) when another copy
    // runs and the arguments do not allow a second one. The program asks
    // before anything is shown; the window asks again for itself.
    static bool claimSingleInstance(const QStringList& arguments);

    explicit MainWindow(const QStringList& arguments, QWidget* parent = nullptr);
    ~MainWindow() override;

    // False when the window's creation ended the program (a second copy, an
    // engine that does not start); the caller then quits.
    bool isUsable() const { return m_usable; }

    // Log out and run the start sequence again.
    void logOut();
    // "Zarządzanie użytkownikami": the administration window, then the
    // logged-in user's description and permissions again.
    void administerUsers();
    // The error-log viewer of the help menu.
    void openErrorLog();

    // Opens a section (its start page for sections with inner pages).
    void openSection(Section section);
    // Enables the record commands: viewing, and editing only with both flags.
    void setCommandState(bool viewAllowed, bool editAllowed);

    // Opens a register: its section and page, its lists, its rows, the focus
    // on its grid, and the commands its permissions allow.
    void openRegister(RegisterId id);
    // The register on screen, if any.
    std::optional<RegisterId> visibleRegister() const;
    // Whether the register is available in this version (has its module).
    bool isRegisterAvailable(RegisterId id) const;

    // The record commands, acting on the register on screen.
    void commandAdd(bool copyMode);
    void commandEdit();
    void commandDelete();
    void commandPreview();
    void commandPrint();
    // "do CSV" and "Szukaj" on the register on screen.
    void commandExport();
    void commandSearch();
    void commandSums();
    RegisterSheetCommands* sheetCommands() const { return m_sheetCommands; }

    // Rebuilds the vehicle selector; toAll returns it to "(Wszystkie)".
    void fillVehicleSelector(bool toAll);
    // Enables sections, registers, menu items and commands for the user.
    void applyPermissions();

    // MainWindowServices
    void rebuildVehicleSelector(bool toAllVehicles) override { fillVehicleSelector(toAllVehicles); }
    QString companyName() const override;
    void refreshCompanyHeader() override { stepShowCompanyHeader(); }
    void showSectionStart(Section section) override { openSection(section); }
    void highlightButton(const QString& buttonName) override;
    void addSectionCommand(const QString& buttonName, const QString& menuItem,
                           std::function<void()> handler) override;
    void addMenuCommand(const QString& menuItem, std::function<void()> handler) override;
    void setSectionContent(Section section, QWidget* content) override;
    QMenu* viewSubmenu(const QString& title) override;
    void monthYearFilter(bool& active, int& year, int& month) const override;
    void refreshRegisterOnScreen() override { refreshVisibleRegister(); }
    void showSection(Section section) override { openSection(section); }
    bool showRegisterRecord(RegisterId id, const QVariantList& key) override;
    void addCommandButton(const QString& buttonName, const QString& hint,
                          std::function<void()> handler) override;
    void addStartPagePart(QWidget* part) override { m_sections->addStartPagePart(part); }

    QWidget* registerPage(RegisterId id) const { return m_sections->registerPage(id); }

    // Whether the start sequence is still to run (set at creation and log-out).
    bool startSequencePending() const { return m_startSequencePending; }

signals:
    // The start sequence finished and the window is ready for work.
    void ready();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Creation
    bool formCreate(const QStringList& arguments);
    void buildWindow();
    void buildStatusBar();
    void buildMenus();
    void setUpModules();

    // Start sequence and welcome steps
    void runStartSequence();
    void runWelcomeSteps();
    bool stepCheckLocation();
    bool stepLogin();
    void stepShowCompanyHeader();
    void restoreGeometry();

    // Closing
    bool confirmClose();
    void saveOnClose();

    // The register on screen: its rows again, and the commands they allow.
    void refreshVisibleRegister();
    void updateCommandState();
    void runSectionCommand(const QString& button);

    bool m_usable = false;
    bool m_startSequencePending = true;
    bool m_sizeRestorePending = true;
    bool m_closingConfirmed = false;
    // A start that ends before a login writes nothing back: the first start's
    // hints and the stored filters must survive a cancelled login.
    bool m_endWithoutSaving = false;

    SectionPages* m_sections = nullptr;
    CommandRow* m_commands = nullptr;
    FilterRow* m_filterRow = nullptr;
    MainMenu* m_menu = nullptr;
    RegisterSheetCommands* m_sheetCommands = nullptr;
    ColumnSumsWindow* m_sumsWindow = nullptr;
    CommandState m_commandState{false, false, false};
    QHash<QString, std::function<void()>> m_sectionCommands; // by button name
    QLabel* m_statusDate = nullptr;
    QLabel* m_statusCompany = nullptr;
    QLabel* m_statusHint = nullptr;

    struct RegisterSlot {
        std::unique_ptr<RegisterController> controller;
        RegisterGrid* grid = nullptr;
        std::unique_ptr<RegisterModule> module;
    };
    std::map<int, RegisterSlot> m_registers; // by RegisterId
    std::vector<std::unique_ptr<ProgramModule>> m_programModules;
    std::unique_ptr<RegisterFilters> m_filters;
    std::unique_ptr<Notepads> m_notepads;
    std::unique_ptr<GridLayoutStore> m_gridStorage;
    bool m_modulesReady = false;
};

} // namespace kv
