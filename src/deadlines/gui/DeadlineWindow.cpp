#include "deadlines/gui/DeadlineWindow.h"

#include "deadlines/DeadlineExport.h"
#include "framework/gui/CsvSaveDialog.h"
#include "storage/ProgramOptions.h"
#include "support/GridLayoutStore.h"
#include "support/UserInterface.h"
#include "support/gui/TableViewGridAdapter.h"
#include "support/gui/dialogs/QuickEditDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kv {

namespace {

// The fixed colour of the first two columns, as a grid's fixed cells.
const QColor kFixed(0x9a, 0xa4, 0xb0);

int index(ReminderListKind kind) {
    return static_cast<int>(kind);
}

QPushButton* button(const QString& name, const QString& caption, const QString& hint) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

// Esc in a list closes the window, as "Ok" does.
class EscapeCloses : public QObject {
public:
    explicit EscapeCloses(QDialog* dialog) : QObject(dialog), m_dialog(dialog) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            m_dialog->accept();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QDialog* m_dialog;
};

} // namespace

DeadlineWindow::DeadlineWindow(DataModule& db, QWidget* parent) : QDialog(parent), m_db(db) {
    setObjectName(QStringLiteral("TfSprawdzenieDat"));
    setWindowTitle(QStringLiteral("Sprawdzenie terminów"));
    resize(1120, 560);
    auto* layout = new QVBoxLayout(this);
    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("zakladki"));
    const char* pageNames[] = {"daty", "przebiegi", "magazyn"};
    const QString captions[] = {QStringLiteral("Sprawdzanie wg dat"),
                                QStringLiteral("Sprawdzanie wg przebiegu"),
                                QStringLiteral("Sprawdzanie stanów magazynowych")};
    const QString headings[] = {QStringLiteral("Wkrótce upłynie bądź już upłynął termin dla:"),
                                QStringLiteral("Wkrótce upłynie bądź już upłynął termin dla:"),
                                QStringLiteral("Niski stan magazynowy następujących części:")};
    auto* escape = new EscapeCloses(this);
    for (int i = 0; i < 3; ++i) {
        const auto kind = static_cast<ReminderListKind>(i);
        auto* page = new QWidget;
        page->setObjectName(QLatin1String(pageNames[i]));
        auto* pageLayout = new QVBoxLayout(page);
        auto* heading = new QLabel(headings[i]);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        pageLayout->addWidget(heading);
        auto* table = new QTableWidget;
        table->setObjectName(QStringLiteral("SGTabela%1").arg(i + 1));
        table->setFont(QFont(QStringLiteral("Arial"), 10));
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->verticalHeader()->hide();
        table->setStyleSheet(QStringLiteral("QTableWidget { background: white; color: black; } "
                                            "QTableWidget::item:selected { background: #0a246a; "
                                            "color: white; }"));
        const QStringList titles = reminderTitles(kind);
        table->setColumnCount(static_cast<int>(titles.size()));
        table->setHorizontalHeaderLabels(titles);
        for (int c = visibleReminderColumns(kind); c < titles.size(); ++c)
            table->setColumnHidden(c, true);
        const int widths[2][4] = {{110, 260, 380, 300}, {260, 90, 420, 0}};
        for (int c = 0; c < visibleReminderColumns(kind); ++c)
            table->setColumnWidth(c, widths[kind == ReminderListKind::Warehouse][c]);
        table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
        table->installEventFilter(escape);
        pageLayout->addWidget(table);
        m_tables[i] = table;
        m_pageWidgets[i] = page;
        m_titles[i] = captions[i];
        m_pages->addTab(page, captions[i]);
        m_lists.list(kind).kind = kind;
        fill(kind);
    }
    layout->addWidget(m_pages);
    m_layouts = std::make_unique<GridLayoutStore>(optionsFilePath());
    for (QTableWidget* table : m_tables)
        m_layouts->registerStringGrid(std::make_unique<TableViewGridAdapter>(table),
                                      table->objectName());
    m_layouts->load();

    auto* buttons = new QHBoxLayout;
    auto add = [&](QPushButton* b, void (DeadlineWindow::*slot)()) {
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, slot);
    };
    add(button(QStringLiteral("BIdzDo"), QStringLiteral("Idź do"),
               QStringLiteral("Odszukaj wskazany element w odpowiedniej tabeli")),
        &DeadlineWindow::goToRow);
    add(button(QStringLiteral("BZmien"), QStringLiteral("Zmień"),
               QStringLiteral("Zmień termin / stan licznika")),
        &DeadlineWindow::changeRow);
    add(button(QStringLiteral("BDeaktywuj"), QStringLiteral("Deaktywuj"),
               QStringLiteral("Deaktywuj termin")),
        &DeadlineWindow::deactivateRow);
    add(button(QStringLiteral("BDeaktywujWszystkie"), QStringLiteral("Deakt. wszystkie"),
               QStringLiteral("Deaktywuj wszystkie terminy")),
        &DeadlineWindow::deactivateAllRows);
    add(button(QStringLiteral("BUsun"), QStringLiteral("Usuń"),
               QStringLiteral("Usuń wskazaną pozycję")),
        &DeadlineWindow::deleteRow);
    buttons->addStretch();
    add(button(QStringLiteral("BTxt"), QStringLiteral("do TXT ..."),
               QStringLiteral("Zapisz tabelę do pliku tekstowego")),
        &DeadlineWindow::exportTxt);
    add(button(QStringLiteral("BCsv"), QStringLiteral("do CSV"),
               QStringLiteral("Zapisz tabelę do arkusza CSV")),
        &DeadlineWindow::exportCsv);
    QPushButton* ok =
        button(QStringLiteral("BOk"), QStringLiteral("Ok"), QStringLiteral("Zamknij okno"));
    buttons->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addLayout(buttons);
}

DeadlineWindow::~DeadlineWindow() = default;

void DeadlineWindow::done(int result) {
    m_layouts->save();
    QDialog::done(result);
}

QTableWidget* DeadlineWindow::table(ReminderListKind kind) const {
    return m_tables[index(kind)];
}

ReminderListKind DeadlineWindow::activeList() const {
    for (int i = 0; i < 3; ++i)
        if (m_pages->currentWidget() == m_pageWidgets[i])
            return static_cast<ReminderListKind>(i);
    return ReminderListKind::Dates;
}

void DeadlineWindow::setResult(const DeadlineRunResult& result) {
    for (int i = 0; i < 3; ++i) {
        const auto kind = static_cast<ReminderListKind>(i);
        // A page whose check did not run keeps its old rows, hidden.
        if (result.pageShown(kind)) {
            m_lists.list(kind) = result.lists.list(kind);
            fill(kind);
        }
        m_pages->setTabVisible(i, result.pageShown(kind));
    }
    m_pages->setCurrentIndex(index(result.activePage));
}

void DeadlineWindow::fill(ReminderListKind kind) {
    QTableWidget* t = table(kind);
    const ReminderList& list = m_lists.list(kind);
    const QList<QStringList> rows =
        list.hasResults() ? list.rows : QList<QStringList>{nothingFoundRow(kind)};
    const bool warehouse = kind == ReminderListKind::Warehouse;
    t->clearContents();
    t->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < t->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(rows.at(r).value(c));
            Qt::Alignment align = Qt::AlignVCenter | Qt::AlignLeft;
            if (c == 0) {
                item->setBackground(kFixed);
                item->setForeground(Qt::white);
                if (kind == ReminderListKind::Dates)
                    align = Qt::AlignCenter;
                else
                    item->setText(u' ' + item->text());
            } else if (c == 1) {
                item->setBackground(kFixed);
                item->setForeground(Qt::black);
                if (warehouse) {
                    align = Qt::AlignVCenter | Qt::AlignRight;
                    item->setText(item->text() + u' ');
                } else {
                    item->setText(u' ' + item->text());
                }
            } else {
                item->setText(u' ' + item->text());
            }
            item->setTextAlignment(align);
            t->setItem(r, c, item);
        }
    if (t->rowCount() > 0)
        t->selectRow(0);
}

int DeadlineWindow::selectedRow() const {
    const ReminderListKind kind = activeList();
    if (!m_lists.list(kind).hasResults())
        return -1;
    return table(kind)->currentRow();
}

void DeadlineWindow::afterCommand(ReminderListKind kind, int row) {
    fill(kind);
    QTableWidget* t = table(kind);
    if (t->rowCount() > 0)
        t->selectRow(qMin(row, t->rowCount() - 1));
    t->setFocus();
}

void DeadlineWindow::showEvent(QShowEvent* event) {
    m_navigated = false;
    QDialog::showEvent(event);
    table(activeList())->setFocus();
}

void DeadlineWindow::goToRow() {
    const int row = selectedRow();
    if (row < 0)
        return;
    const std::optional<GoToTarget> target = confirmGoTo(m_db, m_lists.list(activeList()), row);
    if (!target)
        return;
    m_navigated = true;
    accept();
    if (goTo)
        goTo(*target);
}

void DeadlineWindow::changeRow() {
    const ReminderListKind kind = activeList();
    const int row = selectedRow();
    if (row < 0)
        return;
    const ReminderCommandContext context = currentReminderCommandContext();
    const std::optional<ChangeForm> form = changeForm(m_db, m_lists.list(kind), row, context);
    if (!form)
        return;
    QuickEditDialog editor(this);
    editor.setTitle(form->title());
    editor.setEntries(!form->date, form->date, form->range);
    if (form->date) {
        editor.setFieldLabel(form->range ? QStringLiteral("Termin od") : QStringLiteral("Termin"));
        editor.setDateText(form->preset);
        editor.setDateToText(form->presetTo);
    } else {
        editor.setFieldLabel(form->numberLabel);
        editor.setOdometerText(form->preset);
    }
    if (!editor.edit())
        return;
    const QString typed = form->date ? editor.dateText() : editor.odometerText();
    if (applyChange(m_db, m_lists.list(kind), row, *form, typed, editor.dateToText(), context))
        afterCommand(kind, row);
}

void DeadlineWindow::deactivateRow() {
    const ReminderListKind kind = activeList();
    const int row = selectedRow();
    if (row >= 0 &&
        kv::deactivateRow(m_db, m_lists.list(kind), row, currentReminderCommandContext()))
        afterCommand(kind, row);
}

void DeadlineWindow::deactivateAllRows() {
    const ReminderListKind kind = activeList();
    if (deactivateAll(m_db, m_lists.list(kind), currentReminderCommandContext()) > 0)
        afterCommand(kind, 0);
}

void DeadlineWindow::deleteRow() {
    const ReminderListKind kind = activeList();
    const int row = selectedRow();
    if (row >= 0 && kv::deleteRow(m_db, m_lists.list(kind), row, currentReminderCommandContext()))
        afterCommand(kind, row);
}

void DeadlineWindow::exportCsv() {
    const ReminderListKind kind = activeList();
    ProgramOptions& o = programOptions();
    const std::optional<CsvSaveDialog::Choice> choice =
        CsvSaveDialog::ask(this, QDir::homePath(), reminderCsvName(kind),
                           o.csvUtf8 ? CsvEncoding::Utf8WithBom : CsvEncoding::Windows1250);
    if (!choice)
        return;
    o.csvUtf8 = choice->encoding == CsvEncoding::Utf8WithBom;
    const bool ok = exportReminderCsv(m_lists.list(kind), choice->fileName, choice->encoding);
    ui().information(QStringLiteral("Informacja"), ok ? kExportDoneText : kExportFailedText);
}

void DeadlineWindow::exportTxt() {
    const ReminderListKind kind = activeList();
    const QString file =
        QFileDialog::getSaveFileName(this, QStringLiteral("Eksportuj dane do pliku tekstowego"),
                                     QDir(QDir::homePath()).filePath(reminderTxtName(kind)),
                                     QStringLiteral("Plik tekstowy (*.txt);;Wszystkie pliki (*)"));
    if (file.isEmpty())
        return;
    const bool ok = exportReminderTxt(m_lists.list(kind), file, CsvEncoding::Windows1250);
    ui().information(QStringLiteral("Informacja"), ok ? kExportDoneText : kExportFailedText);
}

} // namespace kv
