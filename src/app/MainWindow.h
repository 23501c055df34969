#pragma once

#include "framework/Registers.h"
#include "framework/gui/MainWindowServices.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QStackedWidget;
class QToolButton;
class QPushButton;

namespace kv {

class DateField;
class RegisterController;
class RegisterFilters;
class RegisterGrid;
class RegisterModule;
class GridLayoutStore;

// The main window: section bar, pages of registers, command row, filter row and
// status bar, and the program's life from the start sequence to closing.
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
    void refreshVehicleFilterLists() override;

    // The widgets other modules fill (by name, for the register issues).
    QWidget* registerPage(RegisterId id) const {
        return m_registerPages.value(static_cast<int>(id));
    }
    QStackedWidget* sectionPages() const { return m_zakladki; }

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
    QWidget* buildSectionBar();
    QWidget* buildPages();
    QWidget* buildSectionWithRegisters(Section section, const QString& pageName,
                                       const QString& innerName, const QString& startName,
                                       const QString& startHint);
    QWidget* buildCommandRow();
    QWidget* buildFilterRow();
    void buildStatusBar();
    void buildMenus();
    QAction* addMenuAction(QMenu* menu, const QString& text, const QString& shortcut = {},
                           bool available = true);

    // Start sequence and welcome steps
    void runStartSequence();
    void runWelcomeSteps();
    bool stepCheckLocation();
    bool stepLogin();
    void stepRunUpgrades();
    void stepPrepareFilters();
    void stepLoadReminderNotes();
    void stepShowCompanyHeader();
    void stepApplyPermissions();
    void stepOfferBackup();
    void stepTipOfTheDay();
    void stepDeadlineCheck();
    void stepShowDueNotes();

    // Closing
    bool confirmClose();
    void saveOnClose();
    void saveNotepads();
    void loadNotepads();

    void highlightSection(QToolButton* current);
    void setUpRegisters();
    QWidget* buildVehicleFilterPanel();
    // The pop-up menu of the register commands, each item following its
    // command button.
    void attachCommandMenu(QWidget* view);
    void wireFilterRow();
    void vehicleSelectorChanged();
    void monthYearChanged();
    void dateRangeChanged();
    // Whites the period filter in force (month and year, or the date range)
    // and greys the other.
    void markPeriodFilter(bool monthAndYear);
    void refreshVisibleRegister();
    void updateRegisterButtons();
    void notBuiltYet(const QString& what);

    bool m_usable = false;
    bool m_startSequencePending = true;
    bool m_sizeRestorePending = true;
    bool m_closingConfirmed = false;
    // A start that ends before a login writes nothing back: the first start's
    // hints and the stored filters must survive a cancelled login.
    bool m_endWithoutSaving = false;

    QStackedWidget* m_zakladki = nullptr;
    QHash<int, QToolButton*> m_sectionButtons; // by Section
    QHash<int, QStackedWidget*> m_innerPages;  // by Section
    QHash<int, QWidget*> m_startPages;         // by Section
    QHash<int, QWidget*> m_sectionPages;       // by Section
    QHash<int, QWidget*> m_registerPages;      // by RegisterId
    QHash<QString, QPushButton*> m_commandButtons;
    QHash<QString, QAction*> m_actions;
    QMultiHash<QString, QAction*> m_gridMenuActions; // by command button name
    QSet<QAction*> m_notBuilt;        // menu items of parts not available in this version
    QSet<QMenu*> m_notBuiltMenus;     // submenus of such parts
    QSet<QString> m_availableButtons; // register-column buttons of available parts
    QToolButton* m_currentSectionButton = nullptr;

    QPlainTextEdit* m_notepad = nullptr;   // podrecznyNotatnik
    QPlainTextEdit* m_orderText = nullptr; // rapZlecTresc
    QLabel* m_lFirma = nullptr;
    QLabel* m_lPojazd = nullptr;
    QLabel* m_lUzytkownik = nullptr;
    QComboBox* m_cbPojazd = nullptr;
    QComboBox* m_cbCurrentMonth = nullptr;
    QComboBox* m_cbCurrentYear = nullptr;
    DateField* m_filtrOd = nullptr;
    DateField* m_filtrDo = nullptr;
    QComboBox* m_statusFilter = nullptr;
    QComboBox* m_fleetFilter = nullptr;

    struct RegisterSlot {
        std::unique_ptr<RegisterController> controller;
        RegisterGrid* grid = nullptr;
        std::unique_ptr<RegisterModule> module;
    };
    std::map<int, RegisterSlot> m_registers; // by RegisterId
    std::unique_ptr<RegisterFilters> m_filters;
    QHash<QString, QToolButton*> m_registerButtons; // by objectName
    bool m_registersReady = false;
    bool m_applyingFilters = false;
    QLabel* m_statusDate = nullptr;
    QLabel* m_statusCompany = nullptr;
    QLabel* m_statusHint = nullptr;
    std::unique_ptr<GridLayoutStore> m_gridStorage;
};

} // namespace kv
