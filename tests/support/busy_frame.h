// The heaviest frame the converter makes: PAL from a 1920 x 1080 screen of narrow coloured
// stripes (every filter has edges to work on), with every filter and control on.
#pragma once

#include "platform/sim/converter/tv/tv_picture.h"

namespace testing_support {

struct BusyFrame {
    sim::Image screen{1920, 1080, 0};
    sim::TvGeometry pal{720, 576, {0, 0, 1919, 1079}, {40, 20, 690, 560}};
    sim::TvPictureSettings settings;

    BusyFrame() {
        for (int x = 0; x < 1920; x += 7) {
            FillRect(screen, x, 0, x + 3, 1080, static_cast<std::uint32_t>(x * 2654435761u));
        }
        settings.flickerLevel = 8;
        settings.luminanceFilter = settings.chromaFilter = settings.pedestal = true;
        settings.sharpness = 12;
        settings.saturation = 40;
    }
};

} // namespace testing_support
