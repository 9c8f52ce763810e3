// The shortcut hook library, as the simulated system provides it.
#include "platform/hook_library.h"

#include "platform/sim/hook/hook_state.h"

#include <algorithm>
#include <string>

namespace {

std::string Describe(const char* call, const SHORTCUT_ENTRY* entry) {
    return std::string(call) + " " + std::to_string(entry->vk) + "/" + std::to_string(entry->flags);
}

} // namespace

int WINAPI StartHook(void) {
    sim::HookLibrary& hook = sim::Hook();
    hook.calls.emplace_back("StartHook");
    if (hook.failStart) {
        return 1;
    }
    hook.running = true;
    return 0;
}

void WINAPI StopHook(void) {
    sim::HookLibrary& hook = sim::Hook();
    hook.calls.emplace_back("StopHook");
    hook.running = false;
}

int WINAPI AddShortcut(SHORTCUT_ENTRY* entry) {
    sim::HookLibrary& hook = sim::Hook();
    hook.calls.push_back(Describe("AddShortcut", entry));
    if (++hook.addsSeen == hook.failAddAt) {
        return 1;
    }
    if (std::find(hook.entries.begin(), hook.entries.end(), entry) == hook.entries.end()) {
        hook.entries.push_back(entry);
    }
    return 0;
}

void WINAPI RemoveShortcut(SHORTCUT_ENTRY* entry) {
    sim::HookLibrary& hook = sim::Hook();
    hook.calls.push_back(Describe("RemoveShortcut", entry));
    hook.entries.erase(std::remove(hook.entries.begin(), hook.entries.end(), entry),
                       hook.entries.end());
}
