#pragma once

#include "data/GuideWindow.h"

namespace kv {

// The first-run guide: what the database is, the choice between a new and an
// existing database, and how several computers share one database folder.
// " Kontynuuj  >>" or Escape closes it; the other button opens the user's
// manual. Show it with exec().
class TfTutorial1 : public GuideWindow {
    Q_OBJECT
public:
    explicit TfTutorial1(QWidget* parent = nullptr);

    static const QString kManualFile; // "Instrukcja obsługi.pdf"
};

} // namespace kv
