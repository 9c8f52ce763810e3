#include "PictureCommands.h"

#include "PngFile.h"
#include "Session.h"
#include "TerminalPicture.h"
#include "model/MrgDoc.h"
#include "platform/sim/control/world.h"
#include "platform/sim/converter/tv/tv_geometry.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "view/MrgView.h"

#include <cstdio>

namespace {

constexpr int kTerminalColumns = 64;
constexpr double kTvAspect = 4.0 / 3.0;

std::string Rect(const sim::TvRect& r) {
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
           " " + std::to_string(r.bottom);
}

// The area the program last chose (the running mode's selection, else the stored area), when
// the converter shows another: its scaler zooms in only so far, and starts a line only in
// steps, so the TV shows the nearest area it can. Said with the figures, so that the
// indicator's "400 x 300" and a TV showing more do not disagree without a word.
void ExplainSource(Session& s, const sim::TvGeometry& tv) {
    const CMrgView* view = s.View();
    const CMrgDoc* doc = s.Document();
    if (view == nullptr || doc == nullptr) {
        return;
    }
    const RECT chosen = view->m_nMode != 0 && !IsRectEmpty(&view->m_rcSelection)
                            ? view->m_rcSelection
                            : doc->m_rcDisplayArea;
    const sim::TvRect& source = tv.source;
    const auto near = [](long a, int b) { return a - b <= 1 && b - a <= 1; };
    if (IsRectEmpty(&chosen) ||
        (near(chosen.left, source.left) && near(chosen.top, source.top) &&
         near(chosen.right, source.right) && near(chosen.bottom, source.bottom))) {
        return;
    }
    const auto number = [](double value) {
        char text[16];
        std::snprintf(text, sizeof text, "%.4g", value);
        return std::string(text);
    };
    std::string why;
    if (chosen.right - chosen.left < tv.narrowestSource ||
        chosen.bottom - chosen.top < tv.shortestSource) {
        why = "it zooms in no closer than " + std::to_string(tv.narrowestSource) + " x " +
              std::to_string(tv.shortestSource) + " desktop pixels at this resolution";
    }
    if (!near(chosen.left, source.left) && tv.horizontalStep > 1.0) {
        why += (why.empty() ? "" : ", and ") + std::string("it starts a line only in steps of ") +
               number(tv.horizontalStep) + " pixels";
    }
    s.Print(
        "tv: the area chosen, " + std::to_string(chosen.left) + " " + std::to_string(chosen.top) +
        " " + std::to_string(chosen.right) + " " + std::to_string(chosen.bottom) +
        ", is shown as " + std::to_string(source.right - source.left + 1) + " x " +
        std::to_string(source.bottom - source.top + 1) + " desktop pixels from (" +
        std::to_string(source.left) + ", " + std::to_string(source.top) +
        "): the nearest the converter's scaler can show" + (why.empty() ? "" : " (" + why + ")"));
}

std::string Written(Session& s, const std::string& what, const std::string& file,
                    const std::string& error) {
    if (error.empty()) {
        s.Print(what + ": written to " + file);
    }
    return error;
}

} // namespace

const sim::Image& PictureCommands::TvFrame(Session& s) {
    sim::Converter* converter = s.LastAttached();
    if (converter == nullptr) {
        static const sim::Image kBlack(720, 480, 0);
        return kBlack;
    }
    return converter->Render(s.World().PictureSent(), s.World().Now());
}

// What the TV shows and why, read from the converter's registers: black and the reason, a
// test pattern or an external input by name, or the desktop rectangle the scaler selects and
// where it lies in the TV raster (inclusive rectangles); then the picture itself, in a colour
// terminal or into a file.
std::string PictureCommands::ShowTv(Session& s, const Words& words) {
    sim::Converter* converter = s.LastAttached();
    if (converter == nullptr) {
        return "no converter is attached";
    }
    const DWORD now = s.World().Now();
    const sim::TvGeometry tv =
        converter->Picture(sim::PrimaryScreen().Width(), sim::PrimaryScreen().Height(), now);
    const sim::TvPictureSettings settings = converter->PictureSettings(now);
    const std::string standard = tv.rasterHeight == 576 ? "PAL" : "NTSC";
    if (converter->OutputSuspended(now)) {
        s.Print("tv: black: the converter's output is off, as the program leaves it for a suspend");
    } else if (!settings.outputReady) {
        s.Print("tv: black: the converter is starting; its output is ready about seven seconds "
                "after it powers up");
    } else if (settings.testPattern) {
        const char* name = sim::TestPatternName(settings.patternType);
        s.Print("tv: " + standard + ", " +
                (name ? "test pattern \"" + std::string(name) + "\""
                      : "black: test pattern type " + std::to_string(settings.patternType) +
                            ", which the converter does not have"));
    } else if (settings.externalInputs & (sim::kTvInputSVideo | sim::kTvInputComposite)) {
        const bool sVideo = (settings.externalInputs & sim::kTvInputSVideo) != 0;
        const bool composite = (settings.externalInputs & sim::kTvInputComposite) != 0;
        s.Print("tv: " + standard + ", the external " +
                (sVideo && composite ? "S-Video and composite inputs"
                 : sVideo            ? "S-Video input"
                                     : "composite input"));
    } else if (sim::DisplayAsleep()) {
        s.Print("tv: black: the display sleeps by the power plan, and the converter gets no "
                "picture");
    } else {
        s.Print("tv: " + standard + ", source " + Rect(tv.source) + ", picture " +
                Rect(tv.picture));
        ExplainSource(s, tv);
    }
    if (words.size() > 2) {
        return Written(s, "tv", words[2], WritePng(words[2], TvFrame(s)));
    }
    if (s.DrawsPictures()) {
        for (const std::string& line :
             TerminalPicture(TvFrame(s), kTerminalColumns, kTvAspect, TerminalHasTrueColour())) {
            s.Print(line);
        }
    }
    return "";
}

std::string PictureCommands::ShowScreen(Session& s, const Words& words) {
    if (words.size() < 3) {
        return "show screen takes the PNG file to write";
    }
    return Written(s, "screen", words[2],
                   WritePng(words[2], s.World().RepaintedScreen().Picture()));
}

std::string TvPictureFile::Keep(const sim::Image& frame) {
    if (frame.pixels == m_written.pixels && frame.height == m_written.height) {
        return "";
    }
    if (std::string error = WritePng(m_path, frame); !error.empty()) {
        return error;
    }
    m_written = frame;
    return "";
}
