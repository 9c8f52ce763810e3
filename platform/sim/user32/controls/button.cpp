// BUTTON: push buttons, check boxes, radio buttons and group boxes. A button is pressed while
// the mouse button or the space bar is held over it and tells its parent BN_CLICKED when
// released over it; an automatic check box turns its check over first, an automatic radio
// button checks itself and clears the others of its group. A default push button tells the
// dialog manager so through WM_GETDLGCODE; a group box is only a frame, transparent to the
// mouse.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/controls/controls.h"
#include "platform/sim/user32/user32_state.h"

#include <algorithm>

namespace sim {

namespace {

void SetPushed(Window& button, bool pushed) {
    button.buttonState = pushed ? (button.buttonState | BST_PUSHED)
                                : (button.buttonState & ~static_cast<UINT>(BST_PUSHED));
}

DWORD Kind(const Window& button) {
    return button.style & BS_TYPEMASK;
}

void SetChecked(Window& button, bool checked) {
    button.buttonState =
        (button.buttonState & ~static_cast<UINT>(BST_CHECKED)) | (checked ? BST_CHECKED : 0);
}

// The group runs from the last control before it that starts one (WS_GROUP) to the next.
void ClearRestOfGroup(HWND handle) {
    WindowManager& windows = sim::Windows();
    const std::vector<HWND> siblings = windows.Children(GetParent(handle));
    const auto self = std::find(siblings.begin(), siblings.end(), handle);
    auto first = self;
    while (first != siblings.begin() && !(windows.Find(*first)->style & WS_GROUP)) {
        --first;
    }
    for (auto it = first; it != siblings.end(); ++it) {
        Window* sibling = windows.Find(*it);
        if (it != first && (sibling->style & WS_GROUP)) {
            break;
        }
        if (*it != handle && sibling->className == "Button" &&
            Kind(*sibling) == BS_AUTORADIOBUTTON) {
            SetChecked(*sibling, false);
        }
    }
}

// What a click does to an automatic button before its parent hears of it.
void ChangeCheck(HWND handle) {
    Window* button = sim::Windows().Find(handle);
    if (Kind(*button) == BS_AUTOCHECKBOX) {
        SetChecked(*button, !(button->buttonState & BST_CHECKED));
    } else if (Kind(*button) == BS_AUTORADIOBUTTON) {
        SetChecked(*button, true);
        ClearRestOfGroup(handle);
    }
}

LRESULT DialogCode(const Window& button) {
    switch (Kind(button)) {
    case BS_PUSHBUTTON:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    default:
        return DLGC_BUTTON;
    }
}

void NotifyClicked(HWND button) {
    const HWND parent = GetParent(button);
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

// Ends a press: a click when the button was pushed at that moment.
void Release(HWND handle, bool click) {
    Window* button = sim::Windows().Find(handle);
    if (button == nullptr) {
        return;
    }
    const bool wasPushed = (button->buttonState & BST_PUSHED) != 0;
    SetPushed(*button, false);
    if (click && wasPushed) {
        ChangeCheck(handle);
        NotifyClicked(handle);
    }
}

// A mouse message's point, in client coordinates, over the button.
bool PointInside(HWND button, LPARAM point) {
    RECT client{};
    GetClientRect(button, &client);
    return PtInRect(&client, POINT{static_cast<short>(LOWORD(point)),
                                   static_cast<short>(HIWORD(point))}) != FALSE;
}

} // namespace

LRESULT CALLBACK ButtonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowManager& windows = sim::Windows();
    Window* button = windows.Find(window);
    if (button == nullptr) {
        return 0;
    }
    if (Kind(*button) == BS_GROUPBOX && message == WM_NCHITTEST) {
        return HTTRANSPARENT;
    }
    switch (message) {
    case WM_GETDLGCODE:
        return DialogCode(*button);
    case WM_LBUTTONDOWN:
        SetCapture(window);
        SetFocus(window);
        SetPushed(*windows.Find(window), true);
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == window) {
            SetPushed(*button, PointInside(window, lParam));
        }
        return 0;
    // The click is told before the capture goes, as Windows does.
    case WM_LBUTTONUP:
        if (GetCapture() == window) {
            Release(window, PointInside(window, lParam));
            if (GetCapture() == window) {
                ReleaseCapture();
            }
        }
        return 0;
    case WM_CAPTURECHANGED:
        SetPushed(*button, false);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            SetPushed(*button, true);
        }
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE) {
            Release(window, true);
        }
        return 0;
    case BM_CLICK:
        SetPushed(*button, true);
        Release(window, true);
        return 0;
    case BM_GETSTATE:
        return static_cast<LRESULT>(button->buttonState | (GetFocus() == window ? BST_FOCUS : 0));
    case BM_SETSTATE:
        SetPushed(*button, wParam != 0);
        return 0;
    case BM_GETCHECK:
        return button->buttonState & BST_CHECKED;
    case BM_SETCHECK:
        SetChecked(*button, wParam == BST_CHECKED);
        return 0;
    case BM_SETIMAGE: {
        const HANDLE previous = button->image;
        button->image = reinterpret_cast<HANDLE>(lParam);
        return reinterpret_cast<LRESULT>(previous);
    }
    case BM_GETIMAGE:
        return reinterpret_cast<LRESULT>(button->image);
    case BM_SETSTYLE:
        button->style = (button->style & ~static_cast<DWORD>(BS_TYPEMASK)) |
                        (static_cast<DWORD>(wParam) & BS_TYPEMASK);
        return 0;
    case WM_SETFONT:
        button->font = reinterpret_cast<HGDIOBJ>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(button->font);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace sim
