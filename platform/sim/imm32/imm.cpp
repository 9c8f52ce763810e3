// The input-method calls: a default IME window and one input context per window.
#include "platform/sim/imm32/imm32_state.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/user32_state.h"

HWND ImmGetDefaultIMEWnd(HWND window) {
    if (sim::Windows().Find(window) == nullptr) {
        return nullptr;
    }
    if (sim::Windows().Find(sim::Imm32().imeWindow) == nullptr) {
        sim::Imm32().imeWindow =
            sim::Windows().Create(0, "IME", "Default IME", WS_POPUP, RECT{0, 0, 0, 0}, nullptr, 0,
                                  nullptr, sim::kProgramThread);
    }
    return sim::Imm32().imeWindow;
}

HIMC ImmGetContext(HWND window) {
    if (sim::Windows().Find(window) == nullptr) {
        return nullptr;
    }
    const auto found = sim::Imm32().imeContexts.find(window);
    if (found == sim::Imm32().imeContexts.end()) {
        // Every window starts with the thread's default input context.
        return sim::Imm32().imeContexts[window] = reinterpret_cast<HIMC>(0x1C0);
    }
    return found->second;
}

HIMC ImmAssociateContext(HWND window, HIMC context) {
    const HIMC previous = ImmGetContext(window);
    sim::Imm32().imeContexts[window] = context;
    return previous;
}

BOOL ImmReleaseContext(HWND, HIMC context) {
    return context != nullptr;
}
