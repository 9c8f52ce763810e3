// The primary screen's pixels, as 0xRRGGBB, which window device contexts draw on: the
// monitor's side of the machine, below every DLL.
#pragma once

#include "platform/sim/include/win32_types.h"
#include "platform/sim/picture/image.h"

#include <cstdint>
#include <vector>

namespace sim {

constexpr std::uint32_t kDesktopColour = 0x3A6EA5;

// The primary screen: the desktop's windows as they paint themselves, and over them what
// programs draw straight onto the screen (the selection frame). The two are kept apart so that
// windows painting again leave a drawn frame as it was, and a frame drawn twice is gone.
class Screen {
  public:
    Screen(int width, int height) { Resize(width, height); }
    // A new size shows a plain desktop again, with nothing drawn over it.
    void Resize(int width, int height);
    int Width() const { return m_windows.width; }
    int Height() const { return m_windows.height; }
    bool Contains(int x, int y) const { return m_windows.Contains(x, y); }
    // The windows' layer, which the desktop painter fills.
    Image& Windows() { return m_windows; }
    // A pixel as the user sees it; 0 outside the screen.
    std::uint32_t Pixel(int x, int y) const;
    // Every pixel as the user sees it.
    Image Picture() const;
    // The same into a picture kept for it, which keeps its memory from one frame to the next.
    void PictureInto(Image& picture) const;
    // What drawing does to a pixel: R2_NOT, R2_WHITE and R2_BLACK.
    void Invert(int x, int y);
    void Paint(int x, int y, bool white);

  private:
    enum Ink : std::uint8_t { kNone, kInverted, kWhite, kBlack };
    static std::uint32_t Apply(Ink ink, std::uint32_t beneath);

    Image m_windows;
    std::vector<Ink> m_ink;
};

// The primary screen of the machine.
Screen& PrimaryScreen();

} // namespace sim
