#pragma once

#include "framework/RecordCard.h"

namespace kv {

// The printed cards of the trips and of the odometer history.
const CardTable& tripCard();
const CardTable& odometerCard();

} // namespace kv
