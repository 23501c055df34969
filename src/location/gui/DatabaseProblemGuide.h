#pragma once

#include "location/gui/GuideWindow.h"

namespace kv {

// Shown when the database cannot be opened: a wrong password, or missing
// access rights to the database folder, the settings directory or the
// engine's files. "Dalej >>", Enter or Escape closes it; the other button
// opens the guide on access rights. Show it with exec().
class DatabaseProblemGuide : public GuideWindow {
    Q_OBJECT
public:
    // The folder named in the text: the given one, else the program's database.
    explicit DatabaseProblemGuide(QWidget* parent = nullptr, const QString& databaseFolder = {});

    static const QString kAccessRightsFile; // "Uprawnienia dostępu.pdf"
};

} // namespace kv
