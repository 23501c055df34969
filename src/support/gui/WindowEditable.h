#pragma once

class QWidget;

namespace kv {

// Switches an edit window between editing and read-only display: text fields
// become read-only, lists, check boxes and date fields are disabled, tool
// buttons are hidden, and the "&Anuluj" button becomes the single closing
// "&OK" button (and back).
void setWindowEditable(QWidget* window, bool editable);

} // namespace kv
