#include "platform/sim/converter/tv/tv_picture.h"

#include <algorithm>
#include <string>
#include <vector>

namespace sim {

namespace {

constexpr std::uint32_t kSlateColour = 0x1E2A3A;
constexpr int kSetupLevel = 19; // 7.5 % of 255

int RoundedDivide(int numerator, int denominator) {
    return (numerator + (numerator < 0 ? -denominator : denominator) / 2) / denominator;
}

int Clamp(int value) {
    return std::min(std::max(value, 0), 255);
}

// The filters work on one line in place. Each first copies the line with its end pixels
// repeated twice beyond either end (standing in for the missing neighbours), so that its loop
// runs straight. Luminance: 1, 2, 1 over four.
constexpr int kPad = 2;

const int* Padded(const int* row, int width, std::vector<int>& padded) {
    padded.resize(static_cast<std::size_t>(width + 2 * kPad));
    std::fill(padded.begin(), padded.begin() + kPad, row[0]);
    std::copy(row, row + width, padded.begin() + kPad);
    std::fill(padded.end() - kPad, padded.end(), row[width - 1]);
    return padded.data() + kPad;
}

void SoftenLuminance(int* row, int width, std::vector<int>& padded) {
    const int* in = Padded(row, width, padded);
    for (int x = 0; x < width; ++x) {
        row[x] = (in[x - 1] + 2 * in[x] + in[x + 1]) / 4;
    }
}

// Colour: 1, 2, 2, 2, 1 over eight, so that colour runs a little past a sharp edge.
void SoftenColour(int* row, int width, std::vector<int>& padded) {
    const int* in = Padded(row, width, padded);
    for (int x = 0; x < width; ++x) {
        row[x] = (in[x - 2] + 2 * (in[x - 1] + in[x] + in[x + 1]) + in[x + 2]) / 8;
    }
}

// Adds amount / 16 of the difference between each pixel and the mean of its neighbours; the
// end pixels stay as they are.
void Sharpen(int* row, int width, int amount, std::vector<int>& padded) {
    const int* in = Padded(row, width, padded);
    for (int x = 1; x + 1 < width; ++x) {
        row[x] = in[x] + amount * (2 * in[x] - in[x - 1] - in[x + 1]) / 32;
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
        for (std::vector<std::int16_t>* plane : {&m_luma, &m_blue, &m_red}) {
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
    m_sourceColumn.assign(static_cast<std::size_t>(m_width), 0);
    for (int x = left; x <= right; ++x) {
        m_sourceColumn[static_cast<std::size_t>(x)] =
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
            const int sx = m_sourceColumn[static_cast<std::size_t>(x)];
            const std::uint32_t rgb = sx >= 0 && sx < screen.width ? row[sx] : 0;
            const int r = static_cast<int>(rgb >> 16);
            const int gr = static_cast<int>((rgb >> 8) & 0xFF);
            const int b = static_cast<int>(rgb & 0xFF);
            const int luma = (77 * r + 150 * gr + 29 * b) >> 8;
            const std::size_t i = static_cast<std::size_t>(y * m_width + x);
            m_luma[i] = static_cast<std::int16_t>(luma);
            m_blue[i] = static_cast<std::int16_t>(b - luma);
            m_red[i] = static_cast<std::int16_t>(r - luma);
        }
    }
}

// Steps 2 to 5, line by line: the flicker filter blends each line with its neighbours (the
// first and last lines standing in for the missing ones) into a line of its own, which the
// horizontal filters and the controls then finish. Only the picture's part of a line, with a
// few black pixels either side for the filters, is worked; the rest is black as the controls
// make black.
void TvRenderer::Finish(const TvPictureSettings& settings) {
    const int level = settings.flickerLevel;
    const int centre = (16 - level) * 2;
    // The controls as tables, made once a frame: what contrast and brightness make of a
    // luminance, what contrast and saturation make of a colour difference and of its share of
    // green, and what the pedestal makes of a component, clamped. With the controls in their
    // ranges, every value the filters can make falls inside the tables: luminance within
    // -512..767 (sharpening overshoots), colour differences within -255..255, and a
    // component within -2048..3071.
    const int colourGain = settings.contrast * settings.saturation;
    for (int value = -kLumaBias; value < kLumaBias; ++value) {
        m_lumaTable[value + kLumaBias] = value * settings.contrast / 32 + settings.brightness / 2;
    }
    for (int value = -kColourBias; value < kColourBias; ++value) {
        const int colour = value * colourGain / 1024;
        m_colourTable[value + kColourBias] = colour;
        // Rounded, since green is made of two shares.
        m_greenTable[value + kColourBias] = {RoundedDivide(77 * colour, 150),
                                             RoundedDivide(29 * colour, 150)};
    }
    for (int value = -kLevelBias; value < kLevelSpan - kLevelBias; ++value) {
        const auto level = static_cast<std::uint32_t>(Clamp(value));
        m_levelTable[value + kLevelBias] =
            settings.pedestal ? kSetupLevel + level * (255 - kSetupLevel) / 255 : level;
    }
    const auto toRgb = [this](int y, int cb, int cr) {
        const int l = m_lumaTable[y + kLumaBias];
        const int u = cb + kColourBias;
        const int v = cr + kColourBias;
        const std::uint32_t* level = m_levelTable + kLevelBias;
        return (level[l + m_colourTable[v]] << 16) |
               (level[l - m_greenTable[v].fromRed - m_greenTable[u].fromBlue] << 8) |
               level[l + m_colourTable[u]];
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
    const auto blend = [&](const std::vector<std::int16_t>& plane, int y, std::vector<int>& line) {
        const std::int16_t* above =
            &plane[static_cast<std::size_t>(std::max(y - 1, m_work.top) * m_width + left)];
        const std::int16_t* here = &plane[static_cast<std::size_t>(y * m_width + left)];
        const std::int16_t* below =
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
            SoftenLuminance(m_lineLuma.data(), width, m_padded);
        }
        if (settings.sharpness > 0) {
            Sharpen(m_lineLuma.data(), width, settings.sharpness, m_padded);
        }
        if (settings.chromaFilter) {
            SoftenColour(m_lineBlue.data(), width, m_padded);
            SoftenColour(m_lineRed.data(), width, m_padded);
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
        // Each control within its range, as the tables need.
        TvPictureSettings within = settings;
        within.contrast = std::min(std::max(settings.contrast, 0), 63);
        within.brightness = std::min(std::max(settings.brightness, -128), 127);
        within.sharpness = std::min(std::max(settings.sharpness, 0), 31);
        within.saturation = std::min(std::max(settings.saturation, 0), 63);
        within.flickerLevel = std::min(std::max(settings.flickerLevel, 0), 15);
        Scale(geometry, screen);
        Finish(within);
    }
    return m_frame;
}

} // namespace sim
