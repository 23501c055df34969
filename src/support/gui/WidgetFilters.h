#pragma once

#include <functional>

class QWidget;

namespace kv {

// A list changes only when the user means it: a wheel notch over a closed
// list, on the way to the grid, must not change a filter.
void ignoreWheel(QWidget* widget);
// Runs the action when Enter is pressed in the widget (the key goes no further).
void onEnter(QWidget* widget, std::function<void()> action);

} // namespace kv
