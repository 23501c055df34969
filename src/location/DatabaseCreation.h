#pragma once

#include <QString>
#include <QStringList>

namespace kv {

// Creating a database location or one company from the installation templates
// ("data/empty", "data/demo", "data/firmy.D_", "data/firmyblank.D_",
// "data/odleglosci.D_" below the installation directory).

enum class CreationMode {
    NewDatabase, // firmy.DB and odleglosci.DB in the target, with demonstration data
                 // also the 30 tables of the company "demo" in target/demo
    NewCompany,  // the 30 empty company tables in the target
};

// Copies the templates into the target (missing folders are created), protects
// every copied table with the password instead of the template password and
// writes the upgrade markers into the company directory (the target, or
// target/demo), so that no upgrade ever runs on new data. A new database
// without demonstration data has no company yet and gets no markers. A new
// company also gets its initial dictionary entries and allowance rates (see
// CompanyInitialData.h): the empty templates hold no rows.
//
// Templates missing from the installation are told (InstallationCheck.h) and
// answer false before anything is made. A failed copy is shown ("Nie udało się stworzyć nowej
// firmy." or "... bazy danych.") and answers false; a table that cannot be re-protected is reported
// by setTablePassword (code 220) and answers false. A marker that cannot be
// written changes nothing. Progress is shown through kv::ui().
bool createFromTemplates(const QString& target, CreationMode mode, bool withDemo,
                         const QString& password);

// The files the upgrades look for: their presence means "already done".
const QStringList& upgradeMarkerNames();
// Writes every marker (empty files) into a company directory; false when one
// of them could not be written.
bool writeUpgradeMarkers(const QString& companyDirectory);

// The folder of the demonstration company inside a new database.
inline const QString kDemoCompanyFolder = QStringLiteral("demo");

// True when the directory holds a database: "firmy.DB" in it.
bool isDatabaseDirectory(const QString& directory);

// A path without the separators at its end ("/srv/baza/" -> "/srv/baza").
QString withoutTrailingSeparator(QString path);

} // namespace kv
