// Start-up's settings over any stored values: every value the program reads, taken four
// bytes at a time from the input (missing ones stay unset), loaded, and applied to a
// converter. The undefined-behaviour sanitizer stops at any computation that is not defined.
#include "model/MrgDoc.h"
#include "platform/sim/advapi32/advapi32_state.h"
#include "platform/sim/control/world.h"
#include "shell/MrgApp.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

const char* const kValues[] = {
    "Selection\\HorizontalResolution",
    "Selection\\VerticalResolution",
    "Selection\\Left",
    "Selection\\Top",
    "Selection\\Right",
    "Selection\\Bottom",
    "Selection\\AspectRatio",
    "Device\\Contrast",
    "Device\\Brightness",
    "Device\\Sharpness",
    "Device\\Saturation",
    "Device\\FlickerFilter",
    "Device\\LuminanceFilter",
    "Device\\ChromaFilter",
    "Device\\VideoStandard",
    "Device\\Pedestal",
    "Device\\RgbGain",
    "Device\\TvPositionSize",
    "Device\\TvHorizontalOffset",
    "Device\\TvVerticalOffset",
    "Device\\TvHorizontalSize",
    "Device\\TvVerticalSize",
    "Device\\ExternalOutput",
    "Device\\SuppressVerticalStripePattern",
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sim::World world;
    sim::Converter& converter = world.Plug();
    CMrgApp app;
    app.SetRegistryKey("Velmora");
    std::size_t at = 0;
    for (const char* path : kValues) {
        if (at + sizeof(DWORD) > size) {
            break;
        }
        DWORD value = 0;
        std::memcpy(&value, data + at, sizeof value);
        at += sizeof value;
        const std::string full(path);
        const std::size_t slash = full.rfind('\\');
        sim::Advapi32().registry.WriteDword("Software\\Velmora\\Corvane\\" + full.substr(0, slash),
                                            full.substr(slash + 1), value);
    }
    CMrgDoc doc;
    doc.LoadSettings();
    doc.OpenDevice(OPEN_STARTUP);
    doc.CloseDevice(CLOSE_NORMAL);
    converter.ClearTraffic();
    return 0;
}
