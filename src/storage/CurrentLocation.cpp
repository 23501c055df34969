#include "storage/CurrentLocation.h"

namespace kv {

DatabaseLocation& currentDatabaseLocation() {
    static DatabaseLocation current;
    return current;
}

} // namespace kv
