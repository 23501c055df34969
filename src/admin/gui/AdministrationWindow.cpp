#include "admin/gui/AdministrationWindow.h"

#include "admin/AdminCommands.h"
#include "admin/DatabaseMaintenance.h"
#include "admin/RowDeletion.h"
#include "admin/TableEmptying.h"
#include "storage/CurrentLocation.h"
#include "storage/ErrorLog.h"
#include "support/UserInterface.h"
#include "support/gui/DateField.h"
#include "support/gui/OpenExternally.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

namespace {

QWidget* pageWith(QWidget* parent, const QString& name, QLayout* content, QPushButton* command,
                  QPushButton* second = nullptr) {
    auto* page = new QWidget(parent);
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    if (content)
        layout->addLayout(content);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(command);
    if (second)
        buttons->addWidget(second);
    layout->addLayout(buttons);
    return page;
}

} // namespace

AdministrationWindow::AdministrationWindow(DataModule& db, QWidget* parent)
    : QDialog(parent), m_db(db), m_pages(new QTabWidget(this)) {
    setObjectName(QStringLiteral("TfAdministracjaBaza"));
    setWindowTitle(QStringLiteral("Administracja bazą danych"));
    setModal(true);
    m_pages->setObjectName(QStringLiteral("opcjeTab"));
    m_pages->addTab(buildRowsPage(), QStringLiteral("Usuwanie wierszy tabeli"));
    m_pages->addTab(buildEmptyingPage(), QStringLiteral("Usuwanie całych tabel"));
    m_pages->addTab(buildPackingPage(), QStringLiteral("Optymalizacja bazy"));
    m_pages->addTab(buildLogPage(), QStringLiteral("Log błędów"));

    auto* ok = new QPushButton(QStringLiteral("  &Ok   "), this);
    ok->setObjectName(QStringLiteral("BOk"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(bottom);
    resize(620, 300);
}

QPushButton* AdministrationWindow::commandButton(const QString& text, const QString& name,
                                                 QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QWidget* AdministrationWindow::buildRowsPage() {
    m_rowTable = new QComboBox(this);
    m_rowTable->setObjectName(QStringLiteral("row2removeTable"));
    for (const RowDeletionEntry& e : rowDeletionEntries())
        m_rowTable->addItem(e.label);
    m_from = new DateField(this);
    m_from->setObjectName(QStringLiteral("row2removeDataOd"));
    m_from->lineEdit()->setToolTip(QStringLiteral("Data od terminu"));
    m_from->calendarButton()->setToolTip(QStringLiteral("Wybierz datę z kalendarza"));
    m_to = new DateField(this);
    m_to->setObjectName(QStringLiteral("row2removeDataDo"));
    m_to->lineEdit()->setToolTip(QStringLiteral("Data do terminu"));
    m_to->calendarButton()->setToolTip(QStringLiteral("Wybierz datę z kalendarza"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Tabela"), m_rowTable);
    auto* dates = new QHBoxLayout;
    dates->addWidget(new QLabel(QStringLiteral("Data od"), this));
    dates->addWidget(m_from);
    dates->addSpacing(16);
    dates->addWidget(new QLabel(QStringLiteral("Data do"), this));
    dates->addWidget(m_to);
    dates->addStretch(1);
    form->addRow(dates);
    QPushButton* run =
        commandButton(QStringLiteral("Usuń dane z tabeli dla wskazanego zakresu dat od - do"),
                      QStringLiteral("BUsunWiersze"), this);
    connect(run, &QPushButton::clicked, this, &AdministrationWindow::deleteRows);
    return pageWith(this, QStringLiteral("tsUsuwanieWierszy"), form, run);
}

QWidget* AdministrationWindow::buildEmptyingPage() {
    m_emptyTable = new QComboBox(this);
    m_emptyTable->setObjectName(QStringLiteral("tabela"));
    m_emptyTable->setMaxVisibleItems(20);
    for (const EmptyingEntry& e : emptyingEntries())
        m_emptyTable->addItem(e.label);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Tabela"), m_emptyTable);
    QPushButton* run = commandButton(QStringLiteral("Usuń wszystkie dane ze wskazanej tabeli"),
                                     QStringLiteral("BUsunTabele"), this);
    connect(run, &QPushButton::clicked, this, &AdministrationWindow::emptySelectedTable);
    return pageWith(this, QStringLiteral("tsUsuwanieTabel"), form, run);
}

QWidget* AdministrationWindow::buildPackingPage() {
    QPushButton* run = commandButton(QStringLiteral(" Optymalizuj bazę danych"),
                                     QStringLiteral("BOptymalizuj"), this);
    connect(run, &QPushButton::clicked, this, &AdministrationWindow::pack);
    auto* text = new QVBoxLayout;
    auto* hint = new QLabel(QStringLiteral("Optymalizacja porządkuje pliki wszystkich tabel firmy. "
                                           "W tym czasie nikt inny nie może pracować z danymi "
                                           "firmy."),
                            this);
    hint->setWordWrap(true);
    text->addWidget(hint);
    return pageWith(this, QStringLiteral("tsOptymalizacja"), text, run);
}

QWidget* AdministrationWindow::buildLogPage() {
    QPushButton* open = commandButton(QStringLiteral("&Otwórz log błędów programu"),
                                      QStringLiteral("BOtworzLog"), this);
    QPushButton* clear = commandButton(QStringLiteral(" Czyść log błędów programu  "),
                                       QStringLiteral("BCzyscLog"), this);
    connect(open, &QPushButton::clicked, this, &AdministrationWindow::openErrorLog);
    connect(clear, &QPushButton::clicked, this, &AdministrationWindow::clearErrorLog);
    return pageWith(this, QStringLiteral("tsLogBledow"), nullptr, open, clear);
}

void AdministrationWindow::showModal() {
    m_pages->setCurrentIndex(0);
    exec();
}

void AdministrationWindow::deleteRows() {
    const auto field =
        runRowDeletion(m_db, m_rowTable->currentIndex(), m_from->text(), m_to->text());
    if (field)
        (*field == RangeProblem::To ? m_to : m_from)->lineEdit()->setFocus();
}

void AdministrationWindow::emptySelectedTable() {
    runEmptying(m_db, m_emptyTable->currentIndex());
}

void AdministrationWindow::pack() {
    packCompanyTables(m_db, currentDatabaseLocation().password);
}

void AdministrationWindow::openErrorLog() {
    if (!errorLogHasEntries()) {
        ui().information(QStringLiteral("Informacja"), QStringLiteral("Log błędów jest pusty."));
        return;
    }
    openFileExternally(errorLogPath());
}

void AdministrationWindow::clearErrorLog() {
    runClearErrorLog();
}

} // namespace kv
