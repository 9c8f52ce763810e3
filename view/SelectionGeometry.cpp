#include "SelectionGeometry.h"

#include <cstdint>
#include <cstdio>
#include <utility>

namespace {

// Stored areas are used as they are, so coordinates may sit at the ends of a 32-bit integer.
// Sums and differences are taken in 64 bits and wrap back to 32, as the processor's
// arithmetic does, never overflowing.
using Wide = std::int64_t;

LONG Wrap(Wide value) {
    return static_cast<LONG>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

LONG Add(LONG a, Wide b) {
    return Wrap(a + b);
}

LONG Distance(LONG from, LONG to) {
    return Wrap(static_cast<Wide>(to) - from);
}

Wide Magnitude(LONG from, LONG to) {
    const Wide d = static_cast<Wide>(to) - from;
    return d < 0 ? -d : d;
}

RECT Offset(const RECT& rect, Wide dx, Wide dy) {
    return RECT{Add(rect.left, dx), Add(rect.top, dy), Add(rect.right, dx), Add(rect.bottom, dy)};
}

} // namespace

std::optional<AspectRatio> AspectRatioFor(int nAspectRatio) {
    if (nAspectRatio == 0) {
        return AspectRatio{4, 3};
    }
    if (nAspectRatio == 2) {
        return std::nullopt;
    }
    return AspectRatio{16, 9};
}

POINT ConstrainAspect(POINT fixed, POINT moving, int nAspectRatio, const RECT& client) {
    const std::optional<AspectRatio> ratio = AspectRatioFor(nAspectRatio);
    if (!ratio) {
        return moving;
    }
    const Wide w = Magnitude(fixed.x, moving.x);
    const Wide h = Magnitude(fixed.y, moving.y);
    const auto toward = [](LONG from, LONG to, Wide length) {
        return from < to ? Add(from, length) : Add(from, -length);
    };
    if (w > h) {
        const LONG y = toward(fixed.y, moving.y, w * ratio->den / ratio->num);
        if (fixed.y < moving.y ? y <= client.bottom : y >= client.top) {
            return POINT{moving.x, y};
        }
        return POINT{toward(fixed.x, moving.x, h * ratio->num / ratio->den), moving.y};
    }
    const LONG x = toward(fixed.x, moving.x, h * ratio->num / ratio->den);
    if (fixed.x < moving.x ? x <= client.right : x >= client.left) {
        return POINT{x, moving.y};
    }
    return POINT{moving.x, toward(fixed.y, moving.y, w * ratio->den / ratio->num)};
}

RECT Normalized(const RECT& rect) {
    RECT result = rect;
    if (result.left > result.right) {
        std::swap(result.left, result.right);
    }
    if (result.top > result.bottom) {
        std::swap(result.top, result.bottom);
    }
    return result;
}

std::string SelectionText(const RECT& rect) {
    char text[96];
    std::snprintf(text, sizeof text, "(%ld, %ld) - (%ld, %ld) %ld x %ld",
                  static_cast<long>(rect.left), static_cast<long>(rect.top),
                  static_cast<long>(rect.right), static_cast<long>(rect.bottom),
                  static_cast<long>(Distance(rect.left, rect.right)),
                  static_cast<long>(Distance(rect.top, rect.bottom)));
    return text;
}

RECT FirstCell(int width, int height, int divisor) {
    return RECT{0, 0, width / divisor - 1, height / divisor - 1};
}

std::optional<RECT> NextCell(const RECT& cell, UINT vk, int width, int height, int divisor) {
    const int dx = width / divisor;
    const int dy = height / divisor;
    switch (vk) {
    case VK_LEFT:
        if (const RECT next = Offset(cell, -dx, 0); next.left >= 0) {
            return next;
        }
        return std::nullopt;
    case VK_UP:
        if (const RECT next = Offset(cell, 0, -dy); next.top >= 0) {
            return next;
        }
        return std::nullopt;
    case VK_RIGHT:
        if (const RECT next = Offset(cell, dx, 0); next.right <= width) {
            return next;
        }
        return std::nullopt;
    case VK_DOWN:
        if (const RECT next = Offset(cell, 0, dy); next.bottom <= height) {
            return next;
        }
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

std::optional<RECT> AdjustByKey(const RECT& selection, UINT vk, bool shift, const RECT& client) {
    switch (vk) {
    case VK_LEFT:
        if (shift && selection.left <= client.left) {
            return std::nullopt;
        }
        break;
    case VK_UP:
        if (shift && selection.top <= client.top) {
            return std::nullopt;
        }
        break;
    case VK_RIGHT:
        if (selection.right >= client.right) {
            return std::nullopt;
        }
        break;
    case VK_DOWN:
        if (selection.bottom >= client.bottom) {
            return std::nullopt;
        }
        break;
    default:
        return std::nullopt;
    }
    const int step = (vk == VK_LEFT || vk == VK_UP) ? -1 : 1;
    const bool horizontal = vk == VK_LEFT || vk == VK_RIGHT;
    RECT r = selection;
    LONG& farEdge = horizontal ? r.right : r.bottom;
    LONG& nearEdge = horizontal ? r.left : r.top;
    farEdge = Add(farEdge, step);
    if (shift) {
        nearEdge = Add(nearEdge, step);
    }
    return r;
}

POINT CentreOf(const RECT& rect) {
    return POINT{Add(rect.left, Distance(rect.left, rect.right) / 2),
                 Add(rect.top, Distance(rect.top, rect.bottom) / 2)};
}

RECT CentredOn(POINT pointer, const RECT& area) {
    const LONG halfWidth = Distance(area.left, area.right) / 2;
    const LONG halfHeight = Distance(area.top, area.bottom) / 2;
    return RECT{Add(pointer.x, -static_cast<Wide>(halfWidth)),
                Add(pointer.y, -static_cast<Wide>(halfHeight)), Add(pointer.x, halfWidth),
                Add(pointer.y, halfHeight)};
}

std::optional<RECT> PushedBy(POINT pointer, const RECT& area) {
    const LONG mx = Wrap(static_cast<Wide>(Distance(area.left, area.right)) * 105 / 1000);
    const LONG my = Wrap(static_cast<Wide>(Distance(area.top, area.bottom)) * 105 / 1000);
    const RECT inner{Add(area.left, mx), Add(area.top, my), Add(area.right, -static_cast<Wide>(mx)),
                     Add(area.bottom, -static_cast<Wide>(my))};
    if (PtInRect(&inner, pointer)) {
        return std::nullopt;
    }
    const auto past = [](LONG value, LONG low, LONG high) -> Wide {
        return value < low     ? static_cast<Wide>(value) - low
               : value >= high ? static_cast<Wide>(value) - high
                               : 0;
    };
    return Offset(area, past(pointer.x, inner.left, inner.right),
                  past(pointer.y, inner.top, inner.bottom));
}

std::optional<RECT> KeptInView(const RECT& followed, const RECT& area) {
    // Pushed by its far edges, which the zone's far edges then meet: the last pixel inside.
    const POINT farCorner{followed.right, followed.bottom};
    std::optional<RECT> moved = PushedBy(farCorner, area);
    const RECT& after = moved ? *moved : area;
    if (std::optional<RECT> back = PushedBy(POINT{followed.left, followed.top}, after)) {
        moved = back;
    }
    return moved;
}

RECT KeepInsideClient(const RECT& rect, const RECT& client) {
    Wide dx = 0;
    if (rect.left < client.left) {
        dx = static_cast<Wide>(client.left) - rect.left;
    } else if (rect.right > client.right) {
        dx = static_cast<Wide>(client.right) - rect.right;
    }
    Wide dy = 0;
    if (rect.top < client.top) {
        dy = static_cast<Wide>(client.top) - rect.top;
    } else if (rect.bottom > client.bottom) {
        dy = static_cast<Wide>(client.bottom) - rect.bottom;
    }
    return Offset(rect, dx, dy);
}
