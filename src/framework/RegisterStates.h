#pragma once

#include "framework/RegisterViewState.h"
#include "framework/Registers.h"

#include <array>

namespace kv {

class DataModule;

// Every register's view state and the shared filter values of the open
// company; they start again from the defaults whenever a company opens.
struct RegisterStates {
    explicit RegisterStates(DataModule& db);
    // Defaults: default sort ascending, no vehicle (registers filtered by the
    // vehicle's id show nothing until a vehicle is chosen), no extra filters,
    // the given year.
    void reset(int year);

    std::array<RegisterViewState, kRegisterCount> views;
    SharedFilters filters;
};

RegisterViewState& registerState(DataModule& db, RegisterId id);
SharedFilters& sharedFilters(DataModule& db);

} // namespace kv
