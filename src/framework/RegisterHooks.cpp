#include "framework/RegisterHooks.h"

#include <array>

namespace kv {

RegisterHooks& registerHooks(RegisterId id) {
    static std::array<RegisterHooks, kRegisterCount> hooks;
    return hooks[static_cast<size_t>(id)];
}

} // namespace kv
