#include "app/MainWindow.h"

#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "framework/gui/RegisterModule.h"
#include "location/DatabaseLocation.h"
#include "options/ProgramOptions.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/RunEnvironment.h"
#include "storage/SettingsPaths.h"
#include "storage/TableMaintenance.h"
#include "support/GridLayoutStore.h"
#include "support/UserInterface.h"
#include "support/gui/OpenExternally.h"
#include "support/gui/dialogs/DialogUserInterface.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

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
    saveProgramOptions();
    if (m_gridStorage)
        m_gridStorage->save();
    saveNotepads();
}

void MainWindow::openErrorLog() {
    writeLogViewerLines(currentDatabaseLocation().location);
    if (!QFileInfo::exists(errorLogPath()))
        ui().information(QStringLiteral("Informacja"), QStringLiteral("Log błędów jest pusty."));
    else
        openFileExternally(errorLogPath());
}

void MainWindow::setCommandState(bool viewAllowed, bool editAllowed) {
    const bool edit = viewAllowed && editAllowed;
    // Commands of parts not available yet stay disabled.
    static const QStringList unavailable{QStringLiteral("SBcsv"), QStringLiteral("SBDrukuj"),
                                         QStringLiteral("SBSzukaj")};
    auto set = [&](const char* name, bool enabled) {
        const QString key = QLatin1String(name);
        enabled = enabled && !unavailable.contains(key);
        if (QPushButton* b = m_commandButtons.value(key))
            b->setEnabled(enabled);
        for (QAction* a : m_gridMenuActions.values(key))
            a->setEnabled(enabled);
    };
    for (const char* name : {"SBPodglad", "SBcsv", "SBDrukuj", "SBSzukaj"})
        set(name, viewAllowed);
    for (const char* name : {"SBDodaj", "SBEdytuj", "SBUsun", "SBKopiuj"})
        set(name, edit);
    const QHash<QString, QString> menuToButton{
        {QStringLiteral("Szukaj"), QStringLiteral("SBSzukaj")},
        {QStringLiteral("Podglad"), QStringLiteral("SBPodglad")},
        {QStringLiteral("ZapiszCSV"), QStringLiteral("SBcsv")},
        {QStringLiteral("Drukuj"), QStringLiteral("SBDrukuj")},
        {QStringLiteral("Dodaj"), QStringLiteral("SBDodaj")},
        {QStringLiteral("Edytuj"), QStringLiteral("SBEdytuj")},
        {QStringLiteral("Kasuj"), QStringLiteral("SBUsun")},
        {QStringLiteral("Kopiuj"), QStringLiteral("SBKopiuj")}};
    for (auto it = menuToButton.cbegin(); it != menuToButton.cend(); ++it)
        if (QAction* a = m_actions.value(it.key()))
            a->setEnabled(m_commandButtons.value(it.value())->isEnabled());
}

void MainWindow::highlightSection(QToolButton* current) {
    m_currentSectionButton = current;
    for (QToolButton* b : std::as_const(m_sectionButtons))
        b->setChecked(b == current);
}

void MainWindow::openSection(Section section) {
    highlightSection(m_sectionButtons.value(static_cast<int>(section)));
    // A section opens on its start page: no register button stays pressed.
    highlightButton(QString());
    if (QWidget* page = m_sectionPages.value(static_cast<int>(section)))
        m_zakladki->setCurrentWidget(page);
    if (QStackedWidget* inner = m_innerPages.value(static_cast<int>(section)))
        inner->setCurrentWidget(m_startPages.value(static_cast<int>(section)));
    setCommandState(false, false);
}

void MainWindow::notBuiltYet(const QString& what) {
    ui().information(
        QStringLiteral("Informacja"),
        QStringLiteral("Ta funkcja programu nie jest jeszcze dostępna: %1.").arg(what));
}

void MainWindow::logOut() {
    saveNotepads();
    m_startSequencePending = true;
    openSection(Section::Start);
    hide();
    show();
}

} // namespace kv
