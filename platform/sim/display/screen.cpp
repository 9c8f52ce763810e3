#include "platform/sim/display/screen.h"

#include <algorithm>

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
    picture.pixels.resize(m_windows.pixels.size());
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        picture.pixels[i] = Apply(m_ink[i], m_windows.pixels[i]);
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
