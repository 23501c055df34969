#include "support/WindowPlacement.h"

#include <algorithm>

namespace kv {

QRect placeWithin(const QRect& frame, const QRect& available) {
    if (!available.isValid() || !frame.isValid())
        return frame;
    QRect placed(frame.topLeft(), frame.size().boundedTo(available.size()));
    placed.moveLeft(
        std::clamp(placed.left(), available.left(), available.right() - placed.width() + 1));
    placed.moveTop(
        std::clamp(placed.top(), available.top(), available.bottom() - placed.height() + 1));
    return placed;
}

} // namespace kv
