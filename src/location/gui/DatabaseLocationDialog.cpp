// The window "Baza danych": its pages and the moves between them. What the
// step button does on each page is in TfWskazBazeSteps.cpp.
#include "location/gui/DatabaseLocationDialog.h"

#include "location/CompanyAdministration.h"
#include "location/DatabaseCreation.h"
#include "location/gui/DirectoryChooser.h"
#include "location/gui/FirstStartGuide.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace kv {

namespace {

QLabel* explanation(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* nameField(const QString& name, bool readOnly = false) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setMaxLength(50);
    field->setReadOnly(readOnly);
    return field;
}

} // namespace

DatabaseLocationDialog::DatabaseLocationDialog(QWidget* parent)
    : QDialog(parent), m_pages(new QStackedWidget(this)),
      m_dalej(new QPushButton(QStringLiteral("  &Dalej   >>  "), this)),
      m_logowanie(new QPushButton(QStringLiteral("&Logowanie"), this)),
      m_menu(new QPushButton(QStringLiteral("<<  &Menu   "), this)) {
    setObjectName(QStringLiteral("TfWskazBaze"));
    setWindowTitle(QStringLiteral("Baza danych"));
    m_dalej->setObjectName(QStringLiteral("dalej"));
    m_logowanie->setObjectName(QStringLiteral("logowanie"));
    m_menu->setObjectName(QStringLiteral("menu"));
    m_dalej->setDefault(true);
    m_logowanie->setAutoDefault(false);
    m_menu->setAutoDefault(false);

    m_pages->addWidget(buildMenuPage());
    m_pages->addWidget(buildCreatePage());
    m_pages->addWidget(buildOpenPage());
    m_pages->addWidget(buildNewCompanyPage());
    m_pages->addWidget(buildRenamePage());
    m_pages->addWidget(buildDeletePage());

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_menu);
    buttons->addStretch(1);
    buttons->addWidget(m_logowanie);
    buttons->addWidget(m_dalej);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);

    connect(m_dalej, &QPushButton::clicked, this, &DatabaseLocationDialog::step);
    connect(m_logowanie, &QPushButton::clicked, this, [this] {
        forgetPassword();
        accept();
    });
    connect(m_menu, &QPushButton::clicked, this, &DatabaseLocationDialog::showFirstPage);
    resize(720, 560);
    showFirstPage();
}

bool DatabaseLocationDialog::run(bool startupMode, QWidget* parent) {
    DatabaseLocationDialog window(parent);
    return window.showModal(startupMode);
}

bool DatabaseLocationDialog::showModal(bool startupMode) {
    m_startupMode = startupMode;
    showFirstPage();
    exec();
    m_startupMode = false;
    forgetPassword();
    return checkLocation(currentDatabaseLocation(), true) == LocationCheck::Usable;
}

DatabaseLocationDialog::Page DatabaseLocationDialog::page() const {
    return static_cast<Page>(m_pages->currentIndex());
}

QWidget* DatabaseLocationDialog::pageFrame(const QString& title, const QString& name) {
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* heading = new QLabel(title, page);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    heading->setFont(font);
    auto* help = new QPushButton(QStringLiteral("Pomoc (F1)"), page);
    help->setObjectName(QStringLiteral("pomoc"));
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, &DatabaseLocationDialog::showHelp);
    auto* header = new QHBoxLayout;
    header->addWidget(heading, 1);
    header->addWidget(help);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(header);
    return page;
}

QWidget* DatabaseLocationDialog::buildMenuPage() {
    QWidget* page =
        pageFrame(QStringLiteral("Baza danych programu Karvento"), QStringLiteral("wybor"));
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    auto* current = new QGroupBox(QStringLiteral("Obecna baza danych"), page);
    m_lokalizacja2 = new QLabel(current);
    m_lokalizacja2->setObjectName(QStringLiteral("lokalizacja2"));
    m_lokalizacja2->setTextFormat(Qt::PlainText);
    m_lokalizacja2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = m_lokalizacja2->font();
    bold.setBold(true);
    m_lokalizacja2->setFont(bold);
    m_infoBrakBazy = new QLabel(current);
    m_infoBrakBazy->setObjectName(QStringLiteral("infoBrakBazy"));
    m_infoBrakBazy->setWordWrap(true);
    auto* currentLayout = new QVBoxLayout(current);
    currentLayout->addWidget(m_lokalizacja2);
    currentLayout->addWidget(m_infoBrakBazy);
    layout->addWidget(current);

    auto* choices = new QGroupBox(QStringLiteral("Co chcesz zrobić?"), page);
    auto* choicesLayout = new QVBoxLayout(choices);
    const auto radio = [&](const QString& name, const QString& text) {
        auto* button = new QRadioButton(text, choices);
        button->setObjectName(name);
        choicesLayout->addWidget(button);
        return button;
    };
    m_rbNowa = radio(QStringLiteral("rbNowa"), QStringLiteral("Stwórz nową bazę danych"));
    m_rbOtworz = radio(QStringLiteral("rbOtworz"),
                       QStringLiteral("Wskaż lokalizację istniejącej bazy danych"));
    m_rbNowaFirma = radio(QStringLiteral("rbNowaFirma"), QStringLiteral("Dodaj nową firmę"));
    m_rbZmienNazwe =
        radio(QStringLiteral("rbZmienNazwe"), QStringLiteral("Zmień krótką nazwę firmy"));
    m_rbUsunFirme = radio(QStringLiteral("rbUsunFirme"), QStringLiteral("Usuń istniejącą firmę"));
    layout->addWidget(choices);
    layout->addStretch(1);
    return page;
}

QWidget* DatabaseLocationDialog::buildCreatePage() {
    QWidget* page = pageFrame(QStringLiteral("Nowa baza danych"), QStringLiteral("nowa"));
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    layout->addWidget(explanation(QStringLiteral(
        "Wskaż folder, w którym ma powstać nowa baza danych. Program założy w nim podfolder "
        "„Pojazdy_DB” (chyba że wskażesz folder o tej nazwie) i tam zapisze bazę. Aby z bazy "
        "mogło korzystać kilka komputerów, wskaż folder udostępniony w sieci.")));
    m_createChooser =
        new DirectoryChooser(QStringLiteral("DBDir"), QStringLiteral("lokalizacjaCreate"), page);
    auto* newFolder = new QPushButton(QStringLiteral("Nowy folder"), page);
    newFolder->setObjectName(QStringLiteral("nowyFolder"));
    newFolder->setAutoDefault(false);
    m_createChooser->buttonRow()->addWidget(newFolder);
    m_createChooser->buttonRow()->addStretch(1);
    layout->addWidget(m_createChooser, 1);
    m_cbDEMO = new QCheckBox(QStringLiteral("Dołącz do bazy dane demonstracyjne"), page);
    m_cbDEMO->setObjectName(QStringLiteral("cbDEMO"));
    layout->addWidget(m_cbDEMO);
    connect(newFolder, &QPushButton::clicked, this, &DatabaseLocationDialog::newFolder);
    connect(m_createChooser, &DirectoryChooser::pathChanged, this,
            &DatabaseLocationDialog::updateStepButton);
    return page;
}

QWidget* DatabaseLocationDialog::buildOpenPage() {
    QWidget* page = pageFrame(QStringLiteral("Istniejąca baza danych"), QStringLiteral("otworz"));
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    layout->addWidget(explanation(QStringLiteral(
        "Wskaż folder, w którym znajduje się baza danych, czyli folder z plikiem firmy.DB "
        "i podfolderami firm, np. „/srv/Baza_kv/”, a nie „/srv/Baza_kv/Moja_firma/”.")));
    m_openChooser =
        new DirectoryChooser(QStringLiteral("eDBDir"), QStringLiteral("lokalizacja"), page);
    layout->addWidget(m_openChooser, 1);
    connect(m_openChooser, &DirectoryChooser::pathChanged, this,
            &DatabaseLocationDialog::updateStepButton);
    return page;
}

QWidget* DatabaseLocationDialog::buildNewCompanyPage() {
    QWidget* page = pageFrame(QStringLiteral("Nowa firma"), QStringLiteral("nowaFirma"));
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    layout->addWidget(explanation(QStringLiteral(
        "Dane każdej firmy są przechowywane w osobnym folderze wewnątrz lokalizacji bazy "
        "danych. Podaj krótką nazwę firmy, widoczną przy logowaniu, oraz nazwę folderu (samą "
        "nazwę, bez ścieżki), w którym program zapisze dane firmy.")));
    m_nowaFirmaNazwa = nameField(QStringLiteral("nowaFirmaNazwa"));
    m_nowaFirmaKatalog = nameField(QStringLiteral("nowaFirmaKatalog"));
    auto* where = new QLabel(page);
    where->setObjectName(QStringLiteral("nowaFirmaSciezka"));
    where->setTextFormat(Qt::PlainText);
    where->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Krótka &nazwa firmy:"), m_nowaFirmaNazwa);
    form->addRow(QStringLiteral("Nazwa &folderu firmy:"), m_nowaFirmaKatalog);
    form->addRow(QString(), where);
    layout->addLayout(form);
    layout->addStretch(1);
    // Tells at once where the data will go, or why the folder will be refused.
    connect(m_nowaFirmaKatalog, &QLineEdit::textChanged, where, [where](const QString& folder) {
        const QString problem = companyFolderProblem(folder);
        where->setStyleSheet(problem.isEmpty() ? QString() : QStringLiteral("color: #a00000;"));
        where->setText(problem.isEmpty()
                           ? QStringLiteral("Dane firmy zostaną zapisane w folderze: %1")
                                 .arg(QDir::toNativeSeparators(
                                     QDir(currentDatabaseLocation().location).filePath(folder)))
                           : problem);
    });
    return page;
}

QWidget* DatabaseLocationDialog::buildRenamePage() {
    QWidget* page =
        pageFrame(QStringLiteral("Zmiana krótkiej nazwy firmy"), QStringLiteral("zmienNazwe"));
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    layout->addWidget(explanation(QStringLiteral(
        "Zmienia się tylko nazwa widoczna przy logowaniu; folder z danymi firmy pozostaje bez "
        "zmian.")));
    m_cbFirmy1 = new QComboBox(page);
    m_cbFirmy1->setObjectName(QStringLiteral("cbFirmy1"));
    m_zmienFirmaNazwa = nameField(QStringLiteral("zmienFirmaNazwa"));
    m_zmienFirmaKatalog = nameField(QStringLiteral("zmienFirmaKatalog"), true);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Firma:"), m_cbFirmy1);
    form->addRow(QStringLiteral("&Nowa nazwa firmy:"), m_zmienFirmaNazwa);
    form->addRow(QStringLiteral("Folder firmy:"), m_zmienFirmaKatalog);
    layout->addLayout(form);
    layout->addStretch(1);
    connect(m_cbFirmy1, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_zmienFirmaNazwa->setText(index < 0 ? QString() : m_cbFirmy1->itemText(index));
        m_zmienFirmaKatalog->setText(index < 0 ? QString()
                                               : m_cbFirmy1->itemData(index).toString());
        updateStepButton();
    });
    return page;
}

QWidget* DatabaseLocationDialog::buildDeletePage() {
    QWidget* page = pageFrame(QStringLiteral("Usuwanie firmy"), QStringLiteral("usunFirme"));
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    QLabel* warning = explanation(QStringLiteral(
        "Usunięcie firmy bezpowrotnie usuwa wszystkie jej dane (tabele w folderze firmy). "
        "Przed usunięciem warto wykonać kopię zapasową."));
    warning->setStyleSheet(QStringLiteral("color: #a00000;"));
    layout->addWidget(warning);
    m_cbFirmy2 = new QComboBox(page);
    m_cbFirmy2->setObjectName(QStringLiteral("cbFirmy2"));
    m_usunFirmaKatalog = nameField(QStringLiteral("usunFirmaKatalog"), true);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Firma:"), m_cbFirmy2);
    form->addRow(QStringLiteral("Folder firmy:"), m_usunFirmaKatalog);
    layout->addLayout(form);
    layout->addStretch(1);
    connect(m_cbFirmy2, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_usunFirmaKatalog->setText(index < 0 ? QString() : m_cbFirmy2->itemData(index).toString());
        updateStepButton();
    });
    return page;
}

void DatabaseLocationDialog::showFirstPage() {
    forgetPassword();
    m_cbDEMO->setChecked(true);
    m_check = checkLocation(currentDatabaseLocation(), true);
    const bool usable = m_check == LocationCheck::Usable;
    m_lokalizacja2->setText(usable ? QDir::toNativeSeparators(currentDatabaseLocation().location)
                                   : QStringLiteral("<brak bazy>"));
    m_infoBrakBazy->setText(
        usable ? QStringLiteral("Baza danych istnieje.")
               : QStringLiteral("Z programem nie skojarzono do tej pory żadnej bazy danych."));
    m_logowanie->setEnabled(usable);
    // A database already there is most likely to be pointed to again (after
    // a reinstallation, say), not replaced.
    (m_check == LocationCheck::Missing ? m_rbNowa : m_rbOtworz)->setChecked(true);
    for (QRadioButton* needsDatabase : {m_rbNowaFirma, m_rbZmienNazwe, m_rbUsunFirme})
        needsDatabase->setEnabled(usable);
    m_cbFirmy1->clear();
    m_cbFirmy2->clear();
    m_createChooser->setTreeDirectory(QDir::homePath());
    m_openChooser->setTreeDirectory(QDir::homePath());
    showPage(MenuPage, QStringLiteral("  &Dalej   >>  "));
    m_menu->setEnabled(false);
}

void DatabaseLocationDialog::showPage(Page page, const QString& stepCaption) {
    m_pages->setCurrentIndex(page);
    m_dalej->setText(stepCaption);
    updateStepButton();
}

void DatabaseLocationDialog::updateStepButton() {
    bool enabled = true;
    switch (page()) {
    case CreatePage:
        enabled = QFileInfo(m_createChooser->path()).isDir();
        break;
    case OpenPage:
        enabled = isDatabaseDirectory(m_openChooser->path());
        break;
    case RenamePage:
        enabled = m_cbFirmy1->currentIndex() >= 0;
        break;
    case DeletePage:
        enabled = m_cbFirmy2->currentIndex() >= 0;
        break;
    case MenuPage:
    case NewCompanyPage:
        break;
    }
    m_dalej->setEnabled(enabled);
}

void DatabaseLocationDialog::showHelp() {
    FirstStartGuide guide(this);
    guide.exec();
}

void DatabaseLocationDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        showHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace kv
