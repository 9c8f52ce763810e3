// wintool COMMAND ...: looks at and pokes the running Corvane from outside, for the tests
// under Wine. Texts are printed in UTF-8 whatever the ANSI code page.
//   wait-frame SECONDS   until the frame window exists (exit 1 if it never does)
//   menu-open            exit 0 when a popup menu is on screen
//   menus                how many popup menus are on screen (an open submenu counts too)
//   post-exit            post the Exit command to the frame
//   close-app            close the program as the Restart Manager does for an installer:
//                        WM_QUERYENDSESSION, then WM_ENDSESSION, with ENDSESSION_CLOSEAPP
//   close-app-at-start   the same the moment the frame exists (waiting up to 30 s for it)
//   strings EXE ID...    the string resources, one a line
//   menu EXE ID          the menu's item texts, one a line, nested by two spaces
//   windows              the visible top-level windows: class, then title
//   hook-selftest DLL    the hook library's contract, called by ordinal as the program does
//   hook-under-load DLL  the hook library driven by SendInput: exact modifiers match, an extra
//                        Shift does not, a held key delivers once, a modifier whose key-up
//                        the hook never saw does not count, and the hook answers while the
//                        thread that owns the entries' window is blocked for 3 s
//   frames               how many Corvane frames exist
//   menu-point N COUNT   the middle of item N (from 1) of the open popup menu of COUNT
//                        items of equal height, as screen coordinates "X Y"
//   dialog-point WHAT    where to click on the open dialog: "ok" (its OK button),
//                        "close" (its close box), "tab" (a property sheet's first tab) or a
//                        control's id (on a property sheet's page too), as screen
//                        coordinates "X Y"; exit 1 when no dialog is open or it has no such
//                        control showing
//   dialog-checked ID    exit 0 when the open dialog's check box or radio button is checked
//   page-fits            exit 0 when every control of the open property sheet's page lies
//                        inside the sheet's client area; the others are printed
//   focus-class          the class of the window with the keyboard focus on the open
//                        dialog's thread
//   list-item-point ID   the middle of the chosen item in the open list of the dialog's
//                        drop-down list ID, as screen coordinates "X Y"
//   message N            the system's text for error N, its line end shown as \r\n
//   white-window L T R B another program's window, painted white, until it is killed
//   edit-window L T R B  another program's window titled "editor", an edit control filling
//                        it, until it is killed
//   send-text TEXT       the text typed by SendInput, one key down and up a character
//   place-window TITLE L T R B  moves and sizes another program's window titled so, as its
//                        program would (SetWindowPos, not activating it)
//   close-window TITLE   asks that window to close (WM_CLOSE), as its close box does
//   pixel X Y            the screen's pixel there, as the screen device context reads it
//   message-loop         a window and its message loop, doing nothing until closed: the
//                        measure of what a resident program costs when it is idle
#include "platform/hook_library.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

const char kFrameClass[] = "CorvaneFrame";

std::string ToUtf8(const char* text) {
    const int wide = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring buffer(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &buffer[0], wide);
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, buffer.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, buffer.c_str(), -1, &out[0], bytes, nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}

template <class Function> Function Ordinal(HMODULE library, WORD ordinal) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(ordinal))));
}

// Exit code 0 when the library keeps its contract: ordinals only, harmless calls out of
// order, each entry registered once, and a refusal when it is full.
int HookSelfTest(const char* path) {
    const HMODULE library = LoadLibraryA(path);
    if (library == nullptr) {
        return 2;
    }
    using Start = int(WINAPI*)();
    using Stop = void(WINAPI*)();
    using Add = int(WINAPI*)(SHORTCUT_ENTRY*);
    using Remove = void(WINAPI*)(SHORTCUT_ENTRY*);
    const auto start = Ordinal<Start>(library, 1);
    const auto stop = Ordinal<Stop>(library, 2);
    const auto add = Ordinal<Add>(library, 3);
    const auto remove = Ordinal<Remove>(library, 4);
    int failures = 0;
    const auto expect = [&failures](bool ok, const char* what) {
        if (!ok) {
            std::printf("hook: %s\n", what);
            ++failures;
        }
    };
    expect(start && stop && add && remove, "ordinals 1 to 4 are exported");
    expect(GetProcAddress(library, "StartHook") == nullptr &&
               GetProcAddress(library, "StartHook@0") == nullptr,
           "no function is exported by name");
    if (failures != 0) {
        return 1;
    }
    SHORTCUT_ENTRY entries[17] = {};
    stop();
    remove(&entries[0]);
    expect(add(&entries[0]) == 0 && add(&entries[0]) == 0, "an entry added twice is kept once");
    int added = 1;
    for (int i = 1; i < 17 && add(&entries[i]) == 0; ++i) {
        ++added;
    }
    expect(added == 16, "sixteen entries fit, the seventeenth is refused");
    remove(&entries[3]);
    expect(add(&entries[16]) == 0, "a removed entry's place is free again");
    expect(start() == 0 && start() == 0, "the hook starts, and a second start is harmless");
    stop();
    stop();
    FreeLibrary(library);
    return failures == 0 ? 0 : 1;
}

// Keys as the user's keyboard sends them.
void SendKeys(std::initializer_list<std::pair<WORD, bool>> keys) {
    std::vector<INPUT> inputs;
    for (const auto& [vk, up] : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
        // The right Ctrl and Alt are extended keys, as a keyboard sends them.
        const bool extended = vk == VK_RCONTROL || vk == VK_RMENU;
        input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

constexpr bool kDown = false;
constexpr bool kUp = true;

// Modifiers pressed in order, the key down `repeats` times (auto-repeat), the key released,
// the modifiers released in reverse.
void Chord(std::initializer_list<WORD> modifiers, WORD key, int repeats = 1) {
    for (WORD modifier : modifiers) {
        SendKeys({{modifier, kDown}});
    }
    for (int i = 0; i < repeats; ++i) {
        SendKeys({{key, kDown}});
    }
    SendKeys({{key, kUp}});
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) {
        SendKeys({{*it, kUp}});
    }
}
constexpr UINT kFullScreen = WM_APP + 1;
constexpr UINT kAltG = WM_APP + 2;

// How many of a message reached the thread's windows within the time.
int Deliveries(UINT message, DWORD milliseconds) {
    int count = 0;
    const DWORD until = GetTickCount() + milliseconds;
    while (static_cast<LONG>(until - GetTickCount()) > 0) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            count += msg.message == message ? 1 : 0;
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    return count;
}

// A second hook, installed after the library's and so asked first, that keeps the next
// left Ctrl key-up from the hooks after it while the system still takes it: as when the
// key-up goes to the secure desktop.
volatile bool g_hideCtrlUp = false;
LRESULT CALLBACK HidingProc(int code, WPARAM wParam, LPARAM lParam) {
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (code == HC_ACTION && g_hideCtrlUp && key->vkCode == VK_LCONTROL &&
        (wParam == WM_KEYUP || wParam == WM_SYSKEYUP)) {
        g_hideCtrlUp = false;
        return 0;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

DWORD WINAPI HidingThread(LPVOID ready) {
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    const HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, HidingProc, GetModuleHandleA(nullptr), 0);
    SetEvent(static_cast<HANDLE>(ready));
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageA(&msg);
    }
    UnhookWindowsHookEx(hook);
    return 0;
}

DWORD WINAPI TypeCtrlAltF(LPVOID elapsed) {
    const DWORD started = GetTickCount();
    Chord({VK_LCONTROL, VK_LMENU}, 'F');
    *static_cast<DWORD*>(elapsed) = GetTickCount() - started;
    return 0;
}

int HookUnderLoad(const char* path) {
    const HMODULE library = LoadLibraryA(path);
    if (library == nullptr) {
        return 2;
    }
    const auto start = Ordinal<int(WINAPI*)()>(library, 1);
    const auto stop = Ordinal<void(WINAPI*)()>(library, 2);
    const auto add = Ordinal<int(WINAPI*)(SHORTCUT_ENTRY*)>(library, 3);
    const HWND window =
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    SHORTCUT_ENTRY fullScreen{'F', SHORTCUT_CTRL | SHORTCUT_ALT, window, kFullScreen, 0, 0};
    SHORTCUT_ENTRY altG{'G', SHORTCUT_ALT, window, kAltG, 0, 0};
    int failures = 0;
    const auto expect = [&failures](int got, int wanted, const char* what) {
        std::printf("hook: %s: %d delivered%s\n", what, got, got == wanted ? "" : " (wrong)");
        failures += got == wanted ? 0 : 1;
    };
    if (start() != 0 || add(&fullScreen) != 0 || add(&altG) != 0) {
        std::printf("hook: does not start\n");
        return 1;
    }
    Chord({VK_LCONTROL, VK_LMENU}, 'F');
    expect(Deliveries(kFullScreen, 500), 1, "Ctrl+Alt+F");
    Chord({VK_LSHIFT, VK_LCONTROL, VK_LMENU}, 'F');
    expect(Deliveries(kFullScreen, 500), 0, "Shift+Ctrl+Alt+F");
    Chord({VK_RCONTROL, VK_LMENU}, 'F', 4);
    expect(Deliveries(kFullScreen, 500), 1, "right Ctrl+Alt+F held through four repeats");
    SendKeys({{VK_LCONTROL, kDown}, {VK_RCONTROL, kDown}, {VK_LCONTROL, kUp}});
    Chord({VK_LMENU}, 'F');
    SendKeys({{VK_RCONTROL, kUp}});
    expect(Deliveries(kFullScreen, 500), 1, "Ctrl+Alt+F with the right Ctrl still down");

    const HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD hidingId = 0;
    const HANDLE hiding = CreateThread(nullptr, 0, HidingThread, ready, 0, &hidingId);
    WaitForSingleObject(ready, INFINITE);
    g_hideCtrlUp = true;
    SendKeys({{VK_LCONTROL, kDown}, {VK_LCONTROL, kUp}});
    Deliveries(0, 200);
    Chord({VK_LMENU}, 'G');
    expect(Deliveries(kAltG, 500), 1, "Alt+G after a Ctrl whose key-up the hook missed");
    PostThreadMessageA(hidingId, WM_QUIT, 0, 0);
    WaitForSingleObject(hiding, INFINITE);

    DWORD elapsed = 0;
    const HANDLE typist = CreateThread(nullptr, 0, TypeCtrlAltF, &elapsed, 0, nullptr);
    Sleep(3000); // the entries' thread answers nothing meanwhile
    WaitForSingleObject(typist, INFINITE);
    expect(Deliveries(kFullScreen, 500), 1, "Ctrl+Alt+F while the window's thread is blocked");
    std::printf("hook: the keys took %lu ms to pass the hook\n",
                static_cast<unsigned long>(elapsed));
    failures += elapsed < 1000 ? 0 : 1;
    stop();
    DestroyWindow(window);
    FreeLibrary(library);
    return failures == 0 ? 0 : 1;
}

BOOL CALLBACK CountMenu(HWND window, LPARAM count) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "#32768") == 0 && IsWindowVisible(window)) {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

BOOL CALLBACK MatchShownDialog(HWND window, LPARAM found) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The topmost dialog on screen: a hidden one (Wine keeps some) above it does not count.
HWND OpenDialog() {
    HWND found = nullptr;
    EnumWindows(MatchShownDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The middle of the OK button, or a point of the caption that the dialog itself says is its
// close box.
struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchControl(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<ControlSearch*>(lParam);
    if (GetDlgCtrlID(window) == search->id && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The dialog's showing control with that id, among its pages' controls too.
HWND ShownControl(HWND dialog, int id) {
    ControlSearch search{id, nullptr};
    EnumChildWindows(dialog, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool DialogPoint(const std::string& what, POINT& point) {
    const HWND dialog = OpenDialog();
    RECT rect{};
    if (dialog == nullptr || !GetWindowRect(dialog, &rect)) {
        return false;
    }
    if (what == "tab") {
        RECT tabs{};
        if (!GetWindowRect(FindWindowExA(dialog, nullptr, "SysTabControl32", nullptr), &tabs)) {
            return false;
        }
        point = POINT{tabs.left + 12, tabs.top + 8};
        return true;
    }
    if (what == "ok" || std::atoi(what.c_str()) > 0) {
        RECT control{};
        const int id = what == "ok" ? IDOK : std::atoi(what.c_str());
        if (!GetWindowRect(ShownControl(dialog, id), &control)) {
            return false;
        }
        point = POINT{(control.left + control.right) / 2, (control.top + control.bottom) / 2};
        return true;
    }
    long sumX = 0;
    long sumY = 0;
    long count = 0;
    for (LONG y = rect.top; y < rect.top + 48; ++y) {
        for (LONG x = rect.right - 80; x < rect.right; ++x) {
            if (SendMessageA(dialog, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
                sumX += x;
                sumY += y;
                ++count;
            }
        }
    }
    if (count == 0) {
        return false;
    }
    point = POINT{sumX / count, sumY / count};
    return true;
}

BOOL CALLBACK CountFrame(HWND window, LPARAM count) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == kFrameClass) {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

HWND Frame() {
    return FindWindowA(kFrameClass, "Corvane");
}

BOOL CALLBACK PrintWindow(HWND window, LPARAM) {
    if (IsWindowVisible(window)) {
        char className[128] = {};
        char title[512] = {};
        GetClassNameA(window, className, sizeof className);
        GetWindowTextA(window, title, sizeof title);
        std::printf("%s|%s\n", className, ToUtf8(title).c_str());
    }
    return TRUE;
}

void PrintMenu(HMENU menu, const std::string& indent) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[256] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        if (HMENU sub = GetSubMenu(menu, i)) {
            std::printf("%s%s\n", indent.c_str(), ToUtf8(text).c_str());
            PrintMenu(sub, indent + "  ");
        } else if (text[0] != '\0') {
            std::printf("%s%s\n", indent.c_str(), ToUtf8(text).c_str());
        }
    }
}

HMODULE LoadProgram(const char* path) {
    HMODULE module = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        std::fprintf(stderr, "wintool: cannot load %s (%lu)\n", path, GetLastError());
        std::exit(2);
    }
    return module;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "wait-frame" && argc == 3) {
        for (int tenths = 0; tenths < std::atoi(argv[2]) * 10; ++tenths) {
            if (Frame() != nullptr) {
                return 0;
            }
            Sleep(100);
        }
        return 1;
    }
    if (command == "menu-open" && argc == 2) {
        const HWND menu = FindWindowA("#32768", nullptr);
        return menu != nullptr && IsWindowVisible(menu) ? 0 : 1;
    }
    if (command == "menus" && argc == 2) {
        int count = 0;
        EnumWindows(CountMenu, reinterpret_cast<LPARAM>(&count));
        std::printf("%d\n", count);
        return 0;
    }
    if (command == "frames" && argc == 2) {
        int count = 0;
        EnumWindows(CountFrame, reinterpret_cast<LPARAM>(&count));
        std::printf("%d\n", count);
        return 0;
    }
    if (command == "menu-point" && argc == 4) {
        const HWND menu = FindWindowA("#32768", nullptr);
        RECT rect{};
        const int item = std::atoi(argv[2]);
        const int count = std::atoi(argv[3]);
        if (menu == nullptr || !IsWindowVisible(menu) || count <= 0 ||
            !GetClientRect(menu, &rect)) {
            return 1;
        }
        POINT point{rect.right / 2, rect.bottom * (2 * item - 1) / (2 * count)};
        ClientToScreen(menu, &point);
        std::printf("%ld %ld\n", static_cast<long>(point.x), static_cast<long>(point.y));
        return 0;
    }
    if (command == "dialog-point" && argc == 3) {
        POINT point{};
        if (!DialogPoint(argv[2], point)) {
            return 1;
        }
        std::printf("%ld %ld\n", static_cast<long>(point.x), static_cast<long>(point.y));
        return 0;
    }
    if (command == "list-item-point" && argc == 3) {
        const HWND dialog = OpenDialog();
        const HWND combo = dialog ? ShownControl(dialog, std::atoi(argv[2])) : nullptr;
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (combo == nullptr || !GetComboBoxInfo(combo, &info) || !IsWindowVisible(info.hwndList)) {
            return 1;
        }
        const LRESULT item = SendMessageA(info.hwndList, LB_GETCURSEL, 0, 0);
        RECT rect{};
        if (SendMessageA(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(item),
                         reinterpret_cast<LPARAM>(&rect)) == LB_ERR) {
            return 1;
        }
        POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ClientToScreen(info.hwndList, &point);
        std::printf("%ld %ld\n", static_cast<long>(point.x), static_cast<long>(point.y));
        return 0;
    }
    if (command == "focus-class" && argc == 2) {
        const HWND dialog = OpenDialog();
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        char name[64] = {};
        if (dialog == nullptr ||
            !GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) ||
            info.hwndFocus == nullptr) {
            return 1;
        }
        GetClassNameA(info.hwndFocus, name, sizeof name);
        std::printf("%s\n", name);
        return 0;
    }
    if (command == "page-fits" && argc == 2) {
        const HWND sheet = OpenDialog();
        const HWND page =
            sheet ? reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0))
                  : nullptr;
        RECT client{};
        if (page == nullptr || !GetClientRect(sheet, &client)) {
            return 1;
        }
        MapWindowPoints(sheet, nullptr, reinterpret_cast<POINT*>(&client), 2);
        int outside = 0;
        for (HWND control = GetWindow(page, GW_CHILD); control != nullptr;
             control = GetWindow(control, GW_HWNDNEXT)) {
            RECT rect{};
            GetWindowRect(control, &rect);
            if (IsWindowVisible(control) &&
                (rect.left < client.left || rect.top < client.top || rect.right > client.right ||
                 rect.bottom > client.bottom)) {
                std::printf("control %d at (%ld, %ld)-(%ld, %ld) outside (%ld, %ld)-(%ld, %ld)\n",
                            GetDlgCtrlID(control), rect.left, rect.top, rect.right, rect.bottom,
                            client.left, client.top, client.right, client.bottom);
                ++outside;
            }
        }
        return outside == 0 ? 0 : 1;
    }
    if (command == "dialog-checked" && argc == 3) {
        const HWND dialog = OpenDialog();
        const HWND box = dialog ? ShownControl(dialog, std::atoi(argv[2])) : nullptr;
        return box != nullptr && SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 0 : 1;
    }
    if (command == "hook-selftest" && argc == 3) {
        return HookSelfTest(argv[2]);
    }
    if (command == "hook-under-load" && argc == 3) {
        return HookUnderLoad(argv[2]);
    }
    if (command == "windows" && argc == 2) {
        EnumWindows(PrintWindow, 0);
        return 0;
    }
    if ((command == "close-app" || command == "close-app-at-start") && argc == 2) {
        HWND frame = Frame();
        // Watched without a pause, so the request lands while the frame is being created.
        for (const DWORD started = GetTickCount(); frame == nullptr &&
                                                   command == "close-app-at-start" &&
                                                   GetTickCount() - started < 30000;) {
            frame = Frame();
        }
        if (frame == nullptr) {
            return 1;
        }
        DWORD_PTR agreed = 0;
        SendMessageTimeoutA(frame, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_NORMAL, 10000,
                            &agreed);
        if (!agreed) {
            return 1;
        }
        SendMessageTimeoutA(frame, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP, SMTO_NORMAL, 10000,
                            &agreed);
        return 0;
    }
    if (command == "message" && argc == 3) {
        char text[512] = {};
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                       static_cast<DWORD>(std::atoi(argv[2])), 0, text, sizeof text, nullptr);
        std::string shown = ToUtf8(text);
        for (std::size_t at = 0; (at = shown.find_first_of("\r\n", at)) != std::string::npos;) {
            shown.replace(at, 1, shown[at] == '\r' ? "\\r" : "\\n");
        }
        std::printf("%s\n", shown.c_str());
        return 0;
    }
    if (command == "send-text" && argc == 3) {
        std::vector<INPUT> keys;
        for (const char* c = argv[2]; *c != '\0'; ++c) {
            for (const DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
                INPUT key{};
                key.type = INPUT_KEYBOARD;
                key.ki.wScan = static_cast<WORD>(static_cast<unsigned char>(*c));
                key.ki.dwFlags = KEYEVENTF_UNICODE | up;
                keys.push_back(key);
            }
        }
        return SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT)) == keys.size()
                   ? 0
                   : 1;
    }
    if ((command == "message-loop" && argc == 2) ||
        ((command == "white-window" || command == "edit-window") && argc == 6)) {
        if (command == "message-loop") {
            CreateWindowExA(0, "STATIC", "idle", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                            nullptr, nullptr);
        } else {
            WNDCLASSA white{};
            white.lpfnWndProc = DefWindowProcA;
            white.hInstance = GetModuleHandleA(nullptr);
            white.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
            white.lpszClassName = "WhiteWindow";
            RegisterClassA(&white);
            const int left = std::atoi(argv[2]);
            const int top = std::atoi(argv[3]);
            const int width = std::atoi(argv[4]) - left;
            const int height = std::atoi(argv[5]) - top;
            const bool edit = command == "edit-window";
            const HWND window = CreateWindowExA(0, "WhiteWindow", edit ? "editor" : "white",
                                                WS_POPUP | WS_VISIBLE, left, top, width, height,
                                                nullptr, nullptr, white.hInstance, nullptr);
            if (edit) {
                CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, width,
                                height, window, nullptr, white.hInstance, nullptr);
            }
        }
        // Keys become characters, as in any program's loop, so that typing reaches the edit.
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        return 0;
    }
    if (command == "place-window" && argc == 7) {
        const HWND window = FindWindowA(nullptr, argv[2]);
        const int left = std::atoi(argv[3]);
        const int top = std::atoi(argv[4]);
        return window != nullptr &&
                       SetWindowPos(window, nullptr, left, top, std::atoi(argv[5]) - left,
                                    std::atoi(argv[6]) - top, SWP_NOZORDER | SWP_NOACTIVATE)
                   ? 0
                   : 1;
    }
    if (command == "close-window" && argc == 3) {
        const HWND window = FindWindowA(nullptr, argv[2]);
        return window != nullptr && PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (command == "pixel" && argc == 4) {
        const HDC screen = GetDC(nullptr);
        const COLORREF pixel = GetPixel(screen, std::atoi(argv[2]), std::atoi(argv[3]));
        ReleaseDC(nullptr, screen);
        std::printf("%06lx\n", static_cast<unsigned long>(pixel));
        return 0;
    }
    if (command == "post-exit" && argc == 2) {
        const HWND frame = Frame();
        return frame != nullptr && PostMessageA(frame, WM_COMMAND, 57665, 0) ? 0 : 1;
    }
    if (command == "strings" && argc >= 4) {
        const HMODULE module = LoadProgram(argv[2]);
        for (int i = 3; i < argc; ++i) {
            char text[1024] = {};
            LoadStringA(module, static_cast<UINT>(std::atoi(argv[i])), text, sizeof text);
            std::printf("%s\n", ToUtf8(text).c_str());
        }
        return 0;
    }
    if (command == "menu" && argc == 4) {
        const HMODULE module = LoadProgram(argv[2]);
        const HMENU menu = LoadMenuA(module, MAKEINTRESOURCEA(std::atoi(argv[3])));
        if (menu == nullptr) {
            return 1;
        }
        PrintMenu(menu, "");
        return 0;
    }
    std::fprintf(
        stderr,
        "usage: wintool wait-frame S | menu-open | menus | post-exit | strings EXE ID... | menu "
        "EXE ID |"
        " page-fits | windows | white-window L T R B | pixel X Y | close-app | close-app-at-start "
        "| "
        "hook-selftest DLL | hook-under-load DLL | "
        "menu-point N COUNT | "
        "dialog-point "
        "ok|close|tab|ID |"
        " dialog-checked ID | list-item-point ID | focus-class | message N | message-loop | "
        "place-window TITLE L T R B | close-window TITLE\n");
    return 2;
}
