// The characters the small bitmap font lacks (Japanese above all), drawn from a real font:
// IPA Gothic, from Debian's fonts-ipafont-gothic, rendered by FreeType at the size of the
// screen picture's text. Without the font installed they show as boxes.
#pragma once

#include <cstdint>
#include <vector>

namespace sim {

struct WideGlyph {
    int advance = 0; // the pixels the pen moves on
    int left = 0;    // the bitmap's offset from the pen
    int top = 0;     // rows from the bitmap's top to the baseline
    int width = 0;
    int rows = 0;
    std::vector<std::uint8_t> coverage; // 0 to 255, row by row
};

// The glyph of a code point at the picture's text size; nullptr when no font is installed or
// the font has no such character.
const WideGlyph* WideGlyphFor(char32_t codePoint);

} // namespace sim
