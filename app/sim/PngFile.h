// Pictures written as PNG files for a person to look at.
#pragma once

#include "platform/sim/picture/image.h"

#include <string>

// Writes the picture as an 8-bit RGB PNG, replacing the file in one step so that an image
// viewer watching it never reads half a picture; a file that holds anything but a PNG is
// refused. Empty on success, else what went wrong.
std::string WritePng(const std::string& path, const sim::Image& image);
