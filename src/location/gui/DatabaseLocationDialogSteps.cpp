// The window "Baza danych": what the step button does on each page. The checks
// and the work are the core's; here only the order of the questions and the
// page that follows.
#include "location/CompanyAdministration.h"
#include "location/DatabaseCreation.h"
#include "location/DatabaseSetup.h"
#include "location/InstallationCheck.h"
#include "location/gui/DatabaseLocationDialog.h"
#include "location/gui/DatabaseProblemGuide.h"
#include "location/gui/DirectoryChooser.h"
#include "support/UserInterface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kv {

namespace {

const QString kOpenPasswordMessage = QStringLiteral("Proszę podać hasło dostępu do bazy danych.");

bool askToReplace(const QString& what) {
    return ui().question(
        QStringLiteral("Pytanie"),
        QStringLiteral("Baza danych już istnieje. Czy chcesz %1? Obecna baza danych nie zostanie "
                       "fizycznie usunięta i w każdej chwili będzie można otworzyć ją ponownie.")
            .arg(what),
        DefaultAnswer::No);
}

} // namespace

void DatabaseLocationDialog::step() {
    switch (page()) {
    case MenuPage:
        stepFromMenu();
        break;
    case CreatePage:
        stepCreate();
        break;
    case OpenPage:
        stepOpen();
        break;
    case NewCompanyPage:
        stepNewCompany();
        break;
    case RenamePage:
        stepRename();
        break;
    case DeletePage:
        stepDelete();
        break;
    }
}

std::optional<QString> DatabaseLocationDialog::askPassword(const QString& location,
                                                           const QString& message,
                                                           bool ownDatabase) {
    return askDatabasePassword(location, message, [this, location, ownDatabase] {
        if (ownDatabase && passwordOpensLocation(location, currentDatabaseLocation().password)) {
            ui().information(QStringLiteral("Informacja"), kWrongDatabasePasswordText);
            return;
        }
        DatabaseProblemGuide problem(this, location);
        problem.exec();
    });
}

void DatabaseLocationDialog::stepFromMenu() {
    m_check = checkLocation(currentDatabaseLocation(), true);
    const bool usable = m_check == LocationCheck::Usable;
    m_menu->setEnabled(true);
    if (m_rbNowa->isChecked()) {
        if (usable && !askToReplace(QStringLiteral("stworzyć nową bazę")))
            return;
        showPage(CreatePage, QStringLiteral(" Z&ałóż >>"));
        return;
    }
    if (m_rbOtworz->isChecked()) {
        if (usable && !askToReplace(QStringLiteral("skojarzyć z programem inną bazę")))
            return;
        m_openChooser->setPath(usable ? QDir::toNativeSeparators(currentDatabaseLocation().location)
                                      : QStringLiteral("<brak bazy>"));
        showPage(OpenPage, QStringLiteral("&Otwórz >>"));
        return;
    }
    // The company choices need a database; it may have gone since the window
    // was shown.
    if (!usable) {
        showFirstPage();
        return;
    }
    if (m_rbNowaFirma->isChecked()) {
        m_nowaFirmaNazwa->setText(QStringLiteral("Podaj_tutaj_nazwe_firmy"));
        m_nowaFirmaKatalog->setText(QStringLiteral("Podaj_tutaj_nazwe_folderu"));
        showPage(NewCompanyPage, QStringLiteral("  Z&ałóż  "));
        m_nowaFirmaNazwa->setFocus();
        m_nowaFirmaNazwa->selectAll();
    } else if (m_rbZmienNazwe->isChecked()) {
        showPage(RenamePage, QStringLiteral("  Zm&ień  "));
        fillCompanyList(m_cbFirmy1, 325);
    } else if (m_rbUsunFirme->isChecked()) {
        showPage(DeletePage, QStringLiteral("  &Usuń     "));
        fillCompanyList(m_cbFirmy2, 326);
    }
}

bool DatabaseLocationDialog::fillCompanyList(QComboBox* list, qint64 failureCode) {
    list->clear();
    const DatabaseLocation& current = currentDatabaseLocation();
    const auto companies =
        CompanyAdministration(current.location, current.password).companies(failureCode);
    if (companies)
        for (const CompanyEntry& company : *companies)
            list->addItem(company.name, company.folder);
    list->setCurrentIndex(-1); // nothing chosen until the user chooses
    updateStepButton();
    return companies.has_value();
}

void DatabaseLocationDialog::newFolder() {
    const std::optional<QString> name =
        ui().prompt(QStringLiteral("Wprowadź nazwę podkatalogu"),
                    QStringLiteral("Nazwa podkatalogu"), QStringLiteral("Nowy katalog"), false);
    if (!name)
        return;
    const QString made = createSubfolder(m_createChooser->treeDirectory(), *name);
    if (!made.isEmpty())
        m_createChooser->setTreeDirectory(made);
}

void DatabaseLocationDialog::stepCreate() {
    // Neither the password nor the "Pojazdy_DB" folder for a database that an
    // incomplete installation cannot make.
    if (!checkInstallation(CreationMode::NewDatabase, m_cbDEMO->isChecked()))
        return;
    const std::optional<QString> password = askNewDatabasePassword();
    if (!password)
        return;
    const QString folder = databaseFolderBelow(m_createChooser->treeDirectory());
    if (folder.isEmpty())
        return;
    m_createChooser->setTreeDirectory(folder);
    const QString typed = m_createChooser->path();
    const QString target = QFileInfo(typed).isDir() ? typed : m_createChooser->treeDirectory();
    const bool withDemo = m_cbDEMO->isChecked();
    switch (createDatabase(target, withDemo, *password)) {
    case SetupResult::Done:
        break;
    case SetupResult::Failed:
        showFirstPage();
        return;
    default:
        return;
    }
    if (withDemo) {
        accept();
        return;
    }
    // An empty database: straight on to its first company, without asking for
    // the password just given.
    showFirstPage();
    m_rbNowaFirma->setChecked(true);
    m_rememberedPassword = *password;
    stepFromMenu();
}

void DatabaseLocationDialog::stepOpen() {
    const QString directory = m_openChooser->path();
    if (!isDatabaseDirectory(directory))
        return;
    const std::optional<QString> password = askPassword(directory, kOpenPasswordMessage);
    if (!password || selectDatabase(directory, *password) != SetupResult::Done)
        return;
    if (m_startupMode)
        accept();
    else
        showFirstPage();
}

void DatabaseLocationDialog::stepNewCompany() {
    const QString name = m_nowaFirmaNazwa->text();
    const QString folder = m_nowaFirmaKatalog->text();
    if (!CompanyAdministration::checkNewCompany(name, folder)) {
        forgetPassword();
        return;
    }
    const QString location = currentDatabaseLocation().location;
    std::optional<QString> password = m_rememberedPassword;
    if (m_rememberedPassword.isEmpty())
        password = askPassword(location,
                               QStringLiteral("W celu dodania nowej firmy proszę podać hasło "
                                              "dostępu do bazy danych."),
                               true);
    forgetPassword();
    if (!password)
        return;
    switch (CompanyAdministration(location, *password).addCompany(name, folder)) {
    case SetupResult::Done:
        if (m_startupMode) {
            accept();
            return;
        }
        showFirstPage();
        return;
    case SetupResult::Failed:
        showFirstPage();
        return;
    default:
        return; // refused: the page stays for another name
    }
}

void DatabaseLocationDialog::stepRename() {
    if (m_cbFirmy1->currentIndex() < 0 || !confirmCompanyRename())
        return;
    const QString newName = m_zmienFirmaNazwa->text();
    if (!CompanyAdministration::checkNewName(newName))
        return;
    const QString location = currentDatabaseLocation().location;
    const std::optional<QString> password = askPassword(location, kOpenPasswordMessage, true);
    if (!password)
        return;
    if (CompanyAdministration(location, *password)
            .renameCompany(m_cbFirmy1->currentText(), newName) == SetupResult::Done)
        showFirstPage();
}

void DatabaseLocationDialog::stepDelete() {
    if (m_cbFirmy2->currentIndex() < 0 || !confirmCompanyDeletion())
        return;
    const QString location = currentDatabaseLocation().location;
    const std::optional<QString> password = askPassword(location, kOpenPasswordMessage, true);
    if (!password)
        return;
    if (CompanyAdministration(location, *password).deleteCompany(m_cbFirmy2->currentText()) ==
        SetupResult::Done)
        showFirstPage();
}

} // namespace kv
