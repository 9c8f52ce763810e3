// A small picture in a colour terminal: each character cell shows two pixels, the upper half
// block in the foreground colour and the lower in the background colour.
#pragma once

#include "platform/sim/picture/image.h"

#include <cstdio>
#include <string>
#include <vector>

// Whether the stream is a terminal that shows colours (TERM set and not "dumb").
bool IsColourTerminal(std::FILE* stream);

// The picture shrunk to the columns given, its rows following the proportions it is shown in
// (a TV's 720-pixel raster is shown 4:3), each block the average of the pixels it stands for.
// With trueColour false the colours are the nearest of the 256-colour palette's cube.
std::vector<std::string> TerminalPicture(const sim::Image& image, int columns, double shownAspect,
                                         bool trueColour);

// Whether the terminal says it shows 24-bit colour.
bool TerminalHasTrueColour();
