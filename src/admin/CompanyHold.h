#pragma once

#include "storage/engine/PresenceLock.h"

#include <QString>
#include <memory>

namespace kv {

class DataModule;

using CompanyHold = std::unique_ptr<engine::PresenceLock::Exclusive>;

// The open company's short name as the company list has it (its folder when
// the list cannot be read).
QString openCompanyName(DataModule& db);

// Holds the open company alone for work that replaces many rows or whole
// files: other programs can neither be in it nor come in while it is held
// (this program's own connections are counted as one). Null after telling
// that another program works with the company, followed by the outcome
// ("Danych nie usunięto.").
CompanyHold holdCompanyAlone(DataModule& db, const QString& outcome);

// Whether another program works with the open company now: told the same
// way, for work that takes the tables one by one (packing).
bool anotherProgramInCompany(DataModule& db, const QString& outcome);

} // namespace kv
