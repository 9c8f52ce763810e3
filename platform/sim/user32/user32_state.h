// What user32 keeps: the window manager, menus, message boxes shown, registered messages,
// system parameters, device notifications, the cursor and the keyboard's state.
#pragma once

#include "platform/sim/user32/menu.h"
#include "platform/sim/user32/window_manager.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace sim {

struct MessageBoxShown {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

// The screen saver and the two monitor power phases.
struct PowerSaving {
    BOOL screenSaver = TRUE;
    BOOL lowPower = TRUE;
    BOOL powerOff = TRUE;
};

struct DeviceNotificationRegistration {
    HWND window;
    GUID interfaceClass;
};

struct User32State {
    WindowManager windows;
    std::map<HMENU, Menu> menus;
    int popupMenusShown = 0;
    bool menuTracking = false;                      // a popup menu is open
    bool menuEnded = false;                         // EndMenu was called while it was
    // The popup menu open, where it was asked to open (TrackPopupMenu's point and flags),
    // and the item the keys have selected (-1 for none).
    struct OpenMenu {
        HMENU menu = nullptr;
        POINT at{0, 0};
        UINT flags = 0;
        int selected = -1;
    } openMenu;
    std::map<std::string, UINT> registeredMessages; // by lower-case name
    std::vector<MessageBoxShown> messageBoxes;      // every one shown, in order
    PowerSaving powerSaving;
    std::vector<std::string> powerSavingCalls; // "17 0" for each set action and uiParam
    std::map<HDEVNOTIFY, DeviceNotificationRegistration> deviceNotifications;
    DWORD notificationError = 0; // RegisterDeviceNotificationA fails with it
    POINT cursor{512, 384};
    bool cursorFails = false;
    std::set<BYTE> keysDown; // keys and mouse buttons held, by virtual-key code
    // The user's double-click settings, as Windows has them by default.
    UINT doubleClickTime = 500;
    SIZE doubleClickSize{4, 4};
    // The press a next one may make a double-click with (none after a double-click).
    struct Press {
        UINT message = 0;
        HWND window = nullptr;
        DWORD time = 0;
        POINT point{0, 0};
    } lastPress;
    // Each thread's caret, as CreateCaret made it, in its window's client coordinates; its
    // place stays when there is no caret (window null).
    struct Caret {
        HWND window = nullptr;
        RECT rect{0, 0, 0, 0};
    };
    std::map<DWORD, Caret> carets;
    // The focus in each other program's thread, which that program sets in its own windows.
    std::map<DWORD, HWND> otherThreadsFocus;
    int threadInputAttachments = 0; // attached pairs now
    int threadInputAttachCalls = 0;
};

User32State& User32();

inline WindowManager& Windows() {
    return User32().windows;
}

} // namespace sim
