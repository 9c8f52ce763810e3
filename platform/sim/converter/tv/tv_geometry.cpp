#include "platform/sim/converter/tv/tv_geometry.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {

constexpr int kRasterWidth = 720;
constexpr int kNtscLines = 480;
constexpr int kPalLines = 576;

// The overscan setting of each standard fills the raster exactly: its offsets are the
// raster's first pixel and line, its horizontal size spans the raster's 720 pixels, and a
// vertical size counts lines. Underscan, with larger offsets and smaller sizes, leaves a
// border; anything larger than overscan loses the edges.
struct RasterScale {
    int horizontalOffset;
    int verticalOffset;
    int horizontalSize;
};
constexpr RasterScale kNtsc{138, 21, 720};
constexpr RasterScale kPal{186, 23, 898};

// The inverse of the scaler the program computes: a horizontal scale H of slope s selects
// W / (H / s + 1) pixels, a vertical scale V of full scale C selects
// S / (1 + V / C * (S / (Z - k) - 1)) lines, and one step of the horizontal start is
// W * A / 49800 pixels. All four at 0 select the whole desktop.
double Slope(const TvInput& in) {
    return 218.0 - (in.b - 300.0) * 89.0 * 0.012048192771084338;
}

// The lines the TV picture holds, which the vertical scale at its full scale shows.
double Lines(const TvRegisters& r) {
    return r.tvVerticalSize - (r.pal ? 4.0 : 5.0);
}

TvRect Source(const TvRegisters& r, const TvInput& in) {
    const double width = in.screenWidth;
    const double height = in.screenHeight;
    const double slope = Slope(in);
    const double lines = Lines(r);
    const double w =
        r.horizontalScale == 0 || slope == 0.0 ? width : width / (r.horizontalScale / slope + 1.0);
    const double h =
        r.verticalScale == 0 || in.c == 0 || lines <= 0.0
            ? height
            : height / (1.0 + r.verticalScale / static_cast<double>(in.c) * (height / lines - 1.0));
    const double left = in.a == 0 ? 0.0 : r.horizontalStart * width * in.a / 49800.0;
    TvRect source{static_cast<int>(std::lround(left)), r.verticalStart,
                  static_cast<int>(std::lround(left + w)) - 1,
                  r.verticalStart + static_cast<int>(std::lround(h)) - 1};
    source.right = std::min(source.right, in.screenWidth - 1);
    source.bottom = std::min(source.bottom, in.screenHeight - 1);
    return source;
}

TvRect Picture(const TvRegisters& r) {
    const RasterScale& scale = r.pal ? kPal : kNtsc;
    const int left =
        (r.tvHorizontalOffset - scale.horizontalOffset) * kRasterWidth / scale.horizontalSize;
    const int width = r.tvHorizontalSize * kRasterWidth / scale.horizontalSize;
    const int top = r.tvVerticalOffset - scale.verticalOffset;
    return TvRect{left, top, left + width - 1, top + r.tvVerticalSize - 1};
}

} // namespace

TvGeometry ComputeTvGeometry(const TvRegisters& registers, const TvInput& input) {
    // The scales at their limits, the horizontal at b and the vertical at full scale.
    TvRegisters zoomedIn = registers;
    zoomedIn.horizontalScale = input.b;
    zoomedIn.verticalScale = input.c;
    zoomedIn.horizontalStart = 0;
    zoomedIn.verticalStart = 0;
    const TvRect closest = Source(zoomedIn, input);
    return TvGeometry{kRasterWidth,
                      registers.pal ? kPalLines : kNtscLines,
                      Source(registers, input),
                      Picture(registers),
                      closest.right + 1,
                      closest.bottom + 1,
                      input.screenWidth * input.a / 49800.0};
}

} // namespace sim
