// Where a device context's pixels are. The screen is composed, as on Windows 8 and later:
// a window that paints itself draws into its own surface, and the screen shows the surfaces;
// a memory context draws into its bitmap.
#pragma once

#include "platform/sim/gdi32/gdi32_state.h"

#include <cstdint>
#include <optional>

namespace sim {

// A pixel as the context reads it (0xRRGGBB), or nothing outside what it shows; the screen
// as it was last composed.
std::optional<std::uint32_t> ReadPixel(const DeviceContext& context, int x, int y);

// The image a context draws into and where its (0, 0) lies on it; none for a context that
// draws straight onto the screen.
struct Canvas {
    Image* image = nullptr;
    POINT origin{0, 0};
};
Canvas CanvasOf(const DeviceContext& context);

// A copy of what a context reads: its bitmap, or for a window's or the screen's context the
// screen as it shows now, composed; with where the context's (0, 0) lies on it.
struct Pixels {
    Image image;
    POINT origin{0, 0};
};
Pixels CopyOfWhatItShows(const DeviceContext& context);

// The screen as it shows now, each window painted or composed.
void ComposeScreen();

} // namespace sim
