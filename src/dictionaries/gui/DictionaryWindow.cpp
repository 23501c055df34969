#include "dictionaries/gui/DictionaryWindow.h"

#include "dictionaries/DictionaryTableModel.h"
#include "dictionaries/gui/DictionaryEntryDialog.h"
#include "dictionaries/gui/VehicleKindsPage.h"
#include "storage/ProgramOptions.h"
#include "storage/Query.h"
#include "users/Permissions.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace kv {

namespace {

bool isEnter(QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

QPushButton* commandButton(const char* name, const QString& text, const QString& hint) {
    auto* b = new QPushButton(text);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    // Enter belongs to the grids and the selector, never to a button.
    b->setAutoDefault(false);
    return b;
}

} // namespace

DictionaryWindow::DictionaryWindow(DataModule& db, QWidget* parent)
    : QDialog(parent), m_book(db), m_selector(new QComboBox), m_pages(new QStackedWidget),
      m_entry(new DictionaryEntryDialog(this)) {
    setObjectName(QStringLiteral("TfBiblioteka"));
    setWindowTitle(QStringLiteral("Biblioteka"));
    setModal(true);
    resize(760, 540);

    m_selector->setObjectName(QStringLiteral("CBSlownik"));
    m_selector->setMinimumContentsLength(24);
    m_selector->installEventFilter(this);
    m_pages->setObjectName(QStringLiteral("pcSlowniki"));
    for (const DictionaryList& l : dictionaryLists()) {
        m_selector->addItem(l.name);
        if (l.isVehicleKinds()) {
            m_kindsPage = new VehicleKindsPage;
            connect(m_kindsPage, &VehicleKindsPage::saveRequested, this,
                    &DictionaryWindow::saveKinds);
            m_pages->addWidget(m_kindsPage);
            m_grids.append(nullptr);
            m_models.append(nullptr);
            continue;
        }
        QTableView* grid = makeGrid(l);
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("ts") + l.code);
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(0, 0, 0, 0);
        pageLayout->addWidget(grid);
        m_pages->addWidget(page);
    }
    connect(m_selector, &QComboBox::currentIndexChanged, this, [this](int position) {
        if (!m_choosing && position >= 0)
            showList(position);
    });

    m_add = commandButton("SBDodaj", QStringLiteral("Dodaj"), QStringLiteral("Dodaj nową pozycję"));
    m_edit = commandButton("SBEdytuj", QStringLiteral("Edytuj"),
                           QStringLiteral("Edytuj wskazaną pozycję"));
    m_delete =
        commandButton("SBUsun", QStringLiteral("Usuń"), QStringLiteral("Usuń wskazaną pozycję"));
    m_copy = commandButton("SBKopiuj", QStringLiteral("Kopiuj"),
                           QStringLiteral("Stwórz kopię zaznaczonej pozycji"));
    m_close = commandButton("SBZamknij", QStringLiteral("Zamknij"), QStringLiteral("Zamknij okno"));
    connect(m_add, &QPushButton::clicked, this, &DictionaryWindow::addEntry);
    connect(m_edit, &QPushButton::clicked, this, &DictionaryWindow::editEntry);
    connect(m_delete, &QPushButton::clicked, this, &DictionaryWindow::deleteEntry);
    connect(m_copy, &QPushButton::clicked, this, &DictionaryWindow::copyEntry);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Słownik:")));
    top->addWidget(m_selector);
    top->addStretch(1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_add, m_edit, m_delete, m_copy})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_pages, 1);
    middle->addLayout(buttons);
    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addLayout(middle, 1);
}

DictionaryWindow::~DictionaryWindow() = default;

QTableView* DictionaryWindow::makeGrid(const DictionaryList& list) {
    auto* grid = new QTableView;
    grid->setObjectName(list.code + QStringLiteral("Grid"));
    auto* model = new DictionaryTableModel(list, grid);
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 8);
    grid->verticalHeader()->setFixedWidth(14); // the row indicator
    grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid->horizontalHeader()->setSectionsMovable(false);
    if (model->columnCount() > 1)
        grid->setColumnWidth(1, 130);
    grid->installEventFilter(this);
    connect(grid, &QTableView::doubleClicked, this, &DictionaryWindow::editEntry);
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_choosing)
                    m_book.setCurrentRow(current.isValid() ? current.row() : -1);
            });
    addGridMenu(grid);
    m_grids.append(grid);
    m_models.append(model);
    return grid;
}

void DictionaryWindow::addGridMenu(QTableView* grid) {
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    struct Item {
        QString text;
        QKeySequence shortcut;
        void (DictionaryWindow::*command)();
    };
    const Item items[] = {
        {QStringLiteral("Dodaj pozycję"), QKeySequence(Qt::Key_Insert),
         &DictionaryWindow::addEntry},
        {QStringLiteral("Edytuj pozycję"), QKeySequence(Qt::Key_F2), &DictionaryWindow::editEntry},
        {QStringLiteral("Usuń pozycję"), QKeySequence(Qt::Key_Delete),
         &DictionaryWindow::deleteEntry},
        {QStringLiteral("Kopiuj pozycję"), QKeySequence(Qt::CTRL | Qt::Key_C),
         &DictionaryWindow::copyEntry},
    };
    for (const Item& item : items) {
        auto* a = new QAction(item.text, grid);
        a->setShortcut(item.shortcut);
        a->setShortcutContext(Qt::WidgetShortcut);
        connect(a, &QAction::triggered, this, item.command);
        grid->addAction(a);
        m_menuActions.append(a);
    }
}

void DictionaryWindow::showOn(int position) {
    m_book.setChangesAllowed(currentLogin().permissions.has(permission::DictionaryWrite));
    if (position < 0 || position >= dictionaryLists().size())
        position = 0;
    showList(position);
    exec();
}

void DictionaryWindow::showList(int position) {
    m_choosing = true;
    m_selector->setCurrentIndex(position);
    m_choosing = false;
    m_book.showList(position); // a failure leaves the rows the book keeps
    m_pages->setCurrentIndex(m_book.position());
    if (m_book.onKindsPage()) {
        if (const std::optional<VehicleKindNames> names = m_book.loadKinds())
            m_kindsPage->setNames(*names);
        m_kindsPage->setEditable(m_book.changesAllowed());
    } else {
        showRows();
        currentGrid()->setFocus();
    }
    updateCommands();
}

QTableView* DictionaryWindow::currentGrid() const {
    return m_grids.value(m_book.position());
}

// The rows the book holds now, with its current row selected.
void DictionaryWindow::showRows() {
    QTableView* grid = currentGrid();
    DictionaryTableModel* model = m_models.value(m_book.position());
    if (!grid || !model)
        return;
    m_choosing = true;
    model->setRows(m_book.rows());
    const int row = m_book.currentRow();
    if (row >= 0 && row < model->rowCount()) {
        grid->setCurrentIndex(model->index(row, 0));
        grid->selectRow(row);
        grid->scrollTo(model->index(row, 0));
    }
    m_choosing = false;
}

void DictionaryWindow::updateCommands() {
    const bool enabled = m_book.commandsEnabled();
    for (QPushButton* b : {m_add, m_edit, m_delete, m_copy})
        b->setEnabled(enabled);
    for (QAction* a : std::as_const(m_menuActions))
        a->setEnabled(enabled);
}

void DictionaryWindow::addEntry() {
    m_entry->setList(m_book.list());
    if (m_book.add(*m_entry, false))
        showRows();
}

void DictionaryWindow::copyEntry() {
    m_entry->setList(m_book.list());
    if (m_book.add(*m_entry, true))
        showRows();
}

void DictionaryWindow::editEntry() {
    m_entry->setList(m_book.list());
    if (m_book.edit(*m_entry))
        showRows();
}

void DictionaryWindow::deleteEntry() {
    if (m_book.remove(programOptions().pytajPrzedKasowaniem))
        showRows();
}

void DictionaryWindow::saveKinds() {
    if (!m_book.saveKinds(m_kindsPage->names()))
        return;
    if (const std::optional<VehicleKindNames> names = m_book.loadKinds())
        m_kindsPage->setNames(*names);
}

bool DictionaryWindow::eventFilter(QObject* watched, QEvent* event) {
    // The grid keeps Delete and Ctrl+C for itself before short-cuts see them.
    if (event->type() == QEvent::KeyPress && watched == currentGrid()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            deleteEntry();
            return true;
        }
        if (key->matches(QKeySequence::Copy)) {
            copyEntry();
            return true;
        }
    }
    if (isEnter(event)) {
        if (watched == m_selector && !m_selector->view()->isVisible()) {
            showList(m_selector->currentIndex());
            return true;
        }
        if (watched == currentGrid()) {
            editEntry();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kv
