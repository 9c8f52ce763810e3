// PelbrinEx.dll: global shortcut keys through a low-level keyboard hook. A registered key
// going down with exactly its modifiers delivers the entry's message and is swallowed.
// Nothing about keystrokes is kept beyond which modifiers and shortcut keys are down now.
//
// The hook runs on a thread of its own with its own message loop. Windows removes a
// low-level hook whose thread keeps it waiting past its timeout, and the program's
// user-interface thread may be busy for seconds (waiting for the converter's output); the
// hook thread only ever posts to the entries' windows, so it always answers at once.
#include "platform/hook_library.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr std::size_t kMaxShortcuts = 16;

HINSTANCE g_instance = nullptr;
HANDLE g_thread = nullptr;
DWORD g_threadId = 0;
// The entries are added and removed on the caller's thread and read on the hook thread.
CRITICAL_SECTION g_lock;
SHORTCUT_ENTRY* g_entries[kMaxShortcuts] = {};

// Only the hook thread touches these. Left and right keys are held apart: letting go of one
// Shift while the other is down leaves Shift held.
enum ModifierKey { LEFT_SHIFT, RIGHT_SHIFT, LEFT_CTRL, RIGHT_CTRL, LEFT_ALT, RIGHT_ALT, KEY_COUNT };
bool g_held[KEY_COUNT] = {};
// Shortcut keys that went down and delivered: their auto-repeat delivers nothing more.
bool g_delivered[256] = {};

class Lock {
  public:
    Lock() { EnterCriticalSection(&g_lock); }
    ~Lock() { LeaveCriticalSection(&g_lock); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
};

// The generic codes, as some systems report them, count as the left key.
int ModifierKeyOf(DWORD vk) {
    switch (vk) {
    case VK_SHIFT:
    case VK_LSHIFT:
        return LEFT_SHIFT;
    case VK_RSHIFT:
        return RIGHT_SHIFT;
    case VK_CONTROL:
    case VK_LCONTROL:
        return LEFT_CTRL;
    case VK_RCONTROL:
        return RIGHT_CTRL;
    case VK_MENU:
    case VK_LMENU:
        return LEFT_ALT;
    case VK_RMENU:
        return RIGHT_ALT;
    default:
        return -1;
    }
}

const BYTE kVirtualKeys[KEY_COUNT] = {VK_LSHIFT,   VK_RSHIFT, VK_LCONTROL,
                                      VK_RCONTROL, VK_LMENU,  VK_RMENU};
const DWORD kFlags[KEY_COUNT] = {SHORTCUT_SHIFT, SHORTCUT_SHIFT, SHORTCUT_CTRL,
                                 SHORTCUT_CTRL,  SHORTCUT_ALT,   SHORTCUT_ALT};

// A modifier counts when the hook saw it go down and the system still has it down: a key-up
// the hook never saw (lost to the secure desktop after Ctrl+Alt+Del) does not leave it held.
DWORD HeldModifiers() {
    DWORD flags = 0;
    for (int key = 0; key < KEY_COUNT; ++key) {
        if (g_held[key] && !(GetAsyncKeyState(kVirtualKeys[key]) & 0x8000)) {
            g_held[key] = false;
        }
        flags |= g_held[key] ? kFlags[key] : 0;
    }
    return flags;
}

bool Deliver(DWORD vk, DWORD modifiers) {
    Lock lock;
    for (SHORTCUT_ENTRY* entry : g_entries) {
        if (entry != nullptr && entry->vk == vk && entry->flags == modifiers) {
            PostMessageA(entry->hwnd, entry->message, entry->wParam, entry->lParam);
            return true;
        }
    }
    return false;
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HC_ACTION) {
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
    const int modifier = ModifierKeyOf(key->vkCode);
    const DWORD vk = key->vkCode & 0xFF;
    if (modifier >= 0) {
        g_held[modifier] = down;
    } else if (!down) {
        g_delivered[vk] = false;
    } else if (g_delivered[vk]) {
        return 1; // the shortcut's own auto-repeat
    } else if (Deliver(vk, HeldModifiers())) {
        g_delivered[vk] = true;
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct Start {
    HANDLE ready;
    bool hooked;
};

// Installs the hook, says whether it could, and serves it until told to quit.
DWORD WINAPI HookThread(LPVOID parameter) {
    auto* start = static_cast<Start*>(parameter);
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); // the thread's queue, for WM_QUIT
    const HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardProc, g_instance, 0);
    start->hooked = hook != nullptr;
    SetEvent(start->ready);
    if (hook == nullptr) {
        return 1;
    }
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    UnhookWindowsHookEx(hook);
    return 0;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_instance = instance;
        InitializeCriticalSection(&g_lock);
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH) {
        DeleteCriticalSection(&g_lock);
    }
    return TRUE;
}

extern "C" int WINAPI StartHook(void) {
    if (g_thread != nullptr) {
        return 0;
    }
    std::fill(std::begin(g_held), std::end(g_held), false);
    std::fill(std::begin(g_delivered), std::end(g_delivered), false);
    Start start{CreateEventA(nullptr, TRUE, FALSE, nullptr), false};
    if (start.ready == nullptr) {
        return 1;
    }
    g_thread = CreateThread(nullptr, 0, HookThread, &start, 0, &g_threadId);
    if (g_thread != nullptr) {
        WaitForSingleObject(start.ready, INFINITE);
    }
    CloseHandle(start.ready);
    if (g_thread != nullptr && !start.hooked) {
        WaitForSingleObject(g_thread, INFINITE);
        CloseHandle(g_thread);
        g_thread = nullptr;
    }
    return g_thread != nullptr ? 0 : 1;
}

extern "C" void WINAPI StopHook(void) {
    if (g_thread == nullptr) {
        return;
    }
    PostThreadMessageA(g_threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(g_thread, INFINITE);
    CloseHandle(g_thread);
    g_thread = nullptr;
    g_threadId = 0;
}

extern "C" int WINAPI AddShortcut(SHORTCUT_ENTRY* entry) {
    if (entry == nullptr) {
        return 1;
    }
    Lock lock;
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
    Lock lock;
    std::replace(std::begin(g_entries), std::end(g_entries), entry,
                 static_cast<SHORTCUT_ENTRY*>(nullptr));
}
