#include "platform/sim/display/screen.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace sim {

void Screen::Resize(int width, int height) {
    // Refilled in place: a machine is made for every test, and most keep the first size.
    m_windows.width = std::max(width, 0);
    m_windows.height = std::max(height, 0);
    const std::size_t count =
        static_cast<std::size_t>(m_windows.width) * static_cast<std::size_t>(m_windows.height);
    m_windows.pixels.assign(count, kDesktopColour);
    m_ink.assign(count, kNone);
}

std::uint32_t Screen::Apply(Ink ink, std::uint32_t beneath) {
    switch (ink) {
    case kInverted:
        return ~beneath & 0xFFFFFF;
    case kWhite:
        return 0xFFFFFF;
    case kBlack:
        return 0;
    case kNone:
        break;
    }
    return beneath;
}

std::uint32_t Screen::Pixel(int x, int y) const {
    return Contains(x, y)
               ? Apply(m_ink[static_cast<std::size_t>(y * Width() + x)], m_windows.At(x, y))
               : 0;
}

Image Screen::Picture() const {
    Image picture;
    PictureInto(picture);
    return picture;
}

void Screen::PictureInto(Image& picture) const {
    picture.width = m_windows.width;
    picture.height = m_windows.height;
    picture.pixels = m_windows.pixels; // into the memory it already has
    // Ink is rare (a frame drawn by inverting, a line): the windows' layer is copied whole and
    // only the pixels drawn on are changed, the untouched ones passed over eight at a time.
    const std::size_t count = m_ink.size();
    for (std::size_t i = 0; i < count;) {
        std::uint64_t eight = 0;
        if (i + sizeof eight <= count &&
            (std::memcpy(&eight, &m_ink[i], sizeof eight), eight == 0)) {
            i += sizeof eight;
            continue;
        }
        picture.pixels[i] = Apply(m_ink[i], picture.pixels[i]);
        ++i;
    }
}

void Screen::Invert(int x, int y) {
    if (Contains(x, y)) {
        Ink& ink = m_ink[static_cast<std::size_t>(y * Width() + x)];
        static constexpr Ink kInverse[] = {kInverted, kNone, kBlack, kWhite};
        ink = kInverse[ink];
    }
}

void Screen::Paint(int x, int y, bool white) {
    if (Contains(x, y)) {
        m_ink[static_cast<std::size_t>(y * Width() + x)] = white ? kWhite : kBlack;
    }
}

} // namespace sim
