#pragma once

#include <QList>
#include <QString>

namespace kv {

class DataModule;

// Where an employee number is still named: one entry per table that stores
// employee numbers and holds the number, with how often.
struct EmployeeReference {
    QString table;
    int count;
};
QList<EmployeeReference> employeeReferences(DataModule& db, const QString& number);

// "2 pojazdach, 106 przejazdach, 1 karcie paliwowej": how a question names
// them; empty for none.
QString employeeReferenceText(const QList<EmployeeReference>& references);

// The question asked before an employee still named elsewhere is deleted
// (empty when nothing names the number), and before a record is saved under a
// number that records of a deleted employee still name.
QString employeeDeleteQuestion(DataModule& db, const QString& number);
QString employeeReuseQuestion(DataModule& db, const QString& number);

} // namespace kv
