// The start sequence (when the window is shown after creation or a log-out)
// and the welcome steps (after its first paint).
#include "app/MainWindow.h"

#include "app/FilterRow.h"
#include "app/Notepads.h"
#include "fleet/CompanyData.h"
#include "framework/gui/RegisterGrid.h"
#include "framework/gui/RegisterModule.h"
#include "location/BackupPrompt.h"
#include "location/DatabaseLocation.h"
#include "location/gui/DatabaseLocationDialog.h"
#include "location/gui/DatabaseProblemGuide.h"
#include "location/gui/FirstStartGuide.h"
#include "schema/upgrades/SchemaUpgrade.h"
#include "storage/DataModule.h"
#include "storage/ProgramOptions.h"
#include "storage/SettingsPaths.h"
#include "storage/engine/EngineSession.h"
#include "support/Clock.h"
#include "support/DateNumbers.h"
#include "support/GridLayoutStore.h"
#include "support/UserInterface.h"
#include "support/WindowPlacement.h"
#include "support/gui/TableViewGridAdapter.h"
#include "users/PermissionLoading.h"
#include "users/Permissions.h"
#include "users/gui/LoginDialog.h"
#include "users/gui/UsersWindow.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace kv {

void MainWindow::runStartSequence() {
    if (!m_startSequencePending)
        return;
    // Grid layouts and the options. The widths the grids have now are the
    // defaults that "restore default widths" returns to; the stored widths
    // replace them.
    setUpModules();
    m_gridStorage = std::make_unique<GridLayoutStore>(optionsFilePath());
    for (const auto& [id, slot] : m_registers)
        if (slot.grid)
            m_gridStorage->registerDataGrid(
                std::make_unique<TableViewGridAdapter>(slot.grid->view()),
                registerDescriptor(static_cast<RegisterId>(id)).grid);
    m_gridStorage->registerDataGrid(
        std::make_unique<TableViewGridAdapter>(UsersWindow::instanceFor(this)->grid()),
        QStringLiteral("UserzyGRID"));
    m_gridStorage->load();
    loadProgramOptions();
    restoreGeometry();
    m_sizeRestorePending = false;

    DataModule* db = DataModule::current();
    db->switchAlternateTables(false);
    engine::EngineSession::defaultSession().removeAllPasswords();
    db->closeAllQueries();

    if (!stepCheckLocation() || !stepLogin()) {
        m_startSequencePending = false;
        m_closingConfirmed = true;
        m_endWithoutSaving = true;
        QTimer::singleShot(0, qApp, &QApplication::quit);
        return;
    }
    programOptions().cbFirstLog = false;
    runSchemaUpgrades(*db);

    const LoginState& login = currentLogin();
    m_filterRow->setUser(login.userName + QStringLiteral(", ") + login.userDescription);
    m_filterRow->clearForLogin();
    openSection(Section::Start);
    m_statusDate->setText(dateToText(Clock::today()));
    m_statusCompany->setText(login.companyName);
    m_filterRow->prepare();
    stepShowCompanyHeader();
    for (const auto& module : m_programModules)
        module->afterLogin();

    // The welcome steps run once the window has painted.
    QTimer::singleShot(0, this, &MainWindow::runWelcomeSteps);
}

void MainWindow::restoreGeometry() {
    const ProgramOptions& o = programOptions();
    if (o.mainWinWidth < 0)
        return;
    resize(QSize(o.mainWinWidth, o.mainWinHeight).expandedTo(minimumSize()));
    if (!screen())
        return;
    // The frame adds the title bar and borders to the stored size.
    const QRect frame = frameGeometry();
    const QRect placed = placeWithin(frame, screen()->availableGeometry());
    if (placed == frame)
        return;
    resize(size() - (frame.size() - placed.size()));
    move(placed.topLeft());
}

void MainWindow::runWelcomeSteps() {
    if (!m_startSequencePending)
        return;
    setWindowTitle(QStringLiteral("Karvento   v3.0"));
    m_startSequencePending = false;
    DataModule& db = *DataModule::current();
    loadPermissions(db);
    applyPermissions();
    const PermissionSet& p = currentLogin().permissions;
    m_notepads->loggedIn(p.has(permission::Notepad));
    offerBackup(db, p.has(permission::Administrator));
    // The login just made (its company, the end of the first start's hints)
    // is kept even if the program never closes normally.
    saveProgramOptions();
    for (const auto& module : m_programModules)
        module->welcome();
    emit ready();
}

bool MainWindow::stepCheckLocation() {
    LocationCheck result = checkLocation(currentDatabaseLocation());
    if (result != LocationCheck::Usable) {
        // First run (no database yet) gets the guide; a database that does not
        // open gets the explanation of what may be wrong. Then the user
        // creates or points to a database.
        if (result == LocationCheck::Missing)
            FirstStartGuide(this).exec();
        else
            DatabaseProblemGuide(this, currentDatabaseLocation().location).exec();
        DatabaseLocationDialog::run(true, this);
        result = checkLocation(currentDatabaseLocation());
    }
    if (result == LocationCheck::Usable) {
        engine::EngineSession::defaultSession().addPassword(currentDatabaseLocation().password);
        DataModule::current()->setLocation(currentDatabaseLocation().location);
        return true;
    }
    ui().information(QStringLiteral("Informacja"),
                     QStringLiteral("Nie udało się określić lokalizacji i hasła bazy danych. "
                                    "Program zostanie zamknięty."));
    return false;
}

bool MainWindow::stepLogin() {
    LoginDialog::setDatabaseWindowHook(
        [](QWidget* parent) { DatabaseLocationDialog::run(false, parent); });
    return LoginDialog::run(this) == LoginDialog::Result::Accepted;
}

void MainWindow::stepShowCompanyHeader() {
    m_filterRow->setCompany(readCompanyHeaderName(*DataModule::current()));
}

} // namespace kv
