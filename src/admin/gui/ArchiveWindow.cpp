#include "admin/gui/ArchiveWindow.h"

#include "admin/ArchiveCopy.h"
#include "admin/ArchiveDescription.h"
#include "admin/ArchiveFolders.h"
#include "admin/ArchiveRestore.h"
#include "storage/CurrentLocation.h"
#include "support/Clock.h"
#include "support/DateNumbers.h"
#include "support/UserInterface.h"
#include "support/gui/DateField.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace kv {

namespace {

// Disabled fields of the panel are grey (153, 153, 153), enabled ones white.
void paint(QWidget* w, bool enabled) {
    w->setStyleSheet(enabled ? QStringLiteral("background-color: white;")
                             : QStringLiteral("background-color: rgb(153, 153, 153);"));
}

QPushButton* button(const QString& text, const QString& name, const QString& hint,
                    QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

} // namespace

ArchiveWindow::ArchiveWindow(DataModule& db, QWidget* parent)
    : QDialog(parent), m_db(db), m_folder(QDir::currentPath()) {
    setObjectName(QStringLiteral("TfArchiwum"));
    setWindowTitle(QStringLiteral("Archiwizacja danych"));
    setModal(true);

    auto* panels = new QVBoxLayout;
    panels->addWidget(buildFoundPanel());
    panels->addWidget(buildNewPanel());
    panels->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildFolderChoice(), 1);
    middle->addLayout(panels, 1);

    auto* ok = new QPushButton(QStringLiteral("  &Ok   "), this);
    ok->setObjectName(QStringLiteral("BOk"));
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
    resize(900, 560);
}

QWidget* ArchiveWindow::buildFolderChoice() {
    auto* box = new QWidget(this);
    m_drive = new QComboBox(box);
    m_drive->setObjectName(QStringLiteral("aDrive"));
    m_drive->setToolTip(QStringLiteral("Wolumin (dysk) z archiwum"));
    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QDir::rootPath());
    m_tree = new QTreeView(box);
    m_tree->setObjectName(QStringLiteral("aDir"));
    m_tree->setToolTip(QStringLiteral("Odszukaj miejsce położenia archiwum"));
    m_tree->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->header()->hide();
    m_tree->setSortingEnabled(true);
    m_tree->sortByColumn(0, Qt::AscendingOrder);
    // Folders are read in the background: once the current one's parent is
    // in, bring it into view.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        if (QFileInfo(m_folder).absolutePath() != loaded)
            return;
        const QModelIndex index = m_model->index(m_folder);
        if (index.isValid())
            m_tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
    });
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    m_folder = m_model->filePath(current);
                    refreshPanel();
                }
            });
    fillVolumes();
    connect(m_drive, &QComboBox::activated, this, &ArchiveWindow::showVolume);
    auto* add = button(QStringLiteral("Nowy folder"), QStringLiteral("BNowyFolder"),
                       QStringLiteral("Stwórz nowy podkatalog  w wybranej lokalizacji"), box);
    connect(add, &QPushButton::clicked, this, &ArchiveWindow::newFolder);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Wolumin"), box));
    layout->addWidget(m_drive);
    layout->addWidget(m_tree, 1);
    layout->addWidget(add, 0, Qt::AlignLeft);
    return box;
}

QGroupBox* ArchiveWindow::buildFoundPanel() {
    auto* panel = new QGroupBox(QStringLiteral("Przywróć dane z archiwum"), this);
    m_foundName = new QLineEdit(panel);
    m_foundName->setObjectName(QStringLiteral("oNazwa"));
    m_foundName->setMaxLength(kArchiveNameLength);
    m_foundDate = new DateField(panel);
    m_foundDate->setObjectName(QStringLiteral("oData"));
    m_foundDate->calendarButton()->setObjectName(QStringLiteral("oDTPdata"));
    auto* save = button(QStringLiteral(" Zapisz zmiany               "), QStringLiteral("BZapisz"),
                        QStringLiteral("Zapisz zmiany opisu odnalezionego archiwum"), panel);
    auto* remove = button(QStringLiteral(" Usuń archiwum              "), QStringLiteral("BUsun"),
                          QStringLiteral("Usuń odnalezione archiwum"), panel);
    auto* restore =
        button(QStringLiteral(" Przywróć z archiwum     "), QStringLiteral("BPrzywroc"),
               QStringLiteral("Odtwórz dane ze znalezionego archiwum. Dotychczasowe dane zostaną "
                              "usunięte"),
               panel);
    connect(save, &QPushButton::clicked, this, &ArchiveWindow::saveDescription);
    connect(remove, &QPushButton::clicked, this, &ArchiveWindow::deleteArchive);
    connect(restore, &QPushButton::clicked, this, &ArchiveWindow::restore);
    m_foundButtons = {save, remove, restore};
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Nazwa"), m_foundName);
    form->addRow(QStringLiteral("Data"), m_foundDate);
    auto* layout = new QVBoxLayout(panel);
    layout->addLayout(form);
    for (QPushButton* b : std::as_const(m_foundButtons))
        layout->addWidget(b, 0, Qt::AlignRight);
    return panel;
}

QGroupBox* ArchiveWindow::buildNewPanel() {
    auto* panel = new QGroupBox(QStringLiteral("Wykonaj kopię bezpieczeństwa"), this);
    m_newName = new QLineEdit(panel);
    m_newName->setObjectName(QStringLiteral("nNazwa"));
    m_newName->setMaxLength(kArchiveNameLength);
    m_newDate = new DateField(panel);
    m_newDate->setObjectName(QStringLiteral("nData"));
    m_newDate->calendarButton()->setObjectName(QStringLiteral("nDTPdata"));
    auto* make =
        button(QStringLiteral(" Stwórz archiwum            "), QStringLiteral("BStworz"),
               QStringLiteral("Stwórz nowe archiwum bazy danych we wskazanym katalogu"), panel);
    connect(make, &QPushButton::clicked, this, &ArchiveWindow::makeArchive);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Nazwa"), m_newName);
    form->addRow(QStringLiteral("Data"), m_newDate);
    auto* layout = new QVBoxLayout(panel);
    layout->addLayout(form);
    layout->addWidget(make, 0, Qt::AlignRight);
    return panel;
}

void ArchiveWindow::fillVolumes() {
    m_drive->clear();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString root = volume.rootPath();
        const QString name = volume.displayName();
        m_drive->addItem(name == root ? root : root + QStringLiteral(" [") + name + u']', root);
    }
}

void ArchiveWindow::showVolume(int index) {
    const QString root = m_drive->itemData(index).toString();
    if (!root.isEmpty())
        setCurrentFolder(root);
}

void ArchiveWindow::setCurrentFolder(const QString& folder) {
    m_folder = QDir::cleanPath(folder);
    const QModelIndex index = m_model->index(m_folder);
    if (index.isValid()) {
        m_tree->setCurrentIndex(index);
        m_tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
    }
    // The volume holding the folder: the longest root that starts it.
    int best = -1;
    qsizetype length = -1;
    for (int i = 0; i < m_drive->count(); ++i) {
        const QString root = m_drive->itemData(i).toString();
        if (m_folder.startsWith(root) && root.size() > length) {
            best = i;
            length = root.size();
        }
    }
    if (best >= 0)
        m_drive->setCurrentIndex(best);
    refreshPanel();
}

void ArchiveWindow::showModal() {
    m_newName->clear();
    m_newDate->setText(dateToText(Clock::today()));
    setCurrentFolder(m_folder);
    exec();
}

void ArchiveWindow::refreshPanel() {
    const bool found = holdsArchive(m_folder);
    const ArchiveDescription d = found ? readArchiveDescription(m_folder) : ArchiveDescription{};
    m_foundName->setText(d.name);
    m_foundDate->setText(found ? d.date : QString());
    for (QWidget* w : {static_cast<QWidget*>(m_foundName), static_cast<QWidget*>(m_foundDate)}) {
        w->setEnabled(found);
        paint(w == m_foundDate ? static_cast<QWidget*>(m_foundDate->lineEdit()) : w, found);
    }
    for (QPushButton* b : std::as_const(m_foundButtons))
        b->setEnabled(found);
}

void ArchiveWindow::newFolder() {
    const std::optional<QString> name = ui().prompt(
        QStringLiteral("Wprowadź nazwę podkatalogu"), QStringLiteral("Nazwa podkatalogu"),
        Clock::today().toString(QStringLiteral("yyyy-MM-dd")), false);
    if (!name)
        return;
    if (const QString problem = newFolderNameProblem(*name); !problem.isEmpty()) {
        ui().information(QStringLiteral("Uwaga"), problem);
        return;
    }
    const QString folder = QDir(m_folder).filePath(name->trimmed());
    if (!QFileInfo(folder).isDir() && !QDir(m_folder).mkdir(name->trimmed())) {
        ui().information(QStringLiteral("Informacja"),
                         QStringLiteral("Nie udało się utworzyć podkatalogu %1.")
                             .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    setCurrentFolder(folder);
}

void ArchiveWindow::saveDescription() {
    if (describeArchive(m_folder, {m_foundName->text(), m_foundDate->text()}) ==
        AdminResult::Refused)
        m_foundDate->lineEdit()->setFocus();
}

void ArchiveWindow::deleteArchive() {
    kv::deleteArchive(m_db, m_folder);
    refreshPanel();
}

void ArchiveWindow::restore() {
    if (!confirmRestore())
        return;
    restoreArchive(m_db, m_folder, currentDatabaseLocation().password);
    refreshPanel();
}

void ArchiveWindow::makeArchive() {
    const AdminResult result =
        kv::makeArchive(m_db, m_folder, {m_newName->text(), m_newDate->text()});
    if (result == AdminResult::Refused && !archiveDateProblem(m_newDate->text()).isEmpty()) {
        m_newDate->lineEdit()->setFocus();
        return;
    }
    if (result == AdminResult::Done) {
        refreshPanel();
        m_newDate->setText(QString());
        m_newName->clear();
    }
}

} // namespace kv
