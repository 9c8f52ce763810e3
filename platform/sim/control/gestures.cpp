// What a user does with the mouse to work a dialog's controls, made of plain moves, clicks
// and wheel turns, so that the controls see what they would see on Windows.
#include "platform/sim/comctl32/comctl32.h"
#include "platform/sim/control/input.h"
#include "platform/sim/control/world.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/controls/controls.h"
#include "platform/sim/user32/user32_state.h"

#include <cstdlib>

namespace sim {

namespace {

POINT Centre(const RECT& rect) {
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT ToScreen(HWND window, POINT point) {
    ClientToScreen(window, &point);
    return point;
}

// Where a range is wider than the channel, not every position has a pixel of its own: the
// user lets go where the thumb comes nearest.
int NearestReach(HWND trackbar, int position) {
    const int aimed = TrackbarThumbCentreFor(trackbar, position);
    int best = aimed;
    for (int x = aimed - 3; x <= aimed + 3; ++x) {
        if (std::abs(TrackbarPositionAt(trackbar, x) - position) <
            std::abs(TrackbarPositionAt(trackbar, best) - position)) {
            best = x;
        }
    }
    return best;
}

} // namespace

void Input::ChooseListItem(HWND combo, int index) {
    if (SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) == 0) {
        ClickWindow(combo);
    }
    const HWND list = ComboBoxOpenList(combo);
    if (list == nullptr) {
        return;
    }
    RECT rect{};
    GetWindowRect(list, &rect);
    MoveMouse(Centre(rect).x, Centre(rect).y);
    const int rows = (rect.bottom - rect.top - 2) / kComboItemHeight;
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    // Scroll until the item is in view; the list stops at its ends.
    for (int turns = 0; turns <= count; ++turns) {
        const int top = static_cast<int>(SendMessageA(combo, CB_GETTOPINDEX, 0, 0));
        if (index < top) {
            TurnWheel(1);
        } else if (index >= top + rows) {
            TurnWheel(-1);
        } else {
            break;
        }
    }
    const int row = index - static_cast<int>(SendMessageA(combo, CB_GETTOPINDEX, 0, 0));
    ClickAt(Centre(rect).x, rect.top + 1 + row * kComboItemHeight + kComboItemHeight / 2);
}

void Input::DragThumb(HWND trackbar, int position) {
    RECT thumb{};
    SendMessageA(trackbar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const POINT from = ToScreen(trackbar, Centre(thumb));
    const POINT to = ToScreen(trackbar, POINT{NearestReach(trackbar, position), from.y});
    MoveMouse(from.x, from.y);
    PressButton(MouseButton::Left);
    MoveMouse(to.x, to.y);
    ReleaseButton(MouseButton::Left);
}

void Input::ClickTab(HWND tab, int index) {
    RECT item{};
    if (SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item))) {
        const POINT point = ToScreen(tab, Centre(item));
        ClickAt(point.x, point.y);
    }
}

void Input::HoldWindow(HWND window, DWORD milliseconds) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MoveMouse(Centre(rect).x, Centre(rect).y);
    HoldButton(MouseButton::Left, milliseconds);
}

} // namespace sim
