// Start-up's settings over any stored values: every value the program reads, taken four
// bytes at a time from the input (missing ones stay unset), loaded, and applied to a
// converter. The undefined-behaviour sanitizer stops at any computation that is not defined.
#include "model/MrgDoc.h"
#include "model/StoredValues.h"
#include "platform/sim/advapi32/advapi32_state.h"
#include "platform/sim/control/world.h"
#include "shell/MrgApp.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sim::World world;
    sim::Converter& converter = world.Plug();
    CMrgApp app;
    app.SetRegistryKey("Velmora");
    std::size_t at = 0;
    for (const STORED_VALUE& stored : g_storedValues) {
        if (at + sizeof(DWORD) > size) {
            break;
        }
        DWORD value = 0;
        std::memcpy(&value, data + at, sizeof value);
        at += sizeof value;
        sim::Advapi32().registry.WriteDword(
            std::string("Software\\Velmora\\Corvane\\") + stored.section, stored.name, value);
    }
    CMrgDoc doc;
    doc.LoadSettings();
    doc.OpenDevice(OPEN_STARTUP);
    doc.CloseDevice(CLOSE_NORMAL);
    converter.ClearTraffic();
    return 0;
}
