#pragma once

#include <stdexcept>

namespace kv {

// Raised by TVxObjectVector::removeLast on an empty vector:
// "TVxObjectVector: Vector is empty."
class EEmptyVectorException : public std::logic_error {
public:
    EEmptyVectorException();
};

// Raised by TVxObjectVector for an index outside 0 to count - 1:
// "TVxObjectVector: Index out of range."
class EIndexOutOfRangeException : public std::out_of_range {
public:
    EIndexOutOfRangeException();
};

// Raised by TVxObjectListIterator::next past the last item:
// "TVxObjectListIterator: Invalid Iterator."
class EInvalidIteratorException : public std::out_of_range {
public:
    EInvalidIteratorException();
};

} // namespace kv
