#pragma once

#include "framework/RecordCard.h"

namespace kv {

// The printed card of a row of allowance rates: the kinds 5 to 20 under the
// names the rates window gives them (its labels), one line each, also where
// the rate is empty.
const CardTable& rateCard();

} // namespace kv
