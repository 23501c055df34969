#pragma once

#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QHBoxLayout;
class QLineEdit;
class QTreeView;

namespace kv {

// Choosing a directory: a list of places (the home folder, the whole file
// system, mounted drives and network shares), a folder tree, and a free-text
// path kept equal to the tree. Typing a path that names a directory moves the
// tree there; choosing in the tree rewrites the path.
class DirectoryChooser : public QWidget {
    Q_OBJECT
public:
    // The tree and the path field get the given object names.
    DirectoryChooser(const QString& treeName, const QString& pathName, QWidget* parent = nullptr);

    // The free text as typed (trimmed).
    QString path() const;
    void setPath(const QString& text);
    // The directory the tree stands on.
    QString treeDirectory() const { return m_treeDirectory; }
    void setTreeDirectory(const QString& directory);

    QLineEdit* pathEdit() const { return m_path; }
    QTreeView* tree() const { return m_tree; }
    QComboBox* places() const { return m_places; }
    // The row below the path field, for the caller's own buttons.
    QHBoxLayout* buttonRow() const { return m_buttons; }

signals:
    void pathChanged();

private:
    void fillPlaces();
    void selectInTree(const QString& directory);

    QFileSystemModel* m_model;
    QComboBox* m_places;
    QTreeView* m_tree;
    QLineEdit* m_path;
    QHBoxLayout* m_buttons;
    QString m_treeDirectory;
    bool m_syncing = false;
};

} // namespace kv
