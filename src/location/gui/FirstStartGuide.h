#pragma once

#include "location/gui/GuideWindow.h"

namespace kv {

// The first-run guide: what the database is, the choice between a new and an
// existing database, and how several computers share one database folder.
// " Kontynuuj  >>" or Escape closes it; the other button opens the user's
// manual. Show it with exec().
class FirstStartGuide : public GuideWindow {
    Q_OBJECT
public:
    explicit FirstStartGuide(QWidget* parent = nullptr);

    static const QString kManualFile; // "Instrukcja obsługi.pdf"
};

} // namespace kv
