#include "framework/gui/RegisterSheetCommands.h"

#include "framework/RegisterController.h"
#include "framework/RegisterExport.h"
#include "framework/gui/CsvSaveDialog.h"
#include "framework/gui/FindTextDialog.h"
#include "framework/gui/RegisterGrid.h"
#include "storage/ProgramOptions.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kv {

namespace {

QString startDirectory() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

RegisterSheetCommands::RegisterSheetCommands(QWidget* window,
                                             std::function<RegisterGrid*()> visibleGrid)
    : QObject(window), m_window(window), m_visibleGrid(std::move(visibleGrid)) {}

RegisterSheetCommands::~RegisterSheetCommands() = default;

void RegisterSheetCommands::exportSheet() {
    RegisterGrid* grid = m_visibleGrid();
    if (!grid)
        return;
    if (m_directory.isEmpty() || !QFileInfo(m_directory).isDir())
        m_directory = startDirectory();
    const CsvEncoding remembered =
        programOptions().csvUtf8 ? CsvEncoding::Utf8WithBom : CsvEncoding::Windows1250;
    const std::optional<CsvSaveDialog::Choice> choice = CsvSaveDialog::ask(
        m_window, m_directory, grid->controller().descriptor().exportName + QStringLiteral(".csv"),
        remembered);
    if (!choice)
        return;
    if (choice->encoding != remembered) {
        programOptions().csvUtf8 = choice->encoding == CsvEncoding::Utf8WithBom;
        saveProgramOptions();
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    grid->controller().finishReading(); // the sheet holds every row, and so does the model
    const CsvOutcome outcome = exportRegister(*grid->model(), choice->fileName, choice->encoding);
    QApplication::restoreOverrideCursor();
    // The next sheet is proposed where this one went, if it went anywhere.
    if (outcome.written)
        m_directory = QFileInfo(choice->fileName).absolutePath();
    reportExport(outcome);
}

void RegisterSheetCommands::search() {
    RegisterGrid* grid = m_visibleGrid();
    if (!grid)
        return;
    m_search.start(grid->controller());
    grid->showCurrentRow();
    if (!m_find) {
        m_find = new FindTextDialog(m_window);
        connect(m_find, &FindTextDialog::findNext, this, &RegisterSheetCommands::findNext);
    }
    m_find->present();
}

void RegisterSheetCommands::findNext(const QString& text) {
    RegisterGrid* grid = m_visibleGrid();
    if (!grid)
        return;
    m_search.next(grid->controller(), *grid->model(), text, [grid] { grid->showCurrentRow(); });
}

void RegisterSheetCommands::hideFindWindow() {
    if (m_find)
        m_find->hide();
}

} // namespace kv
