// SysTabControl32: a row of tabs along the top and the display area below them. A click on
// another tab asks the parent first (TCN_SELCHANGING, which may refuse), then chooses it and
// tells the parent TCN_SELCHANGE. Setting the selection by message tells nobody.
#include "platform/sim/comctl32/comctl32.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/control_info.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace sim {

namespace {

constexpr int kTabHeight = 20;
constexpr int kCharWidth = 6;
constexpr int kTabPadding = 12;
constexpr int kBorder = 2;

struct TabInfo {
    std::vector<std::string> items;
    int selection = -1;
};

int Count(const TabInfo& tab) {
    return static_cast<int>(tab.items.size());
}

// Tab rectangles in client coordinates, side by side from the left, each as wide as its text.
RECT ItemRect(const TabInfo& tab, int index) {
    int left = kBorder;
    for (int i = 0; i < index; ++i) {
        left += static_cast<int>(tab.items[static_cast<std::size_t>(i)].size()) * kCharWidth +
                kTabPadding;
    }
    const int width =
        static_cast<int>(tab.items[static_cast<std::size_t>(index)].size()) * kCharWidth +
        kTabPadding;
    return RECT{left, 0, left + width, kTabHeight};
}

LRESULT Notify(HWND tab, UINT code) {
    NMHDR header{tab, static_cast<UINT_PTR>(GetDlgCtrlID(tab)), code};
    return SendMessageA(GetParent(tab), WM_NOTIFY, header.idFrom,
                        reinterpret_cast<LPARAM>(&header));
}

void ClickAt(HWND handle, POINT point) {
    const TabInfo* tab = ControlInfo<TabInfo>(handle);
    for (int i = 0; i < Count(*tab); ++i) {
        const RECT rect = ItemRect(*tab, i);
        if (!PtInRect(&rect, point) || i == tab->selection) {
            continue;
        }
        if (Notify(handle, TCN_SELCHANGING) != 0) {
            return;
        }
        ControlInfo<TabInfo>(handle)->selection = i;
        Notify(handle, TCN_SELCHANGE);
        return;
    }
}

LRESULT Insert(TabInfo& tab, WPARAM index, const TCITEMA* item) {
    if (item == nullptr) {
        return -1;
    }
    const std::size_t at = std::min<std::size_t>(index, tab.items.size());
    tab.items.insert(tab.items.begin() + static_cast<std::ptrdiff_t>(at),
                     (item->mask & TCIF_TEXT) && item->pszText ? item->pszText : "");
    if (tab.selection >= static_cast<int>(at)) {
        ++tab.selection;
    }
    return static_cast<LRESULT>(at);
}

LRESULT GetItem(const TabInfo& tab, WPARAM index, TCITEMA* item) {
    if (item == nullptr || index >= tab.items.size()) {
        return FALSE;
    }
    if ((item->mask & TCIF_TEXT) && item->pszText != nullptr && item->cchTextMax > 0) {
        const std::string& text = tab.items[index];
        const std::size_t length =
            std::min(text.size(), static_cast<std::size_t>(item->cchTextMax - 1));
        std::memcpy(item->pszText, text.c_str(), length);
        item->pszText[length] = '\0';
    }
    return TRUE;
}

} // namespace

// Between the window rectangle and the display area: the tabs above, a border around.
std::string TabText(HWND tabs, int index) {
    char text[64] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

void AdjustTabRect(BOOL larger, RECT& rect) {
    const int sign = larger ? -1 : 1;
    rect.left += sign * kBorder;
    rect.right -= sign * kBorder;
    rect.top += sign * (kTabHeight + kBorder);
    rect.bottom -= sign * kBorder;
}

LRESULT CALLBACK TabWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (KeepControlInfo<TabInfo>(handle, message)) {
        return DefWindowProcA(handle, message, wParam, lParam);
    }
    TabInfo* tab = ControlInfo<TabInfo>(handle);
    if (tab == nullptr) {
        return DefWindowProcA(handle, message, wParam, lParam);
    }
    switch (message) {
    case WM_LBUTTONDOWN:
        ClickAt(handle,
                POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    case TCM_INSERTITEMA:
        return Insert(*tab, wParam, reinterpret_cast<const TCITEMA*>(lParam));
    case TCM_GETITEMA:
        return GetItem(*tab, wParam, reinterpret_cast<TCITEMA*>(lParam));
    case TCM_GETITEMCOUNT:
        return Count(*tab);
    case TCM_GETCURSEL:
        return tab->selection;
    case TCM_SETCURSEL: {
        const int previous = tab->selection;
        if (static_cast<int>(wParam) < 0 || static_cast<int>(wParam) >= Count(*tab)) {
            return -1;
        }
        tab->selection = static_cast<int>(wParam);
        return previous;
    }
    case TCM_GETITEMRECT:
        if (wParam >= tab->items.size() || lParam == 0) {
            return FALSE;
        }
        *reinterpret_cast<RECT*>(lParam) = ItemRect(*tab, static_cast<int>(wParam));
        return TRUE;
    case TCM_ADJUSTRECT:
        if (lParam != 0) {
            AdjustTabRect(static_cast<BOOL>(wParam), *reinterpret_cast<RECT*>(lParam));
        }
        return 0;
    default:
        return DefWindowProcA(handle, message, wParam, lParam);
    }
}

} // namespace sim
