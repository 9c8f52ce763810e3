// Popup menus: the owner sets up the popup on WM_INITMENUPOPUP; with TPM_RETURNCMD the
// command comes back and no WM_COMMAND is sent.
#include "res/resource.h"
#include "tests/conformance/harness.h"

using conformance::Expected;
using conformance::Log;

namespace {

struct TrayMenu {
    HWND owner;
    HMENU menu;
    HMENU rightButtonMenu;
};

TrayMenu OpenTrayMenu() {
    TrayMenu tray{};
    tray.owner =
        CreateWindowExA(0, conformance::LoggingClass(), "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        0, 0, 200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(tray.owner);
    tray.menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAYMENU));
    tray.rightButtonMenu = GetSubMenu(tray.menu, 1);
    conformance::PumpMessages(0);
    Log().Clear();
    return tray;
}

void Close(const TrayMenu& tray) {
    DestroyMenu(tray.menu);
    DestroyWindow(tray.owner);
}

void TypeAhead(HWND window, std::initializer_list<WPARAM> keys) {
    for (const WPARAM key : keys) {
        PostMessageA(window, WM_KEYDOWN, key, 1);
    }
}

} // namespace

CONFORMANCE_TEST(TheTrayMenuResourceLoads) {
    const TrayMenu tray = OpenTrayMenu();
    ok(tray.menu != nullptr && tray.rightButtonMenu != nullptr, "menu 130 and its second popup");
    ok(GetMenuItemCount(tray.rightButtonMenu) == 3, "three items: %d",
       GetMenuItemCount(tray.rightButtonMenu));
    ok(GetMenuItemID(tray.rightButtonMenu, 1) == ID_APP_ABOUT, "About is the second");
    ok(GetMenuItemID(tray.menu, 0) == static_cast<UINT>(-1), "a popup item has no id");
    Close(tray);
}

CONFORMANCE_TEST(TrackPopupMenuReturnsTheCommandChosen) {
    const TrayMenu tray = OpenTrayMenu();
    TypeAhead(tray.owner, {VK_DOWN, VK_DOWN, VK_RETURN});
    const BOOL chosen = TrackPopupMenu(tray.rightButtonMenu, TPM_RETURNCMD | TPM_RIGHTBUTTON, 100,
                                       100, 0, tray.owner, nullptr);
    ok(chosen == ID_APP_ABOUT, "Down, Down, Enter chose %d", chosen);
    conformance::PumpMessages(0);
    ok_sequence(Log(),
                (std::vector<Expected>{{WM_INITMENUPOPUP, false, true,
                                        reinterpret_cast<WPARAM>(tray.rightButtonMenu)}}),
                "the owner hears of the popup, and no command");
    Close(tray);
}

CONFORMANCE_TEST(TrackPopupMenuPostsTheCommandWithoutReturnCmd) {
    const TrayMenu tray = OpenTrayMenu();
    TypeAhead(tray.owner, {VK_DOWN, VK_RETURN});
    ok(TrackPopupMenu(tray.rightButtonMenu, TPM_RIGHTBUTTON, 100, 100, 0, tray.owner, nullptr),
       "TrackPopupMenu");
    conformance::PumpMessages(0);
    ok_sequence(Log(),
                (std::vector<Expected>{{WM_INITMENUPOPUP}, {WM_COMMAND, false, true, ID_OPTION}}),
                "the command arrives as WM_COMMAND");
    Close(tray);
}

CONFORMANCE_TEST(EscapeDismissesTheMenu) {
    const TrayMenu tray = OpenTrayMenu();
    TypeAhead(tray.owner, {VK_DOWN, VK_ESCAPE});
    ok(TrackPopupMenu(tray.rightButtonMenu, TPM_RETURNCMD, 100, 100, 0, tray.owner, nullptr) == 0,
       "nothing chosen");
    Close(tray);
}

// The underlined letter of one item chooses it at once, as Enter on it would.
CONFORMANCE_TEST(AnUnderlinedLetterChoosesItsItem) {
    const TrayMenu tray = OpenTrayMenu();
    TypeAhead(tray.owner, {'A'});
    const BOOL chosen =
        TrackPopupMenu(tray.rightButtonMenu, TPM_RETURNCMD, 100, 100, 0, tray.owner, nullptr);
    ok(chosen == ID_APP_ABOUT, "A chose %d", chosen);
    Close(tray);
}

namespace {

// A timer whose first tick types Down and Enter to its window, once.
LRESULT CALLBACK TypingTimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        KillTimer(window, wParam);
        TypeAhead(window, {VK_DOWN, VK_RETURN});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

// The menu's own loop goes on delivering timers while it waits for the user: here the timer
// types the keys that choose the first item.
CONFORMANCE_TEST(ATimerFiresWhileAPopupMenuIsOpen) {
    const TrayMenu tray = OpenTrayMenu();
    const HWND typist = conformance::CreateWindowOfProc("TypingTimer", TypingTimerProc);
    SetForegroundWindow(typist);
    SetTimer(typist, 1, 10, nullptr);
    Sleep(30); // the timer is due before the menu opens
    const BOOL chosen =
        TrackPopupMenu(tray.rightButtonMenu, TPM_RETURNCMD, 100, 100, 0, typist, nullptr);
    ok(chosen == ID_OPTION, "the timer's Down and Enter chose %d", chosen);
    DestroyWindow(typist);
    Close(tray);
}
