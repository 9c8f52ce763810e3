// What imm32 keeps: the input contexts associated with windows, and the IME's own windows.
#pragma once

#include "platform/sim/include/win32_window_types.h"

#include <map>

namespace sim {

struct Imm32State {
    std::map<HWND, HIMC> imeContexts;
    HWND imeWindow = nullptr;
    bool imeStatusWindowOpen = true;
};

Imm32State& Imm32();

} // namespace sim
