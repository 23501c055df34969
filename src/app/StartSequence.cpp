// The start sequence (when the window is shown after creation or a log-out)
// and the welcome steps (after its first paint). Steps that belong to other
// parts of the program run through one named method each.
#include "app/MainWindow.h"

#include "fleet/CompanyData.h"
#include "framework/RegisterController.h"
#include "framework/gui/RegisterGrid.h"
#include "framework/gui/RegisterModule.h"
#include "location/BackupPrompt.h"
#include "location/DatabaseLocation.h"
#include "location/gui/DatabaseLocationDialog.h"
#include "location/gui/DatabaseProblemGuide.h"
#include "location/gui/FirstStartGuide.h"
#include "options/ProgramOptions.h"
#include "schema/upgrades/SchemaUpgrade.h"
#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/SettingsPaths.h"
#include "storage/engine/DatabaseError.h"
#include "storage/engine/EngineSession.h"
#include "support/Clock.h"
#include "support/DateNumbers.h"
#include "support/GridLayoutStore.h"
#include "support/UserInterface.h"
#include "support/gui/DateField.h"
#include "support/gui/TableViewGridAdapter.h"
#include "users/PermissionLoading.h"
#include "users/Permissions.h"
#include "users/gui/LoginDialog.h"
#include "users/gui/UsersWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTimer>

namespace kv {

namespace {
const QString kNotepadDefault = QStringLiteral("Tutaj możesz zapisywać dowolne dotatki, które będą "
                                               "dostępne po ponownym uruchomieniu programu");
} // namespace

void MainWindow::loadNotepads() {
    QFile order(settingsFile(QStringLiteral("trescZlecenia.txt")));
    m_orderText->clear();
    if (order.open(QIODevice::ReadOnly))
        m_orderText->setPlainText(QString::fromUtf8(order.readAll()));
    QFile notepad(settingsFile(QStringLiteral("podrecznyNotatnik.txt")));
    if (!notepad.exists())
        m_notepad->setPlainText(kNotepadDefault);
    else if (notepad.open(QIODevice::ReadOnly))
        m_notepad->setPlainText(QString::fromUtf8(notepad.readAll()));
}

void MainWindow::saveNotepads() {
    if (QFile f(settingsFile(QStringLiteral("trescZlecenia.txt"))); f.open(QIODevice::WriteOnly))
        f.write(m_orderText->toPlainText().toUtf8());
    if (QFile f(settingsFile(QStringLiteral("podrecznyNotatnik.txt")));
        f.open(QIODevice::WriteOnly))
        f.write(m_notepad->toPlainText().toUtf8());
}

void MainWindow::runStartSequence() {
    if (!m_startSequencePending)
        return;
    // Grid layouts, the two notepads and the options.
    // The widths the grids have now are the defaults that "restore default
    // widths" returns to; the stored widths replace them.
    setUpRegisters();
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
    loadNotepads();
    loadProgramOptions();
    if (programOptions().mainWinWidth >= 0)
        resize(programOptions().mainWinWidth, programOptions().mainWinHeight);
    m_sizeRestorePending = false;

    DataModule* db = DataModule::current();
    db->switchFuelTables(false);
    db->filters().selectedVehicleId = 0;
    db->filters().selectedVehicleNr.clear();

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
    stepRunUpgrades();

    const LoginState& login = currentLogin();
    m_lUzytkownik->setText(login.userName + QStringLiteral(", ") + login.userDescription);

    // Filters start from the year and month lists; the date range is greyed.
    markPeriodFilter(true);
    m_filtrOd->setText(QString());
    m_filtrDo->setText(QString());
    {
        // The remembered vehicle is chosen again later; clearing the list's
        // choice here must not overwrite it.
        const QSignalBlocker quiet(m_cbPojazd);
        m_cbPojazd->setCurrentIndex(-1);
    }

    openSection(Section::Start);
    m_statusDate->setText(dateToText(Clock::today()));
    m_statusCompany->setText(login.companyName);
    stepPrepareFilters();
    stepLoadReminderNotes();
    stepShowCompanyHeader();

    // The welcome steps run once the window has painted.
    QTimer::singleShot(0, this, &MainWindow::runWelcomeSteps);
}

void MainWindow::runWelcomeSteps() {
    if (!m_startSequencePending)
        return;
    setWindowTitle(QStringLiteral("Karvento   v3.0"));
    m_startSequencePending = false;
    stepApplyPermissions();
    stepOfferBackup();
    stepTipOfTheDay();
    if (currentLogin().permissions.has(permission::DeadlineCheck))
        stepDeadlineCheck();
    if (currentLogin().permissions.has(permission::Notepad) && programOptions().sprawdzajNotatki)
        stepShowDueNotes();
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

void MainWindow::stepRunUpgrades() {
    runSchemaUpgrades(*DataModule::current());
}

void MainWindow::stepPrepareFilters() {
    const ProgramOptions& o = programOptions();
    m_cbCurrentYear->clear();
    m_cbCurrentYear->addItem(QStringLiteral("(Wszystkie)"));
    for (int y = o.filtrRokOd; y <= o.filtrRokDo; ++y)
        m_cbCurrentYear->addItem(QString::number(y));
    const bool stored = o.CBCurrentYear >= 0 && o.CBCurrentMonth >= 0;
    m_cbCurrentMonth->setCurrentIndex(
        stored && o.CBCurrentMonth < m_cbCurrentMonth->count() ? o.CBCurrentMonth : 0);
    // Every start shows all years, whatever was chosen the last time.
    m_cbCurrentYear->setCurrentIndex(0);
    monthYearChanged();

    const QString rememberedVehicle = o.CBPojazd;
    fillVehicleSelector(true);
    const int index = m_cbPojazd->findText(rememberedVehicle, Qt::MatchExactly);
    if (!rememberedVehicle.isEmpty() && index > 0)
        m_cbPojazd->setCurrentIndex(index); // runs the selector's change
}

void MainWindow::stepLoadReminderNotes() {}

void MainWindow::stepShowCompanyHeader() {
    const QString name = readCompanyHeaderName(*DataModule::current());
    m_lFirma->setToolTip(name);
    m_lFirma->setText(
        m_lFirma->fontMetrics().elidedText(name, Qt::ElideRight, m_lFirma->maximumWidth()));
}

void MainWindow::stepApplyPermissions() {
    loadPermissions(*DataModule::current());
    applyPermissions();
}
void MainWindow::stepOfferBackup() {
    offerBackup(*DataModule::current());
}
void MainWindow::stepTipOfTheDay() {
    // The tip window comes with the notes; what follows it stays: the options
    // are saved, so the login just made (its company, the end of the first
    // start's hints) is kept even if the program never closes normally.
    saveProgramOptions();
}
void MainWindow::stepDeadlineCheck() {}
void MainWindow::stepShowDueNotes() {}

} // namespace kv
