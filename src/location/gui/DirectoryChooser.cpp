#include "location/gui/DirectoryChooser.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace kv {

namespace {

QString cleanDirectory(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? QString() : QDir::cleanPath(QDir(trimmed).absolutePath());
}

// Mount points a database may live on: not the system's own pseudo file
// systems, nor files mounted into containers.
bool isUsefulMount(const QStorageInfo& volume) {
    const QString root = volume.rootPath();
    if (!volume.isValid() || !volume.isReady() || root == u"/" || !QFileInfo(root).isDir())
        return false;
    for (const char* system : {"/proc", "/sys", "/dev", "/run", "/snap", "/boot", "/etc"})
        if (root == QLatin1String(system) || root.startsWith(QLatin1String(system) + u'/'))
            return false;
    return true;
}

} // namespace

DirectoryChooser::DirectoryChooser(const QString& treeName, const QString& pathName,
                                   QWidget* parent)
    : QWidget(parent), m_model(new QFileSystemModel(this)), m_places(new QComboBox(this)),
      m_tree(new QTreeView(this)), m_path(new QLineEdit(this)), m_buttons(new QHBoxLayout) {
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QDir::rootPath());
    m_tree->setObjectName(treeName);
    m_tree->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIndex(m_model->index(QDir::rootPath()));
    m_path->setObjectName(pathName);
    m_places->setObjectName(treeName + QStringLiteral("Miejsca"));
    fillPlaces();

    auto* placesLabel = new QLabel(QStringLiteral("&Miejsce:"), this);
    placesLabel->setBuddy(m_places);
    auto* pathLabel = new QLabel(QStringLiteral("Ś&cieżka:"), this);
    pathLabel->setBuddy(m_path);
    auto* grid = new QGridLayout;
    grid->addWidget(placesLabel, 0, 0);
    grid->addWidget(m_places, 0, 1);
    grid->addWidget(m_tree, 1, 0, 1, 2);
    grid->addWidget(pathLabel, 2, 0);
    grid->addWidget(m_path, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid, 1);
    layout->addLayout(m_buttons);

    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (m_syncing || !current.isValid())
                    return;
                m_treeDirectory = m_model->filePath(current);
                m_syncing = true;
                m_path->setText(QDir::toNativeSeparators(m_treeDirectory));
                m_syncing = false;
                emit pathChanged();
            });
    connect(m_path, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_syncing)
            return;
        const QString dir = cleanDirectory(text);
        if (!dir.isEmpty() && QFileInfo(dir).isDir()) {
            m_treeDirectory = dir;
            selectInTree(dir);
        }
        emit pathChanged();
    });
    connect(m_places, &QComboBox::activated, this,
            [this](int index) { setTreeDirectory(m_places->itemData(index).toString()); });
    setTreeDirectory(QDir::homePath());
}

void DirectoryChooser::fillPlaces() {
    m_places->addItem(QStringLiteral("Katalog domowy (%1)").arg(QDir::homePath()),
                      QDir::homePath());
    m_places->addItem(QStringLiteral("Cały system plików (/)"), QDir::rootPath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!isUsefulMount(volume))
            continue;
        const QString name =
            volume.displayName() == volume.rootPath()
                ? volume.rootPath()
                : QStringLiteral("%1 (%2)").arg(volume.displayName(), volume.rootPath());
        m_places->addItem(name, volume.rootPath());
    }
}

QString DirectoryChooser::path() const {
    return m_path->text().trimmed();
}

void DirectoryChooser::setPath(const QString& text) {
    m_path->setText(text);
}

void DirectoryChooser::setTreeDirectory(const QString& directory) {
    const QString dir = cleanDirectory(directory);
    if (dir.isEmpty())
        return;
    m_treeDirectory = dir;
    m_syncing = true;
    m_path->setText(QDir::toNativeSeparators(dir));
    m_syncing = false;
    selectInTree(dir);
    emit pathChanged();
}

void DirectoryChooser::selectInTree(const QString& directory) {
    const QModelIndex index = m_model->index(directory);
    if (!index.isValid())
        return;
    m_syncing = true;
    m_tree->setCurrentIndex(index);
    m_tree->expand(index);
    m_tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
    m_syncing = false;
}

} // namespace kv
