// Upgrade 1.0.6: consumption norms, tachograph and odometer reminders of a
// vehicle; odometer reminders of documents, repairs, tyres, calendar entries
// and equipment; the per-distance and per-hour fuel registers, the odometer
// history and damages.
#include "schema/upgrades/SchemaUpgradeSteps.h"

namespace kv {

namespace {
const QString kVersion = QStringLiteral("1.0.6");
} // namespace

void upgradeTo106(UpgradeTarget& target) {
    if (markerExists(target, kVersion))
        return;
    UpgradeStep step(target, kVersion);
    const QString ext = QStringLiteral(".BK2");
    step.backupTable(QStringLiteral("pojazdy"), ext, 1200001, 1200002);
    step.backupTable(QStringLiteral("dokumenty"), ext, 1200003, 1200004);
    step.backupTable(QStringLiteral("naprawy"), ext, 1200005, 1200006);
    step.backupTableIfPresent(QStringLiteral("opony"), ext, 1200007, 1200008);
    step.backupTableIfPresent(QStringLiteral("terminy"), ext, 1200009, 1200010);
    step.backupTable(QStringLiteral("wyposazenie"), ext, 1200011, 1200012);

    step.alter({QStringLiteral("pojazdy"),
                floatColumns({QStringLiteral("NORMAOD"), QStringLiteral("NORMADO"),
                              QStringLiteral("DATATACHO"), QStringLiteral("LICZPRZEG"),
                              QStringLiteral("LICZGWAR")}),
                {},
                {1200013, QStringLiteral("dodano nowe pola w zbiorze pojazdy.DB")},
                {},
                {},
                1200014});

    struct Reminder {
        const char* table;
        qint64 added;
        qint64 failure;
    };
    for (const Reminder& r :
         {Reminder{"dokumenty", 1200015, 1200016}, Reminder{"naprawy", 1200017, 1200018},
          Reminder{"opony", 1200019, 1200020}, Reminder{"terminy", 1200021, 1200022},
          Reminder{"wyposazenie", 1200023, 1200024}}) {
        const QString table = QString::fromLatin1(r.table);
        step.alter({table,
                    floatColumns({QStringLiteral("LICZTERM")}),
                    {},
                    {r.added,
                     QStringLiteral("dodano nowe pole w zbiorze ") + table + QStringLiteral(".DB")},
                    {},
                    {},
                    r.failure});
    }

    for (const char* file : {"zuzyciekm.DB", "zuzyciekmlpg.DB", "zuzyciemth.DB", "zuzyciemthlpg.DB",
                             "przebiegi.DB", "szkody.DB"})
        step.addTable(QString::fromLatin1(file), 1200025, 1200026,
                      QStringLiteral("dodano tabel %1"));
    step.finish(1200027);
}

} // namespace kv
