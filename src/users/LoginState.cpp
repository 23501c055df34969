#include "users/Permissions.h"

namespace kv {

LoginState& currentLogin() {
    static LoginState state;
    return state;
}

} // namespace kv
