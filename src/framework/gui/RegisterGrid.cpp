#include "framework/gui/RegisterGrid.h"

#include "framework/RegisterController.h"
#include "framework/RegisterTableModel.h"
#include "framework/RegisterViewState.h"
#include "storage/Query.h"
#include "support/gui/GridWheelHandler.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

namespace kv {

namespace {

// Draws the title of the register's sort column white on the program's blue.
class HighlightHeader : public QHeaderView {
public:
    explicit HighlightHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override {
        if (!model() || !model()->headerData(section, Qt::Horizontal, Qt::UserRole).toBool()) {
            QHeaderView::paintSection(painter, rect, section);
            return;
        }
        painter->save();
        painter->fillRect(rect.adjusted(0, 0, -1, -1), QColor(0x2d, 0x5b, 0x8a));
        painter->setPen(Qt::white);
        QFont f = font();
        f.setBold(true);
        painter->setFont(f);
        const QString title = model()->headerData(section, Qt::Horizontal).toString();
        painter->drawText(rect.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                          fontMetrics().elidedText(title, Qt::ElideRight, rect.width() - 8));
        painter->restore();
    }
};

// A first width for a column from its title and what it holds; the user's
// own widths are stored and restored by the grid storage.
int defaultWidth(const GridColumn& c, const QFontMetrics& fm) {
    int content = 110;
    switch (c.format) {
    case Formatter::Date:
        content = fm.horizontalAdvance(QStringLiteral("00.00.0000")) + 14;
        break;
    case Formatter::Money:
    case Formatter::Computed:
        content = fm.horizontalAdvance(QStringLiteral("000000,00")) + 14;
        break;
    case Formatter::Rate:
        content = fm.horizontalAdvance(QStringLiteral("0,0000")) + 14;
        break;
    case Formatter::Choice:
        content = 40;
        for (const QString& text : c.choices)
            content = std::max(content, fm.horizontalAdvance(text) + 14);
        break;
    default: {
        static const QStringList wide{"MARKA",      "NAZWISKO", "TRASA",      "OPIS",
                                      "UWAGI",      "NAZWA",    "COPIS",      "NREW",
                                      "CELWYJAZDU", "RODZWYD",  "NAZWATOWAR", "KONTRAHENT",
                                      "POJAZD",     "OSOBA",    "ADRES",      "PRYWKTO"};
        static const QStringList narrow{"LP",      "ROCZNIK", "PRYW",  "DONE",
                                        "MAGAZYN", "CZYVAT",  "ISFUEL"};
        if (wide.contains(c.field))
            content = 170;
        else if (narrow.contains(c.field))
            content = 45;
        break;
    }
    }
    return std::max(content, fm.horizontalAdvance(c.title) + 18);
}

} // namespace

RegisterGrid::RegisterGrid(QTableView* view, RegisterController& controller, QObject* parent)
    : QObject(parent), m_view(view), m_controller(controller),
      m_model(new RegisterTableModel(controller.descriptor(), this)) {
    m_model->setCellFormatter(controller.computedCells());
    auto* header = new HighlightHeader(view);
    view->setHorizontalHeader(header);
    view->setModel(m_model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(true);
    view->setAlternatingRowColors(true);
    view->setWordWrap(false);
    view->setTabKeyNavigation(false);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->verticalHeader()->setFixedWidth(14); // the indicator column
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsMovable(false); // the column order of every grid is fixed
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    for (int i = 0; i < m_model->columnCount(); ++i)
        header->resizeSection(i, defaultWidth(m_model->column(i), view->fontMetrics()));
    GridWheelHandler::install(view, GridWheelHandler::Mode::MoveCurrentRow);
    view->installEventFilter(this);

    connect(header, &QHeaderView::sectionClicked, this, &RegisterGrid::titleClicked);
    connect(view, &QTableView::doubleClicked, this, &RegisterGrid::editRequested);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_syncing && current.isValid())
                    m_controller.setCurrentRow(current.row());
            });
    // New rows keep the columns where they were: after a click on a title
    // far to the right, that title must still be there to click again.
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        m_across = m_view->horizontalScrollBar()->value();
        m_syncing = true;
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        m_syncing = false;
        highlightSortColumn();
        showCurrentRow();
        m_view->horizontalScrollBar()->setValue(m_across);
    });
    // The row the cursor stays on may come with a later block.
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this] {
        if (m_view->currentIndex().row() != m_controller.currentRow())
            showCurrentRow();
    });
    m_model->followQuery(controller.query());
    highlightSortColumn();
}

bool RegisterGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            emit editRequested();
            return true;
        }
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            emit deleteRequested();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool RegisterGrid::refresh() {
    const bool ok = m_controller.startRefresh();
    // A failure keeps the rows; they are shown again as they are.
    if (!ok)
        showRows();
    return ok;
}

void RegisterGrid::showRows() {
    m_model->setRows(m_controller.query().result());
}

void RegisterGrid::showCurrentRow() {
    const int row = m_controller.currentRow();
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_syncing = true;
    const QModelIndex index = m_model->index(row, std::max(0, m_view->currentIndex().column()));
    m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    m_view->scrollTo(index);
    m_syncing = false;
}

void RegisterGrid::highlightSortColumn() {
    const RegisterDescriptor& d = m_controller.descriptor();
    m_model->setHighlightedColumn(
        d.sortable() ? m_model->columnOfField(m_controller.state().sortColumn) : -1);
}

void RegisterGrid::titleClicked(int section) {
    if (!m_controller.sortBy(m_model->column(section).field))
        return;
    refresh();
    // The title clicked is the one drawn white, even where the statement sorts
    // by a column of another name.
    m_model->setHighlightedColumn(section);
}

} // namespace kv
