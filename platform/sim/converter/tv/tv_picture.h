// What the TV shows: the converter's output raster, made from the screen it is fed and its
// picture registers. Plain C++ beside the chip model, with no knowledge of the program.
//
// The picture controls act on luminance (Y) and colour difference (B-Y, R-Y), as a video
// encoder does, in this order:
//   1. the selected desktop rectangle is scaled into its place in the raster (nearest pixel);
//      the rest of the raster is black;
//   2. the flicker filter blends each line with the lines above and below it, by level / 16
//      (level 8, the usual setting, weighs them 1:2:1);
//   3. the luminance filter softens luminance across three pixels, the chroma filter colour
//      across five (colour bleeding at sharp edges); sharpness s adds s / 16 of the
//      difference between a pixel and its neighbours;
//   4. contrast c scales the whole signal, luminance and colour, by c / 32; brightness b adds
//      b / 2 to luminance (in 0..255 steps); saturation s scales colour by s / 32 more, so
//      32 leaves either as it is;
//   5. the pedestal lifts black to 7.5 % (a setup level) over the whole raster.
// A test pattern, when on, replaces the raster and bypasses the controls; a selected external
// input shows a slate naming it; an output that is not ready is black.
#pragma once

#include "platform/sim/converter/tv/tv_geometry.h"
#include "platform/sim/picture/image.h"

#include <cstdint>
#include <vector>

namespace sim {

// Which external inputs are switched through (the input selection byte).
constexpr std::uint8_t kTvInputSVideo = 0x20;
constexpr std::uint8_t kTvInputComposite = 0x10;

struct TvPictureSettings {
    bool outputReady = true;
    int contrast = 32;    // 0..63
    int brightness = 0;   // -128..127
    int sharpness = 0;    // 0..31
    int saturation = 32;  // 0..63
    int flickerLevel = 0; // 0..15
    bool luminanceFilter = false;
    bool chromaFilter = false;
    bool pedestal = false;
    bool testPattern = false;
    int patternType = 0; // 1..7; another value shows black
    std::uint8_t externalInputs = 0;
};

// Makes frame after frame in memory kept from one to the next: a fresh megabyte costs more in
// page faults than the whole frame's arithmetic.
class TvRenderer {
  public:
    // The frame stays valid until the next call.
    const Image& Render(const TvGeometry& geometry, const TvPictureSettings& settings,
                        const Image& screen);

  private:
    void Scale(const TvGeometry& geometry, const Image& screen);
    void Finish(const TvPictureSettings& settings);

    int m_width = 0;
    int m_height = 0;
    TvRect m_work{0, 0, -1, -1}; // the part of the raster the picture's pixels reach
    std::vector<std::int16_t> m_luma, m_blue, m_red;    // Y, B-Y and R-Y, row by row
    std::vector<int> m_sourceColumn;                    // the source column of each pixel
    std::vector<int> m_padded;                          // a line as a filter reads it
    std::vector<int> m_lineLuma, m_lineBlue, m_lineRed; // one line being finished
    static constexpr int kLumaBias = 1024;              // luminance -1024..1023
    static constexpr int kColourBias = 512;             // colour differences -512..511
    static constexpr int kLevelBias = 2048;             // components -2048..3071
    static constexpr int kLevelSpan = 5120;
    struct GreenShare {
        int fromRed, fromBlue;
    };
    int m_lumaTable[2 * kLumaBias];
    int m_colourTable[2 * kColourBias];
    GreenShare m_greenTable[2 * kColourBias];
    std::uint32_t m_levelTable[kLevelSpan];
    Image m_frame;
};

// The pattern generator's raster for a pattern type.
Image RenderTestPattern(int type, int width, int height);
// What the generator calls a pattern type ("75% Color Bars"), or nullptr for a type it does
// not have, which shows black.
const char* TestPatternName(int type);

} // namespace sim
