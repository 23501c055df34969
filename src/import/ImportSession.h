#pragma once

#include "import/ImportChoices.h"
#include "import/ImportPasses.h"
#include "import/ImportSheet.h"

namespace kv {

class DataModule;

// One import's window state, kept for the whole run: the loaded sheet with
// its status columns, the choices, whether the sheet has been loaded and
// verified, and the states of the buttons. Every step tells and asks the user
// through kv::ui(), so the window only shows what this holds and the tests
// drive it with scripted answers.
class ImportSession {
public:
    explicit ImportSession(const ImportLayout& layout);

    const ImportLayout& layout() const { return m_layout; }
    ImportChoices& choices() { return m_choices; }
    const ImportChoices& choices() const { return m_choices; }
    const ImportSheet& sheet() const { return m_sheet; }
    bool loaded() const { return m_loaded; }
    bool errorsFound() const { return m_errors; }

    bool canVerify() const { return m_canVerify; }
    bool canImport() const { return m_canImport; }
    bool canSaveLog() const { return m_canSaveLog; }

    // Loads a sheet with the chosen separator (the first character of its
    // text); on success asks whether to restore the stored choices from the
    // settings file. False when the sheet could not be loaded (told).
    bool load(const QString& path, const QString& settingsFile);
    // A mapping list or "Pomiń pierwszy wiersz" changed: verify again first.
    void choicesChanged();
    // Checks every data line and tells the result.
    void verify(DataModule& db);
    // Asks, then stores the good lines in one transaction and tells how many.
    // False when nothing was done (declined, no permission).
    bool runImport(DataModule& db);
    // Writes the loaded sheet with its status columns (quotes doubled, in the
    // sheet's encoding) and tells how it went.
    bool saveLog(const QString& path);
    // Asks whether to keep the choices, and writes them to the settings file.
    void close(const QString& settingsFile);

    // What the last run of the import added (for the command-line tool).
    const ImportPassResult& lastResult() const { return m_result; }

private:
    const ImportLayout& m_layout;
    ImportChoices m_choices;
    ImportSheet m_sheet;
    ImportPassResult m_result;
    bool m_loaded = false;
    bool m_errors = false;
    bool m_canVerify = false;
    bool m_canImport = false;
    bool m_canSaveLog = false;
};

inline const QString kImportOpenFailedText = QStringLiteral(
    "Błąd podczas otwierania pliku. Jeśli plik otwarty jest w innym programie (Np. MS Excel), "
    "zamknij go i spróbuj załadować go ponownie. ");
inline const QString kImportBadSheetText = QStringLiteral("Niepoprawny format arkusza .CSV");
inline const QString kImportNoPermissionText =
    QStringLiteral("Brak uprawnień do importowania danych.");

// Reads a sheet file as the window loads it: nothing, with the failure
// reported (code 809 when the file cannot be read, the layout's code when it
// is no sheet), when it cannot be used.
std::optional<ReadSheet> loadImportSheet(const ImportLayout& layout, const QString& path,
                                         QChar separator);

} // namespace kv
