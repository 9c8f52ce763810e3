#include "Icons.h"

#include <cstdint>
#include <vector>

namespace {

struct Colour {
    std::uint8_t b, g, r, a;
};

constexpr Colour kClear{0, 0, 0, 0};
constexpr Colour kBezel{0x30, 0x30, 0x30, 0xFF};
constexpr Colour kScreenReady{0xD0, 0x70, 0x20, 0xFF};
constexpr Colour kScreenOff{0x60, 0x60, 0x60, 0xFF};
constexpr Colour kSignal{0x40, 0xD0, 0x40, 0xFF};
constexpr Colour kCross{0x20, 0x20, 0xE0, 0xFF};

constexpr Colour kArrow{0x20, 0x20, 0x20, 0xFF};

// A solid triangle pointing up, in the middle of the 16 x 16 square: rows 5 to 11, two
// pixels wide at the top and one pixel wider on both sides on each row below.
bool InUpArrow(int x, int y) {
    return y >= 5 && y <= 11 && x >= 7 - (y - 5) && x <= 8 + (y - 5);
}

// The other arrows are the up arrow turned.
bool InArrow(IconKind kind, int x, int y) {
    switch (kind) {
    case IconKind::ArrowUp:
        return InUpArrow(x, y);
    case IconKind::ArrowDown:
        return InUpArrow(x, 15 - y);
    case IconKind::ArrowLeft:
        return InUpArrow(y, x);
    default:
        return InUpArrow(y, 15 - x);
    }
}

bool IsArrow(IconKind kind) {
    return kind != IconKind::Ready && kind != IconKind::NoDevice;
}

// The 16 x 16 picture; x and y from the top left.
Colour Pixel(IconKind kind, int x, int y) {
    if (IsArrow(kind)) {
        return InArrow(kind, x, y) ? kArrow : kClear;
    }
    const bool screen = x >= 3 && x <= 12 && y >= 3 && y <= 10;
    const bool bezel = x >= 1 && x <= 14 && y >= 1 && y <= 12;
    const bool stand = (y == 13 && x >= 7 && x <= 8) || (y == 14 && x >= 4 && x <= 11);
    if (screen) {
        if (kind == IconKind::Ready) {
            return (y >= 8 && x >= 5 && x <= 10) ? kSignal : kScreenReady;
        }
        const int dx = x - 3;
        const int dy = y - 3;
        return (dx == dy + 1 || dx == dy + 2 || dx + dy == 8 || dx + dy == 9) ? kCross : kScreenOff;
    }
    return bezel || stand ? kBezel : kClear;
}

void Put16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(value >> 16));
}

// BITMAPINFOHEADER, 32-bit pixels bottom-up, then an all-clear AND mask.
std::string Image(IconKind kind, int size) {
    std::string out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(size));
    Put32(out, static_cast<std::uint32_t>(size * 2));
    Put16(out, 1);
    Put16(out, 32);
    for (int i = 0; i < 6; ++i) {
        Put32(out, 0);
    }
    const int scale = size / 16;
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const Colour c = Pixel(kind, x / scale, y / scale);
            out += static_cast<char>(c.b);
            out += static_cast<char>(c.g);
            out += static_cast<char>(c.r);
            out += static_cast<char>(c.a);
        }
    }
    const int maskRow = ((size + 31) / 32) * 4;
    out.append(static_cast<std::size_t>(maskRow) * static_cast<std::size_t>(size), '\0');
    return out;
}

} // namespace

std::string MakeIcon(IconKind kind, bool withLargeImage) {
    std::vector<int> sizes{16};
    if (withLargeImage) {
        sizes.push_back(32);
    }
    std::vector<std::string> images;
    for (int size : sizes) {
        images.push_back(Image(kind, size));
    }
    std::string out;
    Put16(out, 0);
    Put16(out, 1); // an icon
    Put16(out, static_cast<std::uint16_t>(sizes.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        out += static_cast<char>(sizes[i]);
        out += static_cast<char>(sizes[i]);
        out += '\0'; // no palette
        out += '\0';
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<std::uint32_t>(images[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const std::string& image : images) {
        out += image;
    }
    return out;
}
