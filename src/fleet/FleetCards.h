#pragma once

#include "framework/RecordCard.h"

namespace kv {

// The printed cards of the vehicles and the employees.
const CardTable& vehicleCard();
const CardTable& employeeCard();

} // namespace kv
