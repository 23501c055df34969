#pragma once

#include "support/gui/dialogs/MessageDialog.h"

namespace kv {

// The information window: a caption, a message and "  &OK    ". The button,
// Enter and Escape close it.
class InfoDialog : public MessageDialog {
    Q_OBJECT
public:
    explicit InfoDialog(QWidget* parent = nullptr);

    // Fills the window, lets pending repaints of other windows run, then shows
    // it modally.
    void showInformation(const QString& caption, const QString& message);

    QPushButton* okButton() const { return m_ok; }

private:
    QPushButton* m_ok;
};

} // namespace kv
