// BUTTON, push buttons: pressed while the mouse button or the space bar is held over them,
// BN_CLICKED to the parent when released over them. A default push button tells the dialog
// manager so through WM_GETDLGCODE.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/controls/controls.h"
#include "platform/sim/world.h"

namespace sim {

namespace {

void SetPushed(Window& button, bool pushed) {
    button.buttonState = pushed ? (button.buttonState | BST_PUSHED)
                                : (button.buttonState & ~static_cast<UINT>(BST_PUSHED));
}

void NotifyClicked(HWND button) {
    const HWND parent = GetParent(button);
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

// Ends a press: a click when the button was pushed at that moment.
void Release(HWND handle, bool click) {
    Window* button = World::Current().windows.Find(handle);
    if (button == nullptr) {
        return;
    }
    const bool wasPushed = (button->buttonState & BST_PUSHED) != 0;
    SetPushed(*button, false);
    if (click && wasPushed) {
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
    WindowManager& windows = World::Current().windows;
    Window* button = windows.Find(window);
    if (button == nullptr) {
        return 0;
    }
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_BUTTON |
               ((button->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON
                                                                  : DLGC_UNDEFPUSHBUTTON);
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
        button->buttonState = (button->buttonState & ~static_cast<UINT>(BST_CHECKED)) |
                              (wParam == BST_CHECKED ? BST_CHECKED : 0);
        return 0;
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
