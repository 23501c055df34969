#include "framework/gui/CsvSaveDialog.h"

#include "support/UserInterface.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMimeDatabase>
#include <QToolButton>

namespace kv {

namespace {

// Icons and type names by the name's extension alone. The toolkit's own
// provider reads the start of every file it lists to tell its type, which
// blocks the whole program on a file that never answers (a named pipe in
// the folder, /proc/kmsg, a device).
class ExtensionIconProvider : public QFileIconProvider {
public:
    QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
    QIcon icon(const QFileInfo& info) const override {
        if (info.isRoot())
            return QFileIconProvider::icon(Drive);
        return QFileIconProvider::icon(info.isDir() ? Folder : File);
    }
    QString type(const QFileInfo& info) const override {
        if (info.isDir())
            return QStringLiteral("Folder");
        return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension).comment();
    }
};

// The dialog's own words, so that it speaks Polish also where the toolkit's
// translations are not installed.
void polishTexts(QFileDialog& d) {
    d.setLabelText(QFileDialog::LookIn, QStringLiteral("Zapisz w:"));
    d.setLabelText(QFileDialog::FileName, QStringLiteral("Nazwa pliku:"));
    d.setLabelText(QFileDialog::FileType, QStringLiteral("Zapisz jako typ:"));
    d.setLabelText(QFileDialog::Accept, QStringLiteral("&Zapisz"));
    d.setLabelText(QFileDialog::Reject, QStringLiteral("&Anuluj"));
    const struct {
        const char* name;
        const char* hint;
    } buttons[] = {{"backButton", "Wstecz"},
                   {"forwardButton", "Dalej"},
                   {"toParentButton", "Folder nadrzędny"},
                   {"newFolderButton", "Utwórz nowy folder"},
                   {"listModeButton", "Lista"},
                   {"detailModeButton", "Szczegóły"}};
    for (const auto& b : buttons)
        if (auto* button = d.findChild<QToolButton*>(QLatin1String(b.name)))
            button->setToolTip(QString::fromUtf8(b.hint));
    const struct {
        const char* name;
        const char* text;
    } actions[] = {{"qt_rename_action", "&Zmień nazwę"},
                   {"qt_delete_action", "&Usuń"},
                   {"qt_show_hidden_action", "Pokaż &ukryte pliki"},
                   {"qt_new_folder_action", "&Nowy folder"}};
    for (const auto& a : actions)
        if (auto* action = d.findChild<QAction*>(QLatin1String(a.name)))
            action->setText(QString::fromUtf8(a.text));
}

} // namespace

CsvSaveDialog::CsvSaveDialog(QWidget* parent, const QString& directory, const QString& proposedName,
                             CsvEncoding encoding)
    : QFileDialog(parent), m_encoding(new QComboBox(this)) {
    setObjectName(QStringLiteral("CSVFileName"));
    setWindowTitle(QStringLiteral("Eksportuj dane do arkusza .CSV"));
    // The toolkit's own dialog, so that the encoding can sit under the name.
    setOption(QFileDialog::DontUseNativeDialog, true);
    // The question before replacing a file is the program's own (below).
    setOption(QFileDialog::DontConfirmOverwrite, true);
    // One provider for every dialog: the folder model's worker may still ask
    // it while a dialog is being destroyed.
    static ExtensionIconProvider icons;
    setIconProvider(&icons);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters({QStringLiteral("Arkusz .CSV (*.csv)"), QStringLiteral("Wszystkie pliki (*)")});
    setDefaultSuffix(QStringLiteral("csv"));
    setDirectory(directory);
    selectFile(proposedName);
    polishTexts(*this);

    m_encoding->setObjectName(QStringLiteral("CSVEncoding"));
    m_encoding->addItem(QStringLiteral("Windows-1250 (arkusze w polskim systemie Windows)"),
                        static_cast<int>(CsvEncoding::Windows1250));
    m_encoding->addItem(QStringLiteral("UTF-8 z BOM (zachowuje wszystkie znaki)"),
                        static_cast<int>(CsvEncoding::Utf8WithBom));
    m_encoding->setCurrentIndex(encoding == CsvEncoding::Utf8WithBom ? 1 : 0);
    m_encoding->setToolTip(
        QStringLiteral("Windows-1250 zastępuje znakiem „?” litery spoza tej strony kodowej; "
                       "UTF-8 zachowuje wszystkie"));
    auto* label = new QLabel(QStringLiteral("&Kodowanie:"), this);
    label->setBuddy(m_encoding);
    // The dialog lays out its fields in a grid: the name, then the type; the
    // encoding goes in the row below them.
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(m_encoding, row, 1, 1, std::max(1, grid->columnCount() - 2));
    }
}

CsvEncoding CsvSaveDialog::encoding() const {
    return static_cast<CsvEncoding>(m_encoding->currentData().toInt());
}

void CsvSaveDialog::accept() {
    const QStringList files = selectedFiles();
    const QFileInfo chosen(files.value(0));
    if (files.size() == 1 && chosen.exists() && !chosen.isDir()) {
        const QString question = QStringLiteral("Plik „%1” już istnieje.\nCzy chcesz go zastąpić?")
                                     .arg(chosen.fileName());
        if (!ui().question(QStringLiteral("Potwierdź zapisanie"), question, DefaultAnswer::No))
            return; // the dialog stays open for another name
    }
    QFileDialog::accept();
}

std::optional<CsvSaveDialog::Choice> CsvSaveDialog::ask(QWidget* parent, const QString& directory,
                                                        const QString& proposedName,
                                                        CsvEncoding encoding) {
    CsvSaveDialog dialog(parent, directory, proposedName, encoding);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return Choice{dialog.selectedFiles().first(), dialog.encoding()};
}

} // namespace kv
