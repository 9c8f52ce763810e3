// PelbrinEx.dll: global shortcut keys through a low-level keyboard hook. A registered key
// going down with exactly its modifiers delivers the entry's message and is swallowed.
// Nothing about keystrokes is kept beyond which modifiers are down right now.
#include "platform/hook_library.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr std::size_t kMaxShortcuts = 16;

HINSTANCE g_instance = nullptr;
HHOOK g_hook = nullptr;
SHORTCUT_ENTRY* g_entries[kMaxShortcuts] = {};
DWORD g_modifiers = 0;

// Left and right keys alike; the generic codes as some systems report them.
DWORD ModifierOf(DWORD vk) {
    switch (vk) {
    case VK_SHIFT:
    case VK_LSHIFT:
    case VK_RSHIFT:
        return SHORTCUT_SHIFT;
    case VK_CONTROL:
    case VK_LCONTROL:
    case VK_RCONTROL:
        return SHORTCUT_CTRL;
    case VK_MENU:
    case VK_LMENU:
    case VK_RMENU:
        return SHORTCUT_ALT;
    default:
        return 0;
    }
}

bool Deliver(DWORD vk) {
    for (SHORTCUT_ENTRY* entry : g_entries) {
        if (entry != nullptr && entry->vk == vk && entry->flags == g_modifiers) {
            PostMessageA(entry->hwnd, entry->message, entry->wParam, entry->lParam);
            return true;
        }
    }
    return false;
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        const DWORD modifier = ModifierOf(key->vkCode);
        if (modifier != 0) {
            g_modifiers = down ? (g_modifiers | modifier) : (g_modifiers & ~modifier);
        } else if (down && Deliver(key->vkCode)) {
            return 1;
        }
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_instance = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" int WINAPI StartHook(void) {
    if (g_hook != nullptr) {
        return 0;
    }
    g_modifiers = 0;
    g_hook = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardProc, g_instance, 0);
    return g_hook != nullptr ? 0 : 1;
}

extern "C" void WINAPI StopHook(void) {
    if (g_hook != nullptr) {
        UnhookWindowsHookEx(g_hook);
        g_hook = nullptr;
    }
}

extern "C" int WINAPI AddShortcut(SHORTCUT_ENTRY* entry) {
    if (entry == nullptr) {
        return 1;
    }
    if (std::find(std::begin(g_entries), std::end(g_entries), entry) != std::end(g_entries)) {
        return 0;
    }
    auto* free = std::find(std::begin(g_entries), std::end(g_entries), nullptr);
    if (free == std::end(g_entries)) {
        return 1;
    }
    *free = entry;
    return 0;
}

extern "C" void WINAPI RemoveShortcut(SHORTCUT_ENTRY* entry) {
    std::replace(std::begin(g_entries), std::end(g_entries), entry,
                 static_cast<SHORTCUT_ENTRY*>(nullptr));
}
