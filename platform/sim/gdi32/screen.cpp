#include "platform/sim/gdi32/screen.h"

namespace sim {

void Screen::Resize(int width, int height) {
    m_width = width > 0 ? width : 0;
    m_height = height > 0 ? height : 0;
    m_pixels.assign(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height),
                    kDesktopColour);
}

std::uint32_t Screen::Pixel(int x, int y) const {
    return Contains(x, y)
               ? m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                          static_cast<std::size_t>(x)]
               : 0;
}

void Screen::SetPixel(int x, int y, std::uint32_t colour) {
    if (Contains(x, y)) {
        m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                 static_cast<std::size_t>(x)] = colour & 0xFFFFFF;
    }
}

} // namespace sim
