#pragma once

#include "admin/ArchiveCopy.h"
#include "admin/SafetyCopy.h"

#include <QString>
#include <functional>
#include <optional>

namespace kv {

class DataModule;

struct RestoreOptions {
    SafetyCopyPolicy safety = SafetyCopyPolicy::Ask;
    // Tried when the current password does not open the archive, instead of
    // the prompt (karvento-cli --archive-password).
    std::optional<QString> archivePassword;
    // Called before each file is swapped in; false makes that swap fail
    // (tests use it to see everything put back).
    std::function<bool(const QString& file)> beforeSwap;
};

struct RestoreOutcome {
    AdminResult result = AdminResult::Cancelled;
    bool rekeyed = false;
    QString safetyCopy;
};

// The two questions asked before a restore ("Tak" to both goes on).
bool confirmRestore();

// " Przywróć z archiwum" after the questions. Every check comes before the
// company's files are touched: the description, the files (only
// "zuzycielpg.DB" may be missing: the company then keeps its own), the
// archive's password, each file whole and of this version's shape. The files
// are copied into a scratch folder inside the company directory and re-keyed
// there when their password differs; then a safety copy is made, the
// program's own connections let go of the files and each file is renamed
// over the company's, the replaced ones kept aside until all are in, so a
// failure puts every one back. The company is held alone throughout. The
// archive is never changed. Every outcome is said.
RestoreOutcome restoreArchive(DataModule& db, const QString& folder, const QString& currentPassword,
                              const RestoreOptions& options = {});

inline const QString kRestoredText =
    QStringLiteral("Operacja przebiegła pomyślnie. Dane zostały odtworzone z archiwum.");
inline const QString kRestoredRekeyedText = QStringLiteral(
    "Operacja przebiegła pomyślnie. Dane zostały odtworzone z archiwum i przyjęły hasło bieżącej "
    "bazy danych. Przy ponownej archiwizacji pliki zabezpieczone będą bieżącym hasłem bazy.");

} // namespace kv
