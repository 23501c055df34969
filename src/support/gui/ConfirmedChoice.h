#pragma once

#include <functional>

class QComboBox;

namespace kv {

// Runs onChoice when a list's choice is settled: a change made while the list
// is closed (arrow keys), Enter on the list, or Enter in its open list. A click
// in the open list only moves the choice; it applies with the next Enter, so a
// user can look through the list without the register refreshing each time.
void onConfirmedChoice(QComboBox* list, std::function<void()> onChoice);

} // namespace kv
