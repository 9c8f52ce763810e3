#include "TerminalPicture.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// The average of a block of pixels, sampling every other one each way.
std::uint32_t Average(const sim::Image& image, int left, int top, int right, int bottom) {
    unsigned long r = 0, g = 0, b = 0, n = 0;
    for (int y = top; y < bottom; y += 2) {
        for (int x = left; x < right; x += 2) {
            const std::uint32_t p = image.At(x, y);
            r += p >> 16;
            g += (p >> 8) & 0xFF;
            b += p & 0xFF;
            ++n;
        }
    }
    return n == 0 ? 0 : static_cast<std::uint32_t>(((r / n) << 16) | ((g / n) << 8) | (b / n));
}

std::string Colour(bool foreground, std::uint32_t rgb, bool trueColour) {
    const int r = static_cast<int>(rgb >> 16), g = static_cast<int>((rgb >> 8) & 0xFF),
              b = static_cast<int>(rgb & 0xFF);
    const std::string layer = foreground ? "38" : "48";
    if (trueColour) {
        return "\x1b[" + layer + ";2;" + std::to_string(r) + ";" + std::to_string(g) + ";" +
               std::to_string(b) + "m";
    }
    const auto level = [](int v) { return (v * 5 + 127) / 255; };
    return "\x1b[" + layer + ";5;" + std::to_string(16 + 36 * level(r) + 6 * level(g) + level(b)) +
           "m";
}

} // namespace

// NO_COLOR set to anything asks every program for plain text (no-color.org).
bool IsColourTerminal(std::FILE* stream) {
    const char* term = std::getenv("TERM");
    const char* noColour = std::getenv("NO_COLOR");
    return isatty(fileno(stream)) && term != nullptr && *term != '\0' &&
           std::strcmp(term, "dumb") != 0 && (noColour == nullptr || *noColour == '\0');
}

bool TerminalHasTrueColour() {
    const char* colour = std::getenv("COLORTERM");
    return colour != nullptr &&
           (std::strcmp(colour, "truecolor") == 0 || std::strcmp(colour, "24bit") == 0);
}

std::vector<std::string> TerminalPicture(const sim::Image& image, int columns, double shownAspect,
                                         bool trueColour) {
    std::vector<std::string> lines;
    if (image.width <= 0 || image.height <= 0 || columns <= 0 || shownAspect <= 0.0) {
        return lines;
    }
    // A character cell is about twice as high as it is wide: two blocks per cell are square.
    const int blockRows = std::max(1, static_cast<int>(std::lround(columns / shownAspect)));
    const int lineCount = (blockRows + 1) / 2;
    for (int line = 0; line < lineCount; ++line) {
        std::string text;
        for (int column = 0; column < columns; ++column) {
            const int left = column * image.width / columns;
            const int right = (column + 1) * image.width / columns;
            const auto rowEdge = [&](int row) { return row * image.height / blockRows; };
            const std::uint32_t upper =
                Average(image, left, rowEdge(2 * line), right, rowEdge(2 * line + 1));
            const std::uint32_t lower =
                Average(image, left, rowEdge(2 * line + 1), right, rowEdge(2 * line + 2));
            text += Colour(true, upper, trueColour) + Colour(false, lower, trueColour) + "\u2580";
        }
        lines.push_back(text + "\x1b[0m");
    }
    return lines;
}
