#pragma once

#include "dictionaries/RateForm.h"
#include "framework/RegisterEditing.h"

#include <QStringList>

namespace kv {

class DataModule;

// The allowance rate register's statements: the grid query DBFStawki and the
// insert and update (DATAOD, then the twenty rates; the update selects the
// row by its old DATAOD); and its hook naming the rate columns after the
// vehicle kinds.
void registerRateQueries(DataModule& db);

inline const QString kDuplicateRateDateText =
    QStringLiteral("Istnieje już definicja stawek na podaną datę.");

// What the rates window is told: its twenty rate labels (named after the
// vehicle kinds), by column; and back.
FormSetup rateFormSetup(const QStringList& labels);
QStringList rateLabels(const FormSetup& setup);

// The rate register's part of the add and edit cycle: one row per starting
// date (a date another row has is refused; an edit that keeps its date is
// not), and the cursor on the saved date.
RegisterEditing<RateFormValues> rateEditing(std::function<QStringList()> labels);
EditSteps rateEditSteps(RegisterController& reg, FormView<RateFormValues>& form,
                        std::function<QStringList()> labels);

} // namespace kv
