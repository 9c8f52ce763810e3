// The input-method calls: a default IME window and one input context per window.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/world.h"

using sim::World;

HWND ImmGetDefaultIMEWnd(HWND window) {
    World& world = World::Current();
    if (world.windows.Find(window) == nullptr) {
        return nullptr;
    }
    if (world.windows.Find(world.imeWindow) == nullptr) {
        world.imeWindow = world.windows.Create(0, "IME", "Default IME", WS_POPUP, RECT{0, 0, 0, 0},
                                               nullptr, 0, nullptr, sim::kProgramThread);
    }
    return world.imeWindow;
}

HIMC ImmGetContext(HWND window) {
    World& world = World::Current();
    if (world.windows.Find(window) == nullptr) {
        return nullptr;
    }
    const auto found = world.imeContexts.find(window);
    if (found == world.imeContexts.end()) {
        // Every window starts with the thread's default input context.
        return world.imeContexts[window] = reinterpret_cast<HIMC>(0x1C0);
    }
    return found->second;
}

HIMC ImmAssociateContext(HWND window, HIMC context) {
    const HIMC previous = ImmGetContext(window);
    World::Current().imeContexts[window] = context;
    return previous;
}

BOOL ImmReleaseContext(HWND, HIMC context) {
    return context != nullptr;
}
