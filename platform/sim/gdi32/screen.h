// The primary screen's pixels, as 0xRRGGBB, which window device contexts draw on.
#pragma once

#include "platform/sim/include/win32_types.h"

#include <cstdint>
#include <vector>

namespace sim {

constexpr std::uint32_t kDesktopColour = 0x3A6EA5;

class Screen {
  public:
    Screen(int width, int height) { Resize(width, height); }
    // A new size shows a plain desktop again.
    void Resize(int width, int height);
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    std::uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, std::uint32_t colour);
    // Every pixel as it is, for comparing the screen before and after.
    const std::vector<std::uint32_t>& Pixels() const { return m_pixels; }

  private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_pixels;
};

// What a device context holds: the window it draws in, the selected font, the raster
// operation and the current position, in the window's client coordinates.
struct DeviceContext {
    HWND window = nullptr;
    void* font = nullptr;
    int rop2 = 13; // R2_COPYPEN
    POINT position{0, 0};
};

} // namespace sim
