// COMBOBOX, drop-down lists: a field showing the chosen item and, while open, a list of the
// items below it. The template's height is the open list's; the field itself is one line. A
// click opens the list, a click on an item chooses it (CBN_SELCHANGE when the choice changed)
// and closes it; the arrow keys step through the items while the list is closed.
#include "platform/sim/display/screen.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/control_info.h"
#include "platform/sim/user32/controls/controls.h"
#include "platform/sim/user32/user32_state.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace sim {

namespace {

constexpr int kFieldHeight = 21;
constexpr int kItemHeight = kComboItemHeight;
constexpr char kListClass[] = "ComboLBox";
constexpr DWORD kNoActivate = 0x08000000; // WS_EX_NOACTIVATE

struct ComboBoxInfo {
    std::vector<std::string> items;
    int selection = -1;
    HWND dropped = nullptr; // the open list
    int top = 0;            // the first item the open list shows
    int droppedHeight = 0;  // the box's height with its list open
};

ComboBoxInfo& Info(HWND combo) {
    return *ControlInfo<ComboBoxInfo>(combo);
}

void Notify(HWND combo, WORD code) {
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), code),
                 reinterpret_cast<LPARAM>(combo));
}

int Count(const ComboBoxInfo& combo) {
    return static_cast<int>(combo.items.size());
}

// The field shows the chosen item.
void Select(HWND handle, int index) {
    ComboBoxInfo& combo = Info(handle);
    combo.selection = index >= 0 && index < Count(combo) ? index : -1;
    Windows().Find(handle)->text =
        combo.selection >= 0 ? combo.items[static_cast<std::size_t>(combo.selection)] : "";
}

int VisibleRows(const Window& list) {
    return std::max(1, static_cast<int>(list.rect.bottom - list.rect.top - 2) / kItemHeight);
}

void CloseList(HWND handle) {
    ComboBoxInfo* combo = ControlInfo<ComboBoxInfo>(handle);
    if (combo == nullptr || combo->dropped == nullptr) {
        return;
    }
    const HWND list = combo->dropped;
    combo->dropped = nullptr;
    DestroyWindow(list);
    Notify(handle, CBN_CLOSEUP);
}

// The open list hangs below the field, or above it where the screen ends, and starts with
// the chosen item in view.
void OpenList(HWND handle) {
    if (Info(handle).dropped != nullptr) {
        return;
    }
    Notify(handle, CBN_DROPDOWN);
    ComboBoxInfo& combo = Info(handle);
    const int wanted = std::max(kItemHeight, combo.droppedHeight - kFieldHeight);
    const int rows = std::max(1, std::min(Count(combo), wanted / kItemHeight));
    const int height = rows * kItemHeight + 2;
    RECT field{};
    GetWindowRect(handle, &field);
    RECT rect{field.left, field.bottom, field.right, field.bottom + height};
    if (rect.bottom > sim::PrimaryScreen().Height()) {
        OffsetRect(&rect, 0, -(height + kFieldHeight));
    }
    combo.top = std::max(0, std::min(combo.selection, Count(combo) - rows));
    const HWND list =
        Windows().Create(WS_EX_TOPMOST | kNoActivate, kListClass, "", WS_POPUP | WS_BORDER, rect,
                         GetAncestor(handle, GA_ROOT), 0, nullptr, kProgramThread);
    Window* listWindow = Windows().Find(list);
    listWindow->userData = reinterpret_cast<LONG_PTR>(handle);
    Info(handle).dropped = list;
    ShowWindow(list, SW_SHOWNA);
}

void Choose(HWND handle, int index) {
    const bool changed = index != Info(handle).selection;
    Select(handle, index);
    CloseList(handle);
    if (changed) {
        Notify(handle, CBN_SELCHANGE);
    }
}

LRESULT CALLBACK ListWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* list = Windows().Find(window);
    const auto comboHandle = reinterpret_cast<HWND>(list ? list->userData : 0);
    ComboBoxInfo* combo =
        Windows().Find(comboHandle) != nullptr ? ControlInfo<ComboBoxInfo>(comboHandle) : nullptr;
    if (combo == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_LBUTTONUP: {
        const int row = static_cast<short>(HIWORD(lParam)) / kItemHeight;
        const int index = combo->top + row;
        if (index >= 0 && index < Count(*combo)) {
            Choose(comboHandle, index);
        }
        return 0;
    }
    case WM_MOUSEWHEEL: {
        const int notches = static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA;
        const int last = std::max(0, Count(*combo) - VisibleRows(*list));
        combo->top = std::max(0, std::min(last, combo->top - 3 * notches));
        return 0;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void Step(HWND handle, int index) {
    const ComboBoxInfo& combo = Info(handle);
    const int target = std::max(0, std::min(Count(combo) - 1, index));
    if (Count(combo) > 0 && target != combo.selection) {
        Select(handle, target);
        Notify(handle, CBN_SELCHANGE);
    }
}

LRESULT CopyItem(const ComboBoxInfo& combo, WPARAM index, LPSTR buffer) {
    if (index >= combo.items.size()) {
        return CB_ERR;
    }
    const std::string& item = combo.items[index];
    if (buffer != nullptr) {
        std::memcpy(buffer, item.c_str(), item.size() + 1);
    }
    return static_cast<LRESULT>(item.size());
}

} // namespace

LRESULT CALLBACK ComboBoxWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (KeepControlInfo<ComboBoxInfo>(window, message)) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    Window* box = Windows().Find(window);
    ComboBoxInfo* combo = ControlInfo<ComboBoxInfo>(window);
    if (box == nullptr || combo == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_CREATE:
        combo->droppedHeight = static_cast<int>(box->rect.bottom - box->rect.top);
        box->rect.bottom = box->rect.top + kFieldHeight;
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
        SetFocus(window);
        if (Info(window).dropped != nullptr) {
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
            Step(window, combo->selection + 1);
        } else if (wParam == VK_UP || wParam == VK_LEFT) {
            Step(window, combo->selection < 0 ? 0 : combo->selection - 1);
        } else if (wParam == VK_HOME) {
            Step(window, 0);
        } else if (wParam == VK_END) {
            Step(window, Count(*combo) - 1);
        }
        return 0;
    case CB_ADDSTRING:
        combo->items.emplace_back(reinterpret_cast<LPCSTR>(lParam));
        return Count(*combo) - 1;
    case CB_RESETCONTENT:
        combo->items.clear();
        Select(window, -1);
        return CB_OKAY;
    case CB_GETCOUNT:
        return Count(*combo);
    case CB_GETCURSEL:
        return combo->selection;
    // Past the end the choice stays (as Windows does, not as documented); -1 clears it.
    case CB_SETCURSEL:
        if (static_cast<int>(wParam) >= Count(*combo)) {
            return CB_ERR;
        }
        Select(window, static_cast<int>(wParam));
        return combo->selection >= 0 ? combo->selection : CB_ERR;
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
        return combo->dropped != nullptr;
    case CB_GETTOPINDEX:
        return combo->top;
    case WM_SETFONT:
        box->font = reinterpret_cast<HGDIOBJ>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(box->font);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND ComboBoxOpenList(HWND combo) {
    const ComboBoxInfo* info = ControlInfo<ComboBoxInfo>(combo);
    return info != nullptr ? info->dropped : nullptr;
}

void RegisterComboListClass(WindowManager& windows) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ListWindowProc;
    windowClass.lpszClassName = kListClass;
    windows.RegisterClass(windowClass);
}

} // namespace sim
