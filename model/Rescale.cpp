#include "Rescale.h"

#include <cstdint>

LONG RescaleCoordinate(LONG x, int from, int to) {
    const auto product = static_cast<std::uint32_t>(to) * static_cast<std::uint32_t>(x);
    const auto sum = static_cast<std::int32_t>(product + static_cast<std::uint32_t>(from / 2));
    return sum / from;
}

bool RescaleRect(RECT& rect, int fromWidth, int fromHeight, int toWidth, int toHeight) {
    const bool width = fromWidth != toWidth;
    const bool height = fromHeight != toHeight;
    if ((width && fromWidth <= 0) || (height && fromHeight <= 0)) {
        return false;
    }
    if (width) {
        rect.left = RescaleCoordinate(rect.left, fromWidth, toWidth);
        rect.right = RescaleCoordinate(rect.right, fromWidth, toWidth);
    }
    if (height) {
        rect.top = RescaleCoordinate(rect.top, fromHeight, toHeight);
        rect.bottom = RescaleCoordinate(rect.bottom, fromHeight, toHeight);
    }
    return true;
}
