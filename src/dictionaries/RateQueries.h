#pragma once

#include "storage/ChangeTemplate.h"

#include <QStringList>

namespace kv {

class DataModule;

// The rate columns of stawki.DB after DATAOD, in column order: LW900, GT900,
// MOTOCYKL, MOTOROWER, RDPOJ5 .. RDPOJ20.
constexpr int kRateColumnCount = 20;
const QStringList& rateColumns();

// The allowance rate register's statements: the grid query DBFStawki (sort
// column on line 1, direction on line 2) and the insert and update templates
// DBFInsertStawki and DBFUpdateStawki (DATAOD, then the twenty rates; the
// update selects the row by its old DATAOD).
void registerRateQueries(DataModule& db);

const ChangeTemplate& rateInsertShape();
const ChangeTemplate& rateUpdateShape();

} // namespace kv
