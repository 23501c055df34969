#include "support/TVxCollectionExceptions.h"

namespace kv {

EEmptyVectorException::EEmptyVectorException()
    : std::logic_error("TVxObjectVector: Vector is empty.") {}

EIndexOutOfRangeException::EIndexOutOfRangeException()
    : std::out_of_range("TVxObjectVector: Index out of range.") {}

EInvalidIteratorException::EInvalidIteratorException()
    : std::out_of_range("TVxObjectListIterator: Invalid Iterator.") {}

} // namespace kv
