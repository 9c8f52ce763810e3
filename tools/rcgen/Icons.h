// The program's icons, drawn in code and written as .ico files: a small TV whose screen
// says whether a converter is ready, and the arrows of the Extension page's buttons.
#pragma once

#include <string>

enum class IconKind { Ready, NoDevice, ArrowUp, ArrowLeft, ArrowRight, ArrowDown };

// An .ico holding one image of each size given (16 and/or 32 pixels square).
std::string MakeIcon(IconKind kind, bool withLargeImage);
