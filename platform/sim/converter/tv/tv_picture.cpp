#include "platform/sim/converter/tv/tv_picture.h"

#include <algorithm>
#include <string>
#include <vector>

namespace sim {

namespace {

constexpr std::uint32_t kSlateColour = 0x1E2A3A;
constexpr int kSetupLevel = 19; // 7.5 % of 255

// Luminance and the two colour differences, one plane each, row by row.
struct Planes {
    int width;
    int height;
    std::vector<int> y, cb, cr;
    Planes(int w, int h)
        : width(w), height(h), y(static_cast<std::size_t>(w * h)), cb(y.size()), cr(y.size()) {}
};

int Clamp(int value) {
    return std::min(std::max(value, 0), 255);
}

// Step 1: the source rectangle scaled into its place, nearest pixel; black elsewhere.
Planes Scale(const TvGeometry& g, const Image& screen) {
    Planes planes(g.rasterWidth, g.rasterHeight);
    const TvRect& p = g.picture;
    const TvRect& s = g.source;
    const int pictureWidth = p.right - p.left + 1;
    const int pictureHeight = p.bottom - p.top + 1;
    const int sourceWidth = s.right - s.left + 1;
    const int sourceHeight = s.bottom - s.top + 1;
    if (pictureWidth <= 0 || pictureHeight <= 0 || sourceWidth <= 0 || sourceHeight <= 0) {
        return planes;
    }
    const int left = std::max(p.left, 0);
    const int right = std::min(p.right, g.rasterWidth - 1);
    std::vector<int> column(static_cast<std::size_t>(g.rasterWidth));
    for (int x = left; x <= right; ++x) {
        column[static_cast<std::size_t>(x)] =
            s.left +
            static_cast<int>(static_cast<long long>(x - p.left) * sourceWidth / pictureWidth);
    }
    for (int y = std::max(p.top, 0); y <= std::min(p.bottom, g.rasterHeight - 1); ++y) {
        const int sy = s.top + static_cast<int>(static_cast<long long>(y - p.top) * sourceHeight /
                                                pictureHeight);
        for (int x = left; x <= right; ++x) {
            const std::uint32_t rgb = screen.At(column[static_cast<std::size_t>(x)], sy);
            const int r = static_cast<int>(rgb >> 16);
            const int gr = static_cast<int>((rgb >> 8) & 0xFF);
            const int b = static_cast<int>(rgb & 0xFF);
            const int luma = (77 * r + 150 * gr + 29 * b) >> 8;
            const std::size_t i = static_cast<std::size_t>(y * g.rasterWidth + x);
            planes.y[i] = luma;
            planes.cb[i] = b - luma;
            planes.cr[i] = r - luma;
        }
    }
    return planes;
}

// Step 2: each line blended with its neighbours; the first and last lines stand in for the
// missing ones.
void Flicker(std::vector<int>& plane, int width, int height, int level) {
    if (level <= 0) {
        return;
    }
    const std::vector<int> in = plane;
    const int centre = (16 - level) * 2;
    for (int y = 0; y < height; ++y) {
        const int* above = &in[static_cast<std::size_t>(std::max(y - 1, 0) * width)];
        const int* here = &in[static_cast<std::size_t>(y * width)];
        const int* below = &in[static_cast<std::size_t>(std::min(y + 1, height - 1) * width)];
        int* out = &plane[static_cast<std::size_t>(y * width)];
        for (int x = 0; x < width; ++x) {
            out[x] = (here[x] * centre + (above[x] + below[x]) * level) / 32;
        }
    }
}

// A horizontal filter over one row with the edge pixels repeated.
template <int Taps> void Blur(int* row, int width, const int (&weights)[Taps], int divisor) {
    std::vector<int> in(row, row + width);
    for (int x = 0; x < width; ++x) {
        int sum = 0;
        for (int t = 0; t < Taps; ++t) {
            sum += weights[t] *
                   in[static_cast<std::size_t>(std::min(std::max(x + t - Taps / 2, 0), width - 1))];
        }
        row[x] = sum / divisor;
    }
}

void Sharpen(int* row, int width, int amount) {
    std::vector<int> in(row, row + width);
    for (int x = 1; x + 1 < width; ++x) {
        const std::size_t i = static_cast<std::size_t>(x);
        row[x] = in[i] + amount * (2 * in[i] - in[i - 1] - in[i + 1]) / 32;
    }
}

// Steps 3 to 5, row by row, back to RGB.
Image Finish(Planes& planes, const TvPictureSettings& settings) {
    Image out(planes.width, planes.height, 0);
    static const int kLuma[] = {1, 2, 1};
    static const int kChroma[] = {1, 2, 2, 2, 1};
    for (int y = 0; y < planes.height; ++y) {
        const std::size_t start = static_cast<std::size_t>(y * planes.width);
        int* luma = &planes.y[start];
        int* cb = &planes.cb[start];
        int* cr = &planes.cr[start];
        if (settings.luminanceFilter) {
            Blur(luma, planes.width, kLuma, 4);
        }
        if (settings.sharpness > 0) {
            Sharpen(luma, planes.width, settings.sharpness);
        }
        if (settings.chromaFilter) {
            Blur(cb, planes.width, kChroma, 8);
            Blur(cr, planes.width, kChroma, 8);
        }
        for (int x = 0; x < planes.width; ++x) {
            const int l = luma[x] * settings.contrast / 32 + settings.brightness / 2;
            const int u = cb[x] * settings.saturation / 32;
            const int v = cr[x] * settings.saturation / 32;
            int r = Clamp(l + v);
            int b = Clamp(l + u);
            int g = Clamp(l - (77 * v + 29 * u) / 150);
            if (settings.pedestal) {
                r = kSetupLevel + r * (255 - kSetupLevel) / 255;
                g = kSetupLevel + g * (255 - kSetupLevel) / 255;
                b = kSetupLevel + b * (255 - kSetupLevel) / 255;
            }
            out.pixels[start + static_cast<std::size_t>(x)] =
                static_cast<std::uint32_t>((r << 16) | (g << 8) | b);
        }
    }
    return out;
}

// A plain slate with the names of the inputs switched through, one per line.
Image Slate(int width, int height, std::uint8_t inputs) {
    Image slate(width, height, kSlateColour);
    std::vector<std::string> names;
    if (inputs & kTvInputSVideo) {
        names.emplace_back("S-VIDEO INPUT");
    }
    if (inputs & kTvInputComposite) {
        names.emplace_back("COMPOSITE INPUT");
    }
    constexpr int kScale = 3;
    const int lineHeight = kGlyphCellHeight * kScale + 12;
    int y = (height - static_cast<int>(names.size()) * lineHeight) / 2;
    for (const std::string& name : names) {
        DrawText(slate, (width - TextWidth(name, kScale)) / 2, y, name, 0xFFFFFF, kScale);
        y += lineHeight;
    }
    return slate;
}

} // namespace

Image RenderTv(const TvGeometry& geometry, const TvPictureSettings& settings, const Image& screen) {
    if (!settings.outputReady) {
        return Image(geometry.rasterWidth, geometry.rasterHeight, 0);
    }
    if (settings.testPattern) {
        return RenderTestPattern(settings.patternType, geometry.rasterWidth, geometry.rasterHeight);
    }
    if (settings.externalInputs & (kTvInputSVideo | kTvInputComposite)) {
        return Slate(geometry.rasterWidth, geometry.rasterHeight, settings.externalInputs);
    }
    Planes planes = Scale(geometry, screen);
    const int level = std::min(settings.flickerLevel, 15);
    Flicker(planes.y, planes.width, planes.height, level);
    Flicker(planes.cb, planes.width, planes.height, level);
    Flicker(planes.cr, planes.width, planes.height, level);
    return Finish(planes, settings);
}

} // namespace sim
