// A picture in memory, 0xRRGGBB per pixel, and the few ways the simulation draws on one:
// filled rectangles, outlines, and text in a small fixed bitmap font and a real one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // row by row, top first

    Image() = default;
    Image(int w, int h, std::uint32_t colour);
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // Outside the image: black.
    std::uint32_t At(int x, int y) const;
    void Set(int x, int y, std::uint32_t colour);
};

// Right and bottom exclusive, clipped to the image.
void FillRect(Image& image, int left, int top, int right, int bottom, std::uint32_t colour);
void Outline(Image& image, int left, int top, int right, int bottom, std::uint32_t colour);

// Text in a 5 x 8 font on a 6 x 9 cell, each font pixel drawn as scale x scale; characters
// outside printable ASCII (a Japanese title's UTF-8) in a real font (wide_glyphs.h), or as
// one hollow box each where it has none. Condensed
// text leaves out the column between characters (a 5-pixel cell), for a line the real,
// proportional font fits where this one would not.
constexpr int kGlyphCellWidth = 6;
constexpr int kGlyphCellHeight = 9;
enum class Spacing { Normal, Condensed };
int TextWidth(const std::string& text, int scale, Spacing spacing = Spacing::Normal);
// As much of the text as fits the width, from its start, whole characters only.
std::string FittingText(const std::string& text, int width, int scale,
                        Spacing spacing = Spacing::Normal);
void DrawText(Image& image, int x, int y, const std::string& text, std::uint32_t colour, int scale,
              Spacing spacing = Spacing::Normal);

} // namespace sim
