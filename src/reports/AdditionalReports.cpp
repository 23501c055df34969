#include "reports/AdditionalReports.h"

#include "storage/ErrorReport.h"
#include "storage/SettingsPaths.h"
#include "support/UserInterface.h"

#include <QDir>
#include <QFile>

namespace kv {

namespace {
constexpr qint64 kOpenFailureCode = 121726;
constexpr int kMaxEntries = 100;
} // namespace

QList<AdditionalReport> loadAdditionalReports(const QString& folder) {
    const QDir dir(folder.isEmpty() ? settingsDirectory() : folder);
    QList<AdditionalReport> list;
    for (const char* name : {"rpdmp1.cfg", "rpdmp2.cfg"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        for (QString line : lines) {
            if (list.size() >= kMaxEntries)
                return list;
            line = line.trimmed();
            const qsizetype comma = line.indexOf(u',');
            if (comma <= 0)
                continue;
            list.append({line.left(comma).trimmed(), line.mid(comma + 1).trimmed()});
        }
    }
    return list;
}

void openAdditionalReport(const QList<AdditionalReport>& list, int index) {
    if (list.isEmpty()) {
        ui().information(QStringLiteral("Informacja"),
                         QStringLiteral("Nie zainstalowano raportów dodatkowych. Raporty możesz "
                                        "zamówić na naszej stronie internetowej."));
        return;
    }
    const AdditionalReport& chosen = list.value(std::clamp(index, 0, int(list.size()) - 1));
    reportDatabaseError(QStringLiteral("Błąd podczas uruchamiania raportu. Oryginalny komunikat: "
                                       "nie znaleziono okna raportu %1")
                            .arg(chosen.window),
                        true, kOpenFailureCode);
}

} // namespace kv
