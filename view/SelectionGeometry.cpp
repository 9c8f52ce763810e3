#include "SelectionGeometry.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

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
    const int w = std::abs(moving.x - fixed.x);
    const int h = std::abs(moving.y - fixed.y);
    if (w > h) {
        const int height = w * ratio->den / ratio->num;
        const int y = fixed.y < moving.y ? fixed.y + height : fixed.y - height;
        if (fixed.y < moving.y ? y <= client.bottom : y >= client.top) {
            return POINT{moving.x, y};
        }
        const int width = h * ratio->num / ratio->den;
        return POINT{fixed.x < moving.x ? fixed.x + width : fixed.x - width, moving.y};
    }
    const int width = h * ratio->num / ratio->den;
    const int x = fixed.x < moving.x ? fixed.x + width : fixed.x - width;
    if (fixed.x < moving.x ? x <= client.right : x >= client.left) {
        return POINT{x, moving.y};
    }
    const int height = w * ratio->den / ratio->num;
    return POINT{moving.x, fixed.y < moving.y ? fixed.y + height : fixed.y - height};
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
    std::snprintf(
        text, sizeof text, "(%ld, %ld) - (%ld, %ld) %ld x %ld", static_cast<long>(rect.left),
        static_cast<long>(rect.top), static_cast<long>(rect.right), static_cast<long>(rect.bottom),
        static_cast<long>(rect.right - rect.left), static_cast<long>(rect.bottom - rect.top));
    return text;
}

RECT FirstCell(int width, int height, int divisor) {
    return RECT{0, 0, width / divisor - 1, height / divisor - 1};
}

std::optional<RECT> NextCell(const RECT& cell, UINT vk, int width, int height, int divisor) {
    const int dx = width / divisor;
    const int dy = height / divisor;
    RECT next = cell;
    const auto shift = [&next](int x, int y) {
        next = RECT{next.left + x, next.top + y, next.right + x, next.bottom + y};
    };
    switch (vk) {
    case VK_LEFT:
        shift(-dx, 0);
        return next.left >= 0 ? std::optional<RECT>(next) : std::nullopt;
    case VK_UP:
        shift(0, -dy);
        return next.top >= 0 ? std::optional<RECT>(next) : std::nullopt;
    case VK_RIGHT:
        shift(dx, 0);
        return next.right <= width ? std::optional<RECT>(next) : std::nullopt;
    case VK_DOWN:
        shift(0, dy);
        return next.bottom <= height ? std::optional<RECT>(next) : std::nullopt;
    default:
        return std::nullopt;
    }
}

std::optional<RECT> AdjustByKey(const RECT& selection, UINT vk, bool shift, const RECT& client) {
    RECT r = selection;
    const int step = (vk == VK_LEFT || vk == VK_UP) ? -1 : 1;
    const bool horizontal = vk == VK_LEFT || vk == VK_RIGHT;
    switch (vk) {
    case VK_LEFT:
        if (shift && r.left <= client.left) {
            return std::nullopt;
        }
        break;
    case VK_UP:
        if (shift && r.top <= client.top) {
            return std::nullopt;
        }
        break;
    case VK_RIGHT:
        if (r.right >= client.right) {
            return std::nullopt;
        }
        break;
    case VK_DOWN:
        if (r.bottom >= client.bottom) {
            return std::nullopt;
        }
        break;
    default:
        return std::nullopt;
    }
    LONG& farEdge = horizontal ? r.right : r.bottom;
    LONG& nearEdge = horizontal ? r.left : r.top;
    farEdge += step;
    if (shift) {
        nearEdge += step;
    }
    return r;
}

POINT CentreOf(const RECT& rect) {
    return POINT{rect.left + (rect.right - rect.left) / 2, rect.top + (rect.bottom - rect.top) / 2};
}

RECT CentredOn(POINT pointer, const RECT& area) {
    const int halfWidth = (area.right - area.left) / 2;
    const int halfHeight = (area.bottom - area.top) / 2;
    return RECT{pointer.x - halfWidth, pointer.y - halfHeight, pointer.x + halfWidth,
                pointer.y + halfHeight};
}

std::optional<RECT> PushedBy(POINT pointer, const RECT& area) {
    const int mx = (area.right - area.left) * 105 / 1000;
    const int my = (area.bottom - area.top) * 105 / 1000;
    const RECT inner{area.left + mx, area.top + my, area.right - mx, area.bottom - my};
    if (PtInRect(&inner, pointer)) {
        return std::nullopt;
    }
    const auto past = [](int value, int low, int high) {
        return value < low ? value - low : value >= high ? value - high : 0;
    };
    const int dx = past(pointer.x, inner.left, inner.right);
    const int dy = past(pointer.y, inner.top, inner.bottom);
    return RECT{area.left + dx, area.top + dy, area.right + dx, area.bottom + dy};
}

RECT KeepInsideClient(const RECT& rect, const RECT& client) {
    int dx = 0;
    if (rect.left < client.left) {
        dx = client.left - rect.left;
    } else if (rect.right > client.right) {
        dx = client.right - rect.right;
    }
    int dy = 0;
    if (rect.top < client.top) {
        dy = client.top - rect.top;
    } else if (rect.bottom > client.bottom) {
        dy = client.bottom - rect.bottom;
    }
    return RECT{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}
