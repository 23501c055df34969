#include "app/MainWindow.h"

#include "app/CommandRow.h"
#include "app/FilterRow.h"
#include "app/MainMenu.h"
#include "app/ModuleFactories.h"
#include "app/Notepads.h"
#include "framework/HandOver.h"
#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "framework/gui/RegisterGrid.h"
#include "framework/gui/RegisterModule.h"
#include "framework/gui/RegisterSheetCommands.h"
#include "location/DatabaseLocation.h"
#include "location/gui/FirstStartGuide.h"
#include "options/gui/OptionsDialog.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/ProgramOptions.h"
#include "storage/RunEnvironment.h"
#include "storage/SettingsPaths.h"
#include "storage/TableMaintenance.h"
#include "support/GridLayoutStore.h"
#include "support/ProgramVersion.h"
#include "support/UserInterface.h"
#include "support/gui/OpenExternally.h"
#include "support/gui/dialogs/DialogUserInterface.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace kv {

MainWindow::MainWindow(const QStringList& arguments, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("fMain"));
    setWindowTitle(QStringLiteral("Karvento"));
    m_usable = formCreate(arguments);
    if (!m_usable)
        return;
    buildWindow();
    // Smaller than this the filter row and the command buttons overlap; a
    // stored smaller size grows to it.
    setMinimumSize(1000, 600);
    resize(1000, 700);
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

MainWindow::~MainWindow() {
    // The modules' windows go first, while the data module is still there.
    handOverShowRegister() = {};
    m_registers.clear();
    m_programModules.clear();
    // The end of the run: the engine session closes, then the temporary
    // directories go (those of other running copies stay).
    if (DataModule* db = DataModule::current())
        db->disconnect();
    releaseRunTemporaryDirectory();
    removeTemporaryDirectories();
}

bool MainWindow::claimSingleInstance(const QStringList& arguments) {
    const bool multiRun = arguments.size() > 1 && arguments.at(1) == kMultiRunArgument;
    if (!multiRun && !acquireSingleInstance()) {
        QMessageBox::information(nullptr, QStringLiteral("Informacja"),
                                 QStringLiteral("Karvento jest już uruchomiony!"));
        return false;
    }
    return true;
}

bool MainWindow::formCreate(const QStringList& arguments) {
    if (!claimSingleInstance(arguments))
        return false;
    m_startSequencePending = true;
    m_sizeRestorePending = true;

    currentDatabaseLocation() = readLocationAndPassword();
    if (!currentDatabaseLocation().location.isEmpty())
        deleteLockFiles(currentDatabaseLocation().location);
    runStartStamp();

    const EngineStart engine = startEngineSession();
    if (!engine.ok) {
        QMessageBox::critical(nullptr, QStringLiteral("Karvento"), engine.message);
        appendErrorLog(codedLine(engine.logCode, engine.engineMessage));
        m_startSequencePending = false;
        return false;
    }
    configureEngineSharing();
    return true;
}

void MainWindow::buildWindow() {
    m_sections = new SectionPages(sectionCommands(), this);
    m_commands = new CommandRow;
    m_filterRow = new FilterRow;
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_sections->sectionBar());
    layout->addWidget(m_sections->pages(), 1);
    layout->addWidget(m_commands);
    layout->addWidget(m_filterRow);
    setCentralWidget(central);
    buildStatusBar();
    buildMenus();
    m_notepads = std::make_unique<Notepads>(m_sections->notepad(), m_sections->orderText(),
                                            findChild<QWidget*>(QStringLiteral("lNotatnik")));

    connect(m_sections, &SectionPages::sectionClicked, this, [this](Section section) {
        // The vehicle register is a section of its own.
        if (section == Section::Vehicles && isRegisterAvailable(RegisterId::Vehicles))
            openRegister(RegisterId::Vehicles);
        else
            openSection(section);
    });
    connect(m_sections, &SectionPages::registerClicked, this, &MainWindow::openRegister);
    connect(m_sections, &SectionPages::commandClicked, this, &MainWindow::runSectionCommand);
    connect(m_filterRow, &FilterRow::filtersChanged, this, &MainWindow::refreshVisibleRegister);
    connect(m_filterRow, &FilterRow::filtersChanged, this, [this] {
        for (const auto& module : m_programModules)
            module->filtersChanged();
    });
    const auto click = [this](const char* name, auto slot) {
        connect(m_commands->button(QLatin1String(name)), &QPushButton::clicked, this, slot);
    };
    click("SBDodaj", [this] { commandAdd(false); });
    click("SBKopiuj", [this] { commandAdd(true); });
    click("SBEdytuj", [this] { commandEdit(); });
    click("SBUsun", [this] { commandDelete(); });
    click("SBPodglad", [this] { commandPreview(); });
    click("SBDrukuj", [this] { commandPrint(); });
    m_sheetCommands = new RegisterSheetCommands(this, [this]() -> RegisterGrid* {
        const std::optional<RegisterId> id = visibleRegister();
        return id ? m_registers[static_cast<int>(*id)].grid : nullptr;
    });
    click("SBcsv", [this] { commandExport(); });
    click("SBSzukaj", [this] { commandSearch(); });
    click("SBSuma", [this] { commandSums(); });
    openSection(Section::Start);
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(true);
    m_statusDate = new QLabel;
    m_statusDate->setObjectName(QStringLiteral("statusDate"));
    m_statusDate->setMinimumWidth(70);
    m_statusDate->setAlignment(Qt::AlignCenter);
    m_statusCompany = new QLabel;
    m_statusCompany->setObjectName(QStringLiteral("statusCompany"));
    m_statusCompany->setMinimumWidth(150);
    m_statusHint = new QLabel;
    m_statusHint->setObjectName(QStringLiteral("statusHint"));
    m_statusHint->setMinimumWidth(50);
    bar->addWidget(m_statusDate);
    bar->addWidget(m_statusCompany);
    bar->addWidget(m_statusHint, 1);
}

void MainWindow::buildMenus() {
    MainMenu::Handlers h;
    h.options = [this] {
        OptionsDialog::edit(this);
        openSection(Section::Start);
    };
    h.logOut = [this] { logOut(); };
    h.quit = [this] { close(); };
    h.startPage = [this] { openSection(Section::Start); };
    h.restoreWidths = [this] {
        if (m_gridStorage)
            m_gridStorage->restoreDefaults();
    };
    h.administerUsers = [this] { administerUsers(); };
    h.help = [] { openDocumentation(FirstStartGuide::kManualFile); };
    h.support = [] {
        openExternally(
            QUrl(QStringLiteral("mailto:pomoc@karvento.pl?subject=Karvento%20") + programVersion() +
                 QStringLiteral("%20-%20pomoc%20techniczna"
                                "&body=Opisz%20problem,%20podaj%20system%20operacyjny,%20tresc%20"
                                "komunikatow%20o%20bledzie,%20zrzuty%20ekranu.")));
    };
    h.errorLog = [this] { openErrorLog(); };
    h.about = [this] {
        QMessageBox::about(this, QStringLiteral("O programie"),
                           QStringLiteral("<h3>Karvento</h3><p>Wersja %1</p>"
                                          "<p>Ewidencja pojazdów firmy: przejazdy, kilometrówka, "
                                          "paliwo, koszty, terminy i raporty.</p>")
                               .arg(programVersion()));
    };
    h.openRegister = [this](RegisterId id) { openRegister(id); };
    h.sectionCommand = [this](const QString& button) { runSectionCommand(button); };
    m_menu = new MainMenu(menuBar(), *m_commands, sectionCommands(), std::move(h), this);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_startSequencePending)
        QTimer::singleShot(0, this, &MainWindow::runStartSequence);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (m_sizeRestorePending)
        return;
    programOptions().mainWinWidth = width();
    programOptions().mainWinHeight = height();
    saveProgramOptions();
}

bool MainWindow::event(QEvent* event) {
    // The long hint of the control under the mouse goes to the third panel.
    if (event->type() == QEvent::StatusTip) {
        if (m_statusHint)
            m_statusHint->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_closingConfirmed && !confirmClose()) {
        event->ignore();
        return;
    }
    if (!m_endWithoutSaving)
        saveOnClose();
    // From here on the program is ending: failures are logged, not shown.
    if (DialogUserInterface* dialogs = DialogUserInterface::instance())
        dialogs->setTerminating(true);
    event->accept();
}

bool MainWindow::confirmClose() {
    if (!programOptions().pytajPrzedZamknieciem)
        return true;
    return ui().question(QStringLiteral("Pytanie"),
                         QStringLiteral("Czy zakończyć pracę i zamknąć program?"));
}

void MainWindow::saveOnClose() {
    for (const auto& module : m_programModules)
        module->beforeLogout();
    saveProgramOptions();
    if (m_gridStorage)
        m_gridStorage->save();
    m_notepads->save();
}

void MainWindow::openErrorLog() {
    writeLogViewerLines(currentDatabaseLocation().location);
    if (!QFileInfo::exists(errorLogPath()))
        ui().information(QStringLiteral("Informacja"), QStringLiteral("Log błędów jest pusty."));
    else
        openFileExternally(errorLogPath());
}

void MainWindow::setCommandState(bool viewAllowed, bool editAllowed) {
    m_commandState = {viewAllowed, editAllowed, true};
    updateCommandState();
}

void MainWindow::updateCommandState() {
    CommandState state = m_commandState;
    if (const std::optional<RegisterId> id = visibleRegister())
        state.hasRows = m_registers[static_cast<int>(*id)].grid->controller().rowCount() > 0;
    m_commands->setCommandState(state);
}

void MainWindow::openSection(Section section) {
    m_sections->showSection(section);
    setCommandState(false, false);
    for (const auto& module : m_programModules)
        module->sectionOpened(section);
}

void MainWindow::setSectionContent(Section section, QWidget* content) {
    m_sections->setSectionContent(section, content);
}

QMenu* MainWindow::viewSubmenu(const QString& title) {
    return m_menu->viewSubmenu(title);
}

void MainWindow::monthYearFilter(bool& active, int& year, int& month) const {
    m_filterRow->monthYear(active, year, month);
}

void MainWindow::logOut() {
    m_sheetCommands->hideFindWindow();
    for (const auto& module : m_programModules)
        module->beforeLogout();
    m_notepads->loggedOut();
    m_startSequencePending = true;
    openSection(Section::Start);
    hide();
    show();
}

} // namespace kv
