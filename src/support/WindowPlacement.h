#pragma once

#include <QRect>

namespace kv {

// A window's frame moved and shrunk as little as needed to lie inside the
// available area of its screen (a size stored on a larger screen must not
// put the window's lower edge, and its command row, out of reach). An invalid
// area leaves the frame as it is.
QRect placeWithin(const QRect& frame, const QRect& available);

} // namespace kv
