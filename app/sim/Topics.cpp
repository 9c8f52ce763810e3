#include "Topics.h"

namespace {

const Topic kTopics[] = {
    {"trace",
     "Mouse Trace Mode 1, 2 and 3 (the left-button menu, under \"Change Display Area...\"): the\n"
     "TV follows the mouse pointer with an area the size of the stored one, while you go on\n"
     "working (no overlay). Mode 1 keeps the area centred on the pointer, mode 2 moves it only\n"
     "when the pointer leaves it, mode 3 pushes it along when the pointer leaves an inner zone.\n"
     "The pointer is looked at every 20 ms: \"move X Y\" then \"wait 20\" shows the TV follow.\n"
     "Follow Focus, below them, follows the text caret of the program you type into instead\n"
     "(its focused control where it shows no caret), pushed along as mode 3 pushes: try\n"
     "\"focus 2\", \"caret 2 10 10\" and \"type ...\" on the editor's page.\n"
     "Follow Window... asks you to pick a window, as Select Window does (\"move\" onto it, then\n"
     "\"click\"); the TV then shows that window's client area wherever its program moves or\n"
     "resizes it (\"window 3 move 200 100\", \"window 3 size 640 480\"), until it is hidden\n"
     "or closed (\"window 3 close\"), which ends the mode.\n"
     "Choosing the checked mode again ends it and stores the area where it is."},
    {"aspect ratio",
     "Aspect Ratio (the Normal page): the shape Select Area keeps while you drag: 4:3 (a TV's),\n"
     "16:9 (a wide TV's) or Custom (any shape)."},
    {"flicker filter",
     "Flicker Filter (the Normal page): blends each TV line with its neighbours, so that thin\n"
     "horizontal lines of the desktop do not flicker on an interlaced TV; higher levels blend\n"
     "more and soften the picture more."},
    {"luminance filter",
     "Luminance Filter (the Normal page): softens fine detail of brightness along each line."},
    {"chroma filter",
     "Chroma Filter (the Normal page): softens fine detail of colour along each line, which\n"
     "keeps colour edges from crawling on a composite TV."},
    {"underscan",
     "Underscan (the Extension page): the whole picture on the TV, with a black border; the\n"
     "preset of the standard chosen."},
    {"overscan",
     "Overscan (the Extension page): the picture fills the TV and loses its edges, as broadcast\n"
     "pictures do; the preset of the standard chosen."},
    {"arrange",
     "Arrange (the Extension page): the picture's position and size set with the eight arrow\n"
     "buttons, which repeat and speed up while held (\"hold position left 1000\"), within the\n"
     "standard's underscan and overscan presets."},
    {"pedestal",
     "Pedestal (the Extension page): black lifted to a setup level of 7.5 %, as NTSC sets in\n"
     "North America expect; Japanese sets expect none, so it starts off in Japanese, and PAL\n"
     "has none."},
    {"rgb gain",
     "RGB Gain (the Extension page): switches the gain of the converter's RGB input; the\n"
     "simulated converter shows no difference."},
    {"test pattern",
     "Test Pattern (the Extension page): the converter's own pattern generator replaces the\n"
     "desktop on the TV (colour bars, a cross hatch, gradients), to set up the TV; it is\n"
     "switched off when the sheet closes."},
    {"stripe suppression",
     "Suppress Vertical Stripe Pattern (the Extension page): a scaled picture can show a faint\n"
     "pattern of vertical stripes; with this on, the converter suppresses it whenever the\n"
     "picture is scaled. Corvane takes the suppression out while it reprograms the scaler many\n"
     "times in a row (picking an area, tracing, the Option sheet open) and puts it back after."},
};

} // namespace

std::vector<Topic> TopicsNamed(const std::string& typed) {
    std::vector<Topic> found;
    for (const Topic& topic : kTopics) {
        if (std::string(topic.name).rfind(typed, 0) == 0) {
            found.push_back(topic);
        }
    }
    return found;
}
