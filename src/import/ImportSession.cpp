#include "import/ImportSession.h"

#include "storage/ErrorReport.h"
#include "support/CsvWriter.h"
#include "support/IniFile.h"
#include "support/UserInterface.h"
#include "users/Permissions.h"

#include <QFile>

namespace kv {

namespace {

const QString kQuestion = QStringLiteral("Pytanie");
const QString kInformation = QStringLiteral("Informacja");
const QString kWarning = QStringLiteral("Uwaga");

} // namespace

std::optional<ReadSheet> loadImportSheet(const ImportLayout& layout, const QString& path,
                                         QChar separator) {
    QFile file(path);
    QByteArray bytes;
    bool read = file.open(QIODevice::ReadOnly);
    if (read) {
        bytes = file.readAll();
        read = file.error() == QFileDevice::NoError;
    }
    if (!read) {
        reportDatabaseError(kImportOpenFailedText + file.errorString(), false, 809);
        return std::nullopt;
    }
    const DecodedText text = decodeSheetBytes(bytes);
    if (!text.refusal.isEmpty()) {
        reportDatabaseError(kImportBadSheetText + QStringLiteral(": ") + text.refusal, false,
                            layout.loadCode);
        return std::nullopt;
    }
    ReadSheet sheet = splitSheet(text.text, separator);
    sheet.encoding = text.encoding;
    return sheet;
}

ImportSession::ImportSession(const ImportLayout& layout)
    : m_layout(layout), m_choices(defaultImportChoices(layout)) {}

bool ImportSession::load(const QString& path, const QString& settingsFile) {
    m_canVerify = m_canImport = m_canSaveLog = false;
    const int previousWidth = m_sheet.width();
    m_sheet = ImportSheet();
    if (m_choices.separator.isEmpty()) {
        ui().information(QStringLiteral("Błąd"), QStringLiteral("Niepoprawny separator kolumn!"));
        return false;
    }
    std::optional<ReadSheet> read = loadImportSheet(m_layout, path, m_choices.separator.at(0));
    if (!read)
        return false;
    m_sheet = ImportSheet(std::move(*read), path);
    const bool keep = m_loaded && m_choices.keepMapping && m_sheet.width() == previousWidth;
    if (!keep)
        m_choices.mapping = QList<int>(m_layout.listCount(), 0);
    m_canVerify = true;
    m_loaded = true;
    m_errors = false;
    if (ui().question(kQuestion, QStringLiteral("Arkusz załadowany poprawnie. Czy przywrócić "
                                                "poprzednią konfigurację imporu?"))) {
        IniFile ini(settingsFile);
        ini.load();
        QStringList dropped;
        readImportSettings(ini, m_layout, m_sheet.width(), m_choices, &dropped);
        if (!dropped.isEmpty())
            ui().information(kWarning,
                             QStringLiteral("Zapamiętana konfiguracja wskazuje kolumny, których "
                                            "arkusz nie ma. Ustawiono \u201eBrak danych\u201d "
                                            "dla pól: %1.")
                                 .arg(dropped.join(QStringLiteral(", "))));
    }
    return true;
}

void ImportSession::choicesChanged() {
    m_canVerify = m_sheet.width() > 0;
    m_canImport = m_canSaveLog = false;
}

void ImportSession::verify(DataModule& db) {
    m_errors = false;
    m_canVerify = false;
    m_canImport = m_canSaveLog = true;
    m_errors = verifyImport(db, m_sheet, m_layout, m_choices).faulty > 0;
    if (m_errors)
        ui().information(kWarning, QStringLiteral("Wykryto błędy weryfikacji danych. Sprawdź "
                                                  "komentarz w kolumnie po prawo w tabeli .CSV"));
    else
        ui().information(kInformation,
                         QStringLiteral("Nie wykryto problemów. Arkusz .CSV wydaje się być "
                                        "poprawny."));
}

bool ImportSession::runImport(DataModule& db) {
    if (!currentLogin().permissions.has(permission::Import)) {
        ui().information(kInformation, kImportNoPermissionText);
        return false;
    }
    const QString question =
        QStringLiteral("Zalecamy wykonanie archiwizacji bazy danych przed dokonaniem importu. ") +
        (m_errors ? QStringLiteral("W zweryfikowanym arkuszu wykryto błędy. Czy kontynuować "
                                   "import danych z pominięciem usterek?")
                  : QStringLiteral("Czy kontynuować import danych?"));
    if (!ui().question(kWarning, question))
        return false;
    {
        // The progress window goes before the result is told.
        ProgressWindow progress;
        ImportPassOptions options;
        // Skipping faulty lines is what the user agreed to; lines found faulty
        // only now, on a sheet that verified clean, stop the import instead.
        options.skipFaulty = m_errors;
        options.progress = [&progress](int done, int total) {
            progress.step(QStringLiteral("Import danych"), total > 0 ? done * 100 / total : 100);
        };
        m_result = importSheetLines(db, m_sheet, m_layout, m_choices, options);
    }
    if (m_result.faulty > 0)
        m_errors = true;
    ui().information(kInformation, importSummary(m_result));
    return m_result.completed;
}

bool ImportSession::saveLog(const QString& path) {
    const CsvEncoding encoding = m_sheet.encoding() == SheetEncoding::Windows1250
                                     ? CsvEncoding::Windows1250
                                     : CsvEncoding::Utf8WithBom;
    const bool ok = bool(writeCsv(m_sheet.rows(), path, encoding, CsvQuotes::Doubled));
    ui().information(kInformation, ok ? QStringLiteral("Arkusz wynikowy zapisano.")
                                      : QStringLiteral("Wystąpił błąd podczas zapisu arkusza "
                                                       "wynikowego."));
    return ok;
}

void ImportSession::close(const QString& settingsFile) {
    if (!ui().question(kQuestion, QStringLiteral("Czy zapamiętać konfigurację imporu?")))
        return;
    IniFile ini(settingsFile);
    ini.load();
    writeImportSettings(ini, m_layout, m_choices);
    ini.save();
}

} // namespace kv
