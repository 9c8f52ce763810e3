// COMBOBOX, drop-down lists: a field showing the chosen item and, while open, a list of the
// items below it. The template's height is the open list's; the field itself is one line. A
// click opens the list, a click on an item chooses it (CBN_SELCHANGE when the choice changed)
// and closes it; the arrow keys step through the items while the list is closed.
#include "platform/sim/display/screen.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/controls/controls.h"
#include "platform/sim/user32/user32_state.h"

#include <algorithm>
#include <cstring>

namespace sim {

namespace {

constexpr int kFieldHeight = 21;
constexpr int kItemHeight = kComboItemHeight;
constexpr char kListClass[] = "ComboLBox";
constexpr DWORD kNoActivate = 0x08000000; // WS_EX_NOACTIVATE

void Notify(HWND combo, WORD code) {
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), code),
                 reinterpret_cast<LPARAM>(combo));
}

int Count(const Window& combo) {
    return static_cast<int>(combo.list.items.size());
}

// The field shows the chosen item.
void Select(Window& combo, int index) {
    combo.list.selection = index >= 0 && index < Count(combo) ? index : -1;
    combo.text = combo.list.selection >= 0
                     ? combo.list.items[static_cast<std::size_t>(combo.list.selection)]
                     : "";
}

int VisibleRows(const Window& list) {
    return std::max(1, static_cast<int>(list.rect.bottom - list.rect.top - 2) / kItemHeight);
}

void CloseList(HWND handle) {
    Window* combo = Windows().Find(handle);
    if (combo == nullptr || combo->list.dropped == nullptr) {
        return;
    }
    const HWND list = combo->list.dropped;
    combo->list.dropped = nullptr;
    DestroyWindow(list);
    Notify(handle, CBN_CLOSEUP);
}

// The open list hangs below the field, or above it where the screen ends, and starts with
// the chosen item in view.
void OpenList(HWND handle) {
    Window* combo = Windows().Find(handle);
    if (combo->list.dropped != nullptr) {
        return;
    }
    Notify(handle, CBN_DROPDOWN);
    combo = Windows().Find(handle);
    const int wanted = std::max(kItemHeight, combo->list.droppedHeight - kFieldHeight);
    const int rows = std::max(1, std::min(Count(*combo), wanted / kItemHeight));
    const int height = rows * kItemHeight + 2;
    RECT rect{combo->rect.left, combo->rect.bottom, combo->rect.right, combo->rect.bottom + height};
    if (rect.bottom > sim::PrimaryScreen().Height()) {
        OffsetRect(&rect, 0, -(height + kFieldHeight));
    }
    combo->list.top = std::max(0, std::min(combo->list.selection, Count(*combo) - rows));
    const HWND list =
        Windows().Create(WS_EX_TOPMOST | kNoActivate, kListClass, "", WS_POPUP | WS_BORDER, rect,
                         GetAncestor(handle, GA_ROOT), 0, nullptr, kProgramThread);
    Window* listWindow = Windows().Find(list);
    listWindow->userData = reinterpret_cast<LONG_PTR>(handle);
    Windows().Find(handle)->list.dropped = list;
    ShowWindow(list, SW_SHOWNA);
}

void Choose(HWND handle, int index) {
    Window* combo = Windows().Find(handle);
    const bool changed = index != combo->list.selection;
    Select(*combo, index);
    CloseList(handle);
    if (changed) {
        Notify(handle, CBN_SELCHANGE);
    }
}

LRESULT CALLBACK ListWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* list = Windows().Find(window);
    const auto comboHandle = reinterpret_cast<HWND>(list ? list->userData : 0);
    Window* combo = Windows().Find(comboHandle);
    if (combo == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_LBUTTONUP: {
        const int row = static_cast<short>(HIWORD(lParam)) / kItemHeight;
        const int index = combo->list.top + row;
        if (index >= 0 && index < Count(*combo)) {
            Choose(comboHandle, index);
        }
        return 0;
    }
    case WM_MOUSEWHEEL: {
        const int notches = static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA;
        const int last = std::max(0, Count(*combo) - VisibleRows(*list));
        combo->list.top = std::max(0, std::min(last, combo->list.top - 3 * notches));
        return 0;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void Step(HWND handle, int index) {
    Window* combo = Windows().Find(handle);
    const int target = std::max(0, std::min(Count(*combo) - 1, index));
    if (Count(*combo) > 0 && target != combo->list.selection) {
        Select(*combo, target);
        Notify(handle, CBN_SELCHANGE);
    }
}

LRESULT CopyItem(const Window& combo, WPARAM index, LPSTR buffer) {
    if (index >= combo.list.items.size()) {
        return CB_ERR;
    }
    const std::string& item = combo.list.items[index];
    if (buffer != nullptr) {
        std::memcpy(buffer, item.c_str(), item.size() + 1);
    }
    return static_cast<LRESULT>(item.size());
}

} // namespace

LRESULT CALLBACK ComboBoxWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* combo = Windows().Find(window);
    if (combo == nullptr) {
        return 0;
    }
    switch (message) {
    case WM_CREATE:
        combo->list.droppedHeight = static_cast<int>(combo->rect.bottom - combo->rect.top);
        combo->rect.bottom = combo->rect.top + kFieldHeight;
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
        SetFocus(window);
        if (Windows().Find(window)->list.dropped != nullptr) {
            CloseList(window);
        } else {
            OpenList(window);
        }
        return 0;
    // The list closes when the box loses the focus, and goes with the box.
    case WM_KILLFOCUS:
    case WM_DESTROY:
        CloseList(window);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_DOWN || wParam == VK_RIGHT) {
            Step(window, combo->list.selection + 1);
        } else if (wParam == VK_UP || wParam == VK_LEFT) {
            Step(window, combo->list.selection < 0 ? 0 : combo->list.selection - 1);
        } else if (wParam == VK_HOME) {
            Step(window, 0);
        } else if (wParam == VK_END) {
            Step(window, Count(*combo) - 1);
        }
        return 0;
    case CB_ADDSTRING:
        combo->list.items.emplace_back(reinterpret_cast<LPCSTR>(lParam));
        return Count(*combo) - 1;
    case CB_RESETCONTENT:
        combo->list.items.clear();
        Select(*combo, -1);
        return CB_OKAY;
    case CB_GETCOUNT:
        return Count(*combo);
    case CB_GETCURSEL:
        return combo->list.selection;
    // Past the end the choice stays (as Windows does, not as documented); -1 clears it.
    case CB_SETCURSEL:
        if (static_cast<int>(wParam) >= Count(*combo)) {
            return CB_ERR;
        }
        Select(*combo, static_cast<int>(wParam));
        return combo->list.selection >= 0 ? combo->list.selection : CB_ERR;
    case CB_GETLBTEXT:
        return CopyItem(*combo, wParam, reinterpret_cast<LPSTR>(lParam));
    case CB_GETLBTEXTLEN:
        return CopyItem(*combo, wParam, nullptr);
    case CB_SHOWDROPDOWN:
        if (wParam) {
            OpenList(window);
        } else {
            CloseList(window);
        }
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return combo->list.dropped != nullptr;
    case WM_SETFONT:
        combo->font = reinterpret_cast<HGDIOBJ>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(combo->font);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void RegisterComboListClass(WindowManager& windows) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ListWindowProc;
    windowClass.lpszClassName = kListClass;
    windows.RegisterClass(windowClass);
}

} // namespace sim
