#include "import/gui/ImportWindow.h"

#include "import/ImportSession.h"
#include "import/gui/ImportSheetModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

namespace kv {

namespace {

const QString kFilter = QStringLiteral("Arkusz .CSV (*.csv);;Wszystkie pliki (*)");
const QString kListHint = QStringLiteral("Wskaż kolumnę, która zawiera pożądaną informację");

QComboBox* editableList(const QStringList& entries, const QString& name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(true);
    list->addItems(entries);
    return list;
}

QLabel* bold(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

} // namespace

ImportWindow::ImportWindow(DataModule& db, ImportSession& session, QString settingsFile,
                           QWidget* parent)
    : QDialog(parent), m_db(db), m_session(session), m_settingsFile(std::move(settingsFile)) {
    setObjectName(session.layout().windowName);
    setWindowTitle(session.layout().caption);
    build();
    fillLists();
    pullChoices();
    refreshState();
}

QWidget* ImportWindow::buildOptions() {
    const ImportLayout& layout = m_session.layout();
    auto* box = new QWidget(this);
    auto* row = new QGridLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    int column = 0;
    const auto add = [&](const QString& label, QWidget* control) {
        row->addWidget(new QLabel(label, box), 0, column);
        row->addWidget(control, 1, column++);
    };
    m_separator =
        editableList({QStringLiteral(";"), QStringLiteral(",")}, QStringLiteral("separator"), box);
    add(QStringLiteral("Separator kolumn"), m_separator);
    if (layout.hasDateFormat) {
        m_dateFormat = new QComboBox(box);
        m_dateFormat->setObjectName(QStringLiteral("formatDaty"));
        m_dateFormat->addItems(importDateFormatTexts());
        add(QStringLiteral("Format daty"), m_dateFormat);
        connect(m_dateFormat, &QComboBox::currentIndexChanged, this, &ImportWindow::choicesChanged);
    }
    for (const ImportOption& o : layout.options) {
        QComboBox* list = editableList(o.entries, o.key, box);
        list->setEditable(!o.byIndex);
        m_options.insert(o.key, list);
        add(o.label, list);
        connect(list, &QComboBox::currentTextChanged, this, &ImportWindow::choicesChanged);
    }
    m_keep = new QCheckBox(QStringLiteral("Nie czyść ustawień po wczytaniu .CSV"), box);
    m_keep->setObjectName(QStringLiteral("nieCzysc"));
    row->addWidget(m_keep, 1, column++);
    row->setColumnStretch(column, 1);
    return box;
}

QWidget* ImportWindow::buildMapping() {
    const ImportLayout& layout = m_session.layout();
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    m_lists = QList<QComboBox*>(layout.listCount(), nullptr);
    // Two columns of label and list, in the lists' order.
    const int half = (layout.listCount() + 1) / 2;
    for (int list = 1; list <= layout.listCount(); ++list) {
        const ImportField* f = layout.field(list);
        auto* combo = new QComboBox(box);
        combo->setObjectName(QStringLiteral("cb%1").arg(list));
        combo->setToolTip(kListHint);
        combo->setMinimumContentsLength(14);
        m_lists[list - 1] = combo;
        const int r = (list - 1) % half;
        const int c = (list - 1) / half * 2;
        auto* label = new QLabel(f->label + (f->required ? QStringLiteral(" *)") : QString()), box);
        label->setWordWrap(true);
        grid->addWidget(label, r, c);
        grid->addWidget(combo, r, c + 1);
        connect(combo, &QComboBox::currentIndexChanged, this, &ImportWindow::choicesChanged);
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->addWidget(new QLabel(QStringLiteral("*) Informacje wymagane"), box), half, 0, 1, 4);
    return box;
}

void ImportWindow::build() {
    auto* main = new QVBoxLayout(this);
    main->addWidget(bold(m_session.layout().heading, this));
    main->addWidget(buildOptions());
    m_load = new QPushButton(QStringLiteral("Załaduj &arkusz .CSV"), this);
    m_load->setObjectName(QStringLiteral("bZaladuj"));
    m_load->setToolTip(QStringLiteral("Wczytaj arkusz .CSV do modułu importującego dane"));
    connect(m_load, &QPushButton::clicked, this, &ImportWindow::chooseFile);
    auto* loadRow = new QHBoxLayout;
    loadRow->addWidget(m_load);
    m_encoding = new QLabel(this);
    m_encoding->setObjectName(QStringLiteral("lKodowanie"));
    loadRow->addWidget(m_encoding, 1);
    main->addLayout(loadRow);

    main->addWidget(bold(QStringLiteral("Przypisz kolumnom arkusza odpowiednie znaczenie "
                                        "merytoryczne"),
                         this));
    main->addWidget(buildMapping());

    main->addWidget(bold(QStringLiteral("Obraz załadowanego arkusza:"), this));
    m_model = new ImportSheetModel(m_session, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("sgArkusz"));
    m_grid->setToolTip(
        QStringLiteral("Załadowany arkusz .CSV. W ostatnich kolumnach zapisano status importu"));
    m_grid->setModel(m_model);
    m_grid->horizontalHeader()->setDefaultSectionSize(100);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->setWordWrap(false);
    main->addWidget(m_grid, 1);

    auto* buttons = new QHBoxLayout;
    m_skipFirst = new QCheckBox(QStringLiteral("Pomiń pierwszy wiersz"), this);
    m_skipFirst->setObjectName(QStringLiteral("pominPierwszy"));
    m_skipFirst->setToolTip(
        QStringLiteral("Pomiń podczas importu pierwszy wiersz arkusza (np. nagłówki kolumn)"));
    connect(m_skipFirst, &QCheckBox::toggled, this, &ImportWindow::choicesChanged);
    buttons->addWidget(m_skipFirst);
    buttons->addStretch(1);
    const auto button = [this, buttons](const QString& text, const QString& name,
                                        const QString& hint) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    m_verify = button(QStringLiteral("Zw&eryfikuj"), QStringLiteral("bZweryfikuj"),
                      QStringLiteral("Weryfikuje poprawność arkusza"));
    m_import = button(QStringLiteral("&Importuj"), QStringLiteral("bImportuj"), QString());
    m_saveLog = button(QStringLiteral("Zapisz log"), QStringLiteral("bZapiszLog"),
                       QStringLiteral("Zapisz arkusz .CSV wraz z informacjami o wyniku importu"));
    m_close = button(QStringLiteral("&Zamknij"), QStringLiteral("bZamknij"), QString());
    connect(m_verify, &QPushButton::clicked, this, &ImportWindow::verify);
    connect(m_import, &QPushButton::clicked, this, &ImportWindow::runImport);
    connect(m_saveLog, &QPushButton::clicked, this, &ImportWindow::chooseLogFile);
    connect(m_close, &QPushButton::clicked, this, &ImportWindow::reject);
    main->addLayout(buttons);
    resize(980, 720);
}

void ImportWindow::showModal() {
    fillLists();
    pullChoices();
    refreshState();
    exec();
}

void ImportWindow::fillLists() {
    m_filling = true;
    const ImportLayout& layout = m_session.layout();
    for (int list = 1; list <= layout.listCount(); ++list) {
        QComboBox* combo = m_lists[list - 1];
        combo->clear();
        combo->addItems(mappingEntries(layout, list, m_session.sheet().width()));
    }
    m_filling = false;
}

void ImportWindow::pushChoices() {
    ImportChoices& c = m_session.choices();
    c.separator = m_separator->currentText();
    c.keepMapping = m_keep->isChecked();
    c.skipFirst = m_skipFirst->isChecked();
    if (m_dateFormat)
        c.dateFormat = static_cast<ImportDateFormat>(std::max(0, m_dateFormat->currentIndex()));
    for (auto it = m_options.cbegin(); it != m_options.cend(); ++it)
        c.options.insert(it.key(), (*it)->currentText());
    for (int i = 0; i < m_lists.size(); ++i)
        c.mapping[i] = std::max(0, m_lists[i]->currentIndex());
}

void ImportWindow::pullChoices() {
    m_filling = true;
    const ImportChoices& c = m_session.choices();
    m_separator->setCurrentText(c.separator);
    m_keep->setChecked(c.keepMapping);
    m_skipFirst->setChecked(c.skipFirst);
    if (m_dateFormat)
        m_dateFormat->setCurrentIndex(static_cast<int>(c.dateFormat));
    for (auto it = m_options.cbegin(); it != m_options.cend(); ++it) {
        const int index = (*it)->findText(c.option(it.key()));
        if (index >= 0)
            (*it)->setCurrentIndex(index);
        else
            (*it)->setCurrentText(c.option(it.key()));
    }
    for (int i = 0; i < m_lists.size(); ++i)
        m_lists[i]->setCurrentIndex(
            c.mapping.value(i, 0) < m_lists[i]->count() ? c.mapping.value(i, 0) : 0);
    m_filling = false;
}

void ImportWindow::choicesChanged() {
    if (m_filling)
        return;
    pushChoices();
    m_session.choicesChanged();
    refreshState();
}

void ImportWindow::refreshState() {
    m_verify->setEnabled(m_session.canVerify());
    m_import->setEnabled(m_session.canImport());
    m_saveLog->setEnabled(m_session.canSaveLog());
    m_encoding->setText(m_session.loaded()
                            ? QStringLiteral("Kodowanie arkusza: %1 (%2)")
                                  .arg(sheetEncodingName(m_session.sheet().encoding()),
                                       m_session.sheet().fileName())
                            : QString());
    m_model->reload();
    const int width = std::max(1, m_session.sheet().width());
    // A view keeps its sections' widths across a new sheet.
    for (int c = 0; c < width; ++c)
        m_grid->setColumnWidth(c, 100);
    m_grid->setColumnWidth(width, 100);
    m_grid->setColumnWidth(width + 1, 200);
}

void ImportWindow::chooseFile() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Otwórz arkusz .CSV"),
                                                      QString(), kFilter);
    if (!path.isEmpty())
        loadFile(path);
}

void ImportWindow::loadFile(const QString& path) {
    pushChoices();
    m_verify->setEnabled(false);
    m_import->setEnabled(false);
    m_saveLog->setEnabled(false);
    m_session.load(path, m_settingsFile);
    // The session decides what stays selected; the lists offer the new sheet.
    fillLists();
    pullChoices();
    refreshState();
}

void ImportWindow::verify() {
    pushChoices();
    m_session.verify(m_db);
    refreshState();
}

void ImportWindow::runImport() {
    pushChoices();
    m_session.runImport(m_db);
    refreshState();
}

void ImportWindow::chooseLogFile() {
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Zapisz wyniku importu do arkusza .CSV"), QString(), kFilter);
    if (!path.isEmpty())
        saveLogTo(path);
}

void ImportWindow::saveLogTo(const QString& path) {
    m_session.saveLog(path);
}

void ImportWindow::reject() {
    pushChoices();
    m_session.close(m_settingsFile);
    QDialog::reject();
}

} // namespace kv
