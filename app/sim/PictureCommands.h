// The simulator's pictures: what the TV shows and what the screen shows, as a line, as a
// small picture in a colour terminal, and as PNG files.
#pragma once

#include "platform/sim/converter/tv/tv_geometry.h"
#include "platform/sim/picture/image.h"

#include <string>
#include <vector>

class Simulator;

struct PictureCommands {
    using Words = std::vector<std::string>;
    // show tv [FILE.png]
    static std::string ShowTv(Simulator& s, const Words& words);
    // show screen FILE.png
    static std::string ShowScreen(Simulator& s, const Words& words);
    // Rewrites the --tv file when the TV's picture has changed since it was last written.
    static void KeepTvFile(Simulator& s);

  private:
    // What the TV shows now: black without a converter.
    static sim::Image TvFrame(Simulator& s);
    static void ExplainSource(Simulator& s, const sim::TvRect& source);
    // A picture written says so; one not written gives the error.
    static std::string Written(Simulator& s, const std::string& what, const std::string& file,
                               const std::string& error);
};
