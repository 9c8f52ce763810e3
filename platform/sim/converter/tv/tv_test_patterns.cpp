// The converter's pattern generator: full-raster patterns for setting up a TV.
#include "platform/sim/converter/tv/tv_picture.h"

#include <algorithm>

namespace sim {

namespace {

// White, yellow, cyan, green, magenta, red, blue, black: the standard order of bars, as the
// red, green and blue components that are on.
constexpr std::uint32_t kBars[8] = {0xFFFFFF, 0xFFFF00, 0x00FFFF, 0x00FF00,
                                    0xFF00FF, 0xFF0000, 0x0000FF, 0x000000};

std::uint32_t Grey(int level) {
    const auto v = static_cast<std::uint32_t>(std::min(std::max(level, 0), 255));
    return (v << 16) | (v << 8) | v;
}

// Eight vertical bars across the raster, each component at the level given.
void Bars(Image& image, int level) {
    const auto component = static_cast<std::uint32_t>(level);
    for (int bar = 0; bar < 8; ++bar) {
        std::uint32_t colour = 0;
        for (const int shift : {16, 8, 0}) {
            if ((kBars[bar] >> shift) & 0xFF) {
                colour |= component << shift;
            }
        }
        FillRect(image, bar * image.width / 8, 0, (bar + 1) * image.width / 8, image.height,
                 colour);
    }
}

// A ramp from black to full in one component (or all three) from left to right.
void Gradient(Image& image, std::uint32_t mask) {
    for (int x = 0; x < image.width; ++x) {
        const std::uint32_t level = Grey(x * 255 / std::max(image.width - 1, 1)) & mask;
        FillRect(image, x, 0, x + 1, image.height, level);
    }
}

// A white grid on black: lines every 40 pixels across and every 40 lines down, centred.
void CrossHatch(Image& image) {
    constexpr int kPitch = 40;
    for (int x = (image.width % kPitch) / 2; x < image.width; x += kPitch) {
        FillRect(image, x, 0, x + 2, image.height, 0xFFFFFF);
    }
    for (int y = (image.height % kPitch) / 2; y < image.height; y += kPitch) {
        FillRect(image, 0, y, image.width, y + 2, 0xFFFFFF);
    }
}

// Three bands: a grey ramp, a multiburst of six ever finer stripe packets, and a six-step
// grey staircase.
void AllWaveforms(Image& image) {
    const int band = image.height / 3;
    Image ramp(image.width, band, 0);
    Gradient(ramp, 0xFFFFFF);
    std::copy(ramp.pixels.begin(), ramp.pixels.end(), image.pixels.begin());
    const int packet = image.width / 6;
    for (int x = 0; x < image.width; ++x) {
        const int period = 2 * (6 - std::min(x / packet, 5)) + 2; // 14 pixels down to 4
        FillRect(image, x, band, x + 1, 2 * band, (x % period) < period / 2 ? 0xFFFFFF : 0);
    }
    for (int step = 0; step < 6; ++step) {
        FillRect(image, step * image.width / 6, 2 * band, (step + 1) * image.width / 6,
                 image.height, Grey(step * 255 / 5));
    }
}

} // namespace

const char* TestPatternName(int type) {
    static const char* const kNames[] = {"All Waveforms", "100% Color Bars", "75% Color Bars",
                                         "Cross Hatch",   "Red Gradient",    "Green Gradient",
                                         "Blue Gradient"};
    return type >= 1 && type <= 7 ? kNames[type - 1] : nullptr;
}

Image RenderTestPattern(int type, int width, int height) {
    Image image(width, height, 0);
    switch (type) {
    case 1:
        AllWaveforms(image);
        break;
    case 2:
        Bars(image, 255);
        break;
    case 3:
        Bars(image, 191);
        break;
    case 4:
        CrossHatch(image);
        break;
    case 5:
        Gradient(image, 0xFF0000);
        break;
    case 6:
        Gradient(image, 0x00FF00);
        break;
    case 7:
        Gradient(image, 0x0000FF);
        break;
    default:
        break;
    }
    return image;
}

} // namespace sim
