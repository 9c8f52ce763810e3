#include "platform/sim/converter/tv/tv_picture.h"

#include <algorithm>
#include <string>
#include <vector>

namespace sim {

namespace {

constexpr std::uint32_t kSlateColour = 0x1E2A3A;
constexpr int kSetupLevel = 19; // 7.5 % of 255

int Clamp(int value) {
    return std::min(std::max(value, 0), 255);
}

// The filters work on one line in place, the pixels beyond its ends standing in for the
// missing neighbours. Luminance: 1, 2, 1 over four.
void SoftenLuminance(int* row, int width) {
    int previous = row[0];
    for (int x = 0; x < width; ++x) {
        const int here = row[x];
        row[x] = (previous + 2 * here + row[std::min(x + 1, width - 1)]) / 4;
        previous = here;
    }
}

// Colour: 1, 2, 2, 2, 1 over eight, so that colour runs a little past a sharp edge.
void SoftenColour(int* row, int width) {
    int twoBefore = row[0];
    int before = row[0];
    for (int x = 0; x < width; ++x) {
        const int here = row[x];
        row[x] = (twoBefore + 2 * before + 2 * here + 2 * row[std::min(x + 1, width - 1)] +
                  row[std::min(x + 2, width - 1)]) /
                 8;
        twoBefore = before;
        before = here;
    }
}

// Adds amount / 16 of the difference between each pixel and the mean of its neighbours.
void Sharpen(int* row, int width, int amount) {
    int previous = row[0];
    for (int x = 1; x + 1 < width; ++x) {
        const int here = row[x];
        row[x] = here + amount * (2 * here - previous - row[x + 1]) / 32;
        previous = here;
    }
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

// Step 1: the source rectangle scaled into its place, nearest pixel; black elsewhere.
void TvRenderer::Scale(const TvGeometry& g, const Image& screen) {
    m_width = g.rasterWidth;
    m_height = g.rasterHeight;
    const std::size_t size = static_cast<std::size_t>(m_width * m_height);
    m_luma.resize(size);
    m_blue.resize(size);
    m_red.resize(size);
    const TvRect& p = g.picture;
    // What the finishing reads: the picture's lines and one more either side, the picture's
    // pixels and three more either side, all black but for the picture.
    m_work = TvRect{std::max(p.left - 3, 0), std::max(p.top - 1, 0),
                    std::min(p.right + 3, m_width - 1), std::min(p.bottom + 1, m_height - 1)};
    for (int y = m_work.top; y <= m_work.bottom; ++y) {
        for (std::vector<int>* plane : {&m_luma, &m_blue, &m_red}) {
            const auto row = plane->begin() + static_cast<std::ptrdiff_t>(y) * m_width;
            std::fill(row + m_work.left, row + m_work.right + 1, 0);
        }
    }
    const TvRect& s = g.source;
    const int pictureWidth = p.right - p.left + 1;
    const int pictureHeight = p.bottom - p.top + 1;
    const int sourceWidth = s.right - s.left + 1;
    const int sourceHeight = s.bottom - s.top + 1;
    if (pictureWidth <= 0 || pictureHeight <= 0 || sourceWidth <= 0 || sourceHeight <= 0) {
        return;
    }
    const int left = std::max(p.left, 0);
    const int right = std::min(p.right, m_width - 1);
    m_scratch.assign(static_cast<std::size_t>(m_width), 0); // the source column of each x
    for (int x = left; x <= right; ++x) {
        m_scratch[static_cast<std::size_t>(x)] =
            s.left +
            static_cast<int>(static_cast<long long>(x - p.left) * sourceWidth / pictureWidth);
    }
    for (int y = std::max(p.top, 0); y <= std::min(p.bottom, m_height - 1); ++y) {
        const int sy = s.top + static_cast<int>(static_cast<long long>(y - p.top) * sourceHeight /
                                                pictureHeight);
        if (sy < 0 || sy >= screen.height) {
            continue;
        }
        const std::uint32_t* row = &screen.pixels[static_cast<std::size_t>(sy * screen.width)];
        for (int x = left; x <= right; ++x) {
            const int sx = m_scratch[static_cast<std::size_t>(x)];
            const std::uint32_t rgb = sx >= 0 && sx < screen.width ? row[sx] : 0;
            const int r = static_cast<int>(rgb >> 16);
            const int gr = static_cast<int>((rgb >> 8) & 0xFF);
            const int b = static_cast<int>(rgb & 0xFF);
            const int luma = (77 * r + 150 * gr + 29 * b) >> 8;
            const std::size_t i = static_cast<std::size_t>(y * m_width + x);
            m_luma[i] = luma;
            m_blue[i] = b - luma;
            m_red[i] = r - luma;
        }
    }
}

// Steps 2 to 5, line by line: the flicker filter blends each line with its neighbours (the
// first and last lines standing in for the missing ones) into a line of its own, which the
// horizontal filters and the controls then finish. Only the picture's part of a line, with a
// few black pixels either side for the filters, is worked; the rest is black as the controls
// make black.
void TvRenderer::Finish(const TvPictureSettings& settings) {
    const int level = std::min(std::max(settings.flickerLevel, 0), 15);
    const int centre = (16 - level) * 2;
    const int colourGain = settings.contrast * settings.saturation;
    int levels[256]; // a component's level after the pedestal
    for (int v = 0; v < 256; ++v) {
        levels[v] = settings.pedestal ? kSetupLevel + v * (255 - kSetupLevel) / 255 : v;
    }
    const auto toRgb = [&](int y, int cb, int cr) {
        const int l = y * settings.contrast / 32 + settings.brightness / 2;
        const int u = cb * colourGain / 1024;
        const int v = cr * colourGain / 1024;
        return static_cast<std::uint32_t>((levels[Clamp(l + v)] << 16) |
                                          (levels[Clamp(l - (77 * v + 29 * u) / 150)] << 8) |
                                          levels[Clamp(l + u)]);
    };
    const std::uint32_t black = toRgb(0, 0, 0);
    m_frame.width = m_width;
    m_frame.height = m_height;
    m_frame.pixels.assign(m_luma.size(), black);
    const int left = m_work.left;
    const int width = m_work.right - m_work.left + 1;
    if (width <= 0) {
        return;
    }
    m_lineLuma.resize(static_cast<std::size_t>(width));
    m_lineBlue.resize(static_cast<std::size_t>(width));
    m_lineRed.resize(static_cast<std::size_t>(width));
    const auto blend = [&](const std::vector<int>& plane, int y, std::vector<int>& line) {
        const int* above =
            &plane[static_cast<std::size_t>(std::max(y - 1, m_work.top) * m_width + left)];
        const int* here = &plane[static_cast<std::size_t>(y * m_width + left)];
        const int* below =
            &plane[static_cast<std::size_t>(std::min(y + 1, m_work.bottom) * m_width + left)];
        for (int x = 0; x < width; ++x) {
            line[static_cast<std::size_t>(x)] =
                (here[x] * centre + (above[x] + below[x]) * level) / 32;
        }
    };
    for (int y = m_work.top; y <= m_work.bottom; ++y) {
        blend(m_luma, y, m_lineLuma);
        blend(m_blue, y, m_lineBlue);
        blend(m_red, y, m_lineRed);
        if (settings.luminanceFilter) {
            SoftenLuminance(m_lineLuma.data(), width);
        }
        if (settings.sharpness > 0) {
            Sharpen(m_lineLuma.data(), width, settings.sharpness);
        }
        if (settings.chromaFilter) {
            SoftenColour(m_lineBlue.data(), width);
            SoftenColour(m_lineRed.data(), width);
        }
        std::uint32_t* out = &m_frame.pixels[static_cast<std::size_t>(y * m_width + left)];
        for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
            out[x] = toRgb(m_lineLuma[x], m_lineBlue[x], m_lineRed[x]);
        }
    }
}

const Image& TvRenderer::Render(const TvGeometry& geometry, const TvPictureSettings& settings,
                                const Image& screen) {
    if (!settings.outputReady) {
        m_frame = Image(geometry.rasterWidth, geometry.rasterHeight, 0);
    } else if (settings.testPattern) {
        m_frame =
            RenderTestPattern(settings.patternType, geometry.rasterWidth, geometry.rasterHeight);
    } else if (settings.externalInputs & (kTvInputSVideo | kTvInputComposite)) {
        m_frame = Slate(geometry.rasterWidth, geometry.rasterHeight, settings.externalInputs);
    } else {
        Scale(geometry, screen);
        Finish(settings);
    }
    return m_frame;
}

} // namespace sim
