#pragma once

#include <QList>
#include <QString>

namespace kv {

// An additional report module of the "Raporty dodatkowe" tab: the name the
// list shows and the name of the window it opens.
struct AdditionalReport {
    QString name;
    QString window;
};

// Reads "rpdmp1.cfg" then "rpdmp2.cfg" of the folder (the settings folder by
// default): one entry per line, the name before the first ",", the window
// after it; lines without a comma and blank lines are skipped; at most 100.
QList<AdditionalReport> loadAdditionalReports(const QString& folder = QString());

// "Otwórz wskazany raport": the modules are separate programs this version
// does not have, so an empty list tells how to get them and a chosen entry
// is reported as a failure to open (code 121726).
void openAdditionalReport(const QList<AdditionalReport>& list, int index);

} // namespace kv
