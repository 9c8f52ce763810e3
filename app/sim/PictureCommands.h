// The simulator's pictures: what the TV shows and what the screen shows, as a line, as a
// small picture in a colour terminal, and as PNG files.
#pragma once

#include "CommandTable.h"
#include "platform/sim/picture/image.h"

namespace PictureCommands {
// show tv [FILE.png]
std::string ShowTv(Session& s, const Words& words);
// show screen FILE.png
std::string ShowScreen(Session& s, const Words& words);
// What the TV shows now: black without a converter.
const sim::Image& TvFrame(Session& s);
} // namespace PictureCommands

// A PNG file rewritten whenever the TV's picture has changed since it was last written.
class TvPictureFile {
  public:
    explicit TvPictureFile(std::string path) : m_path(std::move(path)) {}
    // The text of an error, or empty.
    std::string Keep(const sim::Image& frame);

  private:
    std::string m_path;
    sim::Image m_written;
};
