// Where the converter's picture comes from and where it lands, worked out from its registers
// alone, as the chip sees them: the part of the desktop the four scaler registers select, and
// the place in the TV raster that the TV position and size registers give it. Plain C++ beside
// the chip model, with no knowledge of the program that programs it.
#pragma once

#include <cstdint>

namespace sim {

struct TvRegisters {
    std::uint16_t horizontalScale; // 0x6C
    std::uint16_t verticalScale;   // 0x6E
    std::uint16_t horizontalStart; // 0x68
    std::uint16_t verticalStart;   // 0x6A
    std::uint16_t tvHorizontalOffset;
    std::uint16_t tvVerticalOffset;
    std::uint16_t tvHorizontalSize;
    std::uint16_t tvVerticalSize;
    bool pal;
};

// What the chip measures of the screen it is fed, and reports as indirect values 18, 25, 27.
struct TvInput {
    int screenWidth;
    int screenHeight;
    std::uint16_t a; // horizontal start divisor
    std::uint16_t b; // horizontal scale limit
    std::uint16_t c; // vertical scale limit
};

// Rectangles with inclusive right and bottom.
struct TvRect {
    int left, top, right, bottom;
};

struct TvGeometry {
    int rasterWidth;  // 720
    int rasterHeight; // 480 lines for NTSC, 576 for PAL
    TvRect source;    // the desktop rectangle shown
    TvRect picture;   // where it lies in the raster; may reach beyond it (overscan)
    // How close the scaler can come to an area: it shows no narrower and no shorter a part of
    // the desktop than these, and its horizontal start moves in steps of this many pixels.
    int narrowestSource = 0;
    int shortestSource = 0;
    double horizontalStep = 0.0;
};

TvGeometry ComputeTvGeometry(const TvRegisters& registers, const TvInput& input);

} // namespace sim
