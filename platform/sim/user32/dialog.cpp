// Modal dialogs from the dialog resources; the interaction driver works them.
#include "platform/sim/user32/dialog.h"
#include "platform/resource_tables.h"
#include "platform/sim/display/screen.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/interaction.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/user32/user32_state.h"

#include <algorithm>

namespace {

const char kDialogClass[] = "#32770";

// Messages whose result is what the dialog procedure returns; for every other message a
// procedure that handled it answers through DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    return message == WM_INITDIALOG || (message >= 0x0132 && message <= 0x0138) || // WM_CTLCOLOR*
           message == 0x0037 || message == 0x0039 || // drag icon, compare
           message == 0x002E || message == 0x002F;   // key/char to item
}

LRESULT CALLBACK DialogWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    sim::Window* window = sim::Windows().Find(dialog);
    if (window != nullptr && window->dialogProcedure != nullptr) {
        window->msgResult = 0;
        const INT_PTR handled = window->dialogProcedure(dialog, message, wParam, lParam);
        if (handled) {
            window = sim::Windows().Find(dialog);
            return AnswersDirectly(message) || window == nullptr ? handled : window->msgResult;
        }
    }
    return DefDlgProcA(dialog, message, wParam, lParam);
}

// The control that says it is the default push button.
HWND FindDefaultButton(HWND dialog) {
    for (const HWND child : sim::Windows().Children(dialog)) {
        if (SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) {
            return child;
        }
    }
    return nullptr;
}

void SaveFocus(HWND dialog) {
    const HWND focus = GetFocus();
    if (IsChild(dialog, focus)) {
        sim::Windows().Find(dialog)->savedFocus = focus;
    }
}

void RestoreFocus(HWND dialog) {
    const HWND saved = sim::Windows().Find(dialog)->savedFocus;
    const HWND control = IsChild(dialog, saved) ? saved : sim::FirstTabStop(dialog);
    if (control != nullptr) {
        SetFocus(control);
    }
}

// Enter: the focused default button, else the dialog's default button, else IDOK.
void PressEnter(HWND dialog) {
    const HWND focus = GetFocus();
    if (IsChild(dialog, focus) && (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
                     reinterpret_cast<LPARAM>(focus));
        return;
    }
    const LRESULT defaultId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(defaultId) == DC_HASDEFID) {
        const HWND button = GetDlgItem(dialog, LOWORD(defaultId));
        if (button == nullptr || IsWindowEnabled(button)) {
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(defaultId), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
        }
        return;
    }
    SendMessageA(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

} // namespace

namespace sim {

HWND FirstTabStop(HWND dialog) {
    for (const HWND child : sim::Windows().Children(dialog)) {
        const Window* w = sim::Windows().Find(child);
        if ((w->style & WS_TABSTOP) && w->visible && w->enabled) {
            return child;
        }
    }
    return nullptr;
}

// An 8-point font's character is 6 by 13 pixels at 96 dpi, and it grows with the size.
BaseUnits FontBaseUnits(int pointSize) {
    const int points = pointSize > 0 ? pointSize : kSystemDialogPoints;
    return BaseUnits{(6 * points + 4) / 8, (13 * points + 4) / 8};
}

BaseUnits TemplateBaseUnits(const DialogResource& resource) {
    const bool japanese = sim::Kernel32().language == Language::Japanese;
    return FontBaseUnits(japanese ? resource.japaneseFontSize : resource.englishFontSize);
}

RECT DialogUnitsToPixels(int x, int y, int cx, int cy, BaseUnits units) {
    return RECT{x * units.cx / 4, y * units.cy / 8, (x + cx) * units.cx / 4,
                (y + cy) * units.cy / 8};
}

} // namespace sim

// Dialog units to pixels in the dialog's own font.
BOOL MapDialogRect(HWND dialog, LPRECT rect) {
    const sim::Window* window = sim::Windows().Find(dialog);
    if (window == nullptr || !window->dialog || rect == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    const sim::BaseUnits units{static_cast<int>(window->dialogBaseUnits.cx),
                               static_cast<int>(window->dialogBaseUnits.cy)};
    *rect = sim::DialogUnitsToPixels(rect->left, rect->top, rect->right - rect->left,
                                     rect->bottom - rect->top, units);
    return TRUE;
}

namespace sim {

SIZE TemplateSize(const DialogResource& resource, BaseUnits units) {
    const bool japanese = sim::Kernel32().language == Language::Japanese;
    const ControlPlacement size = japanese && resource.japaneseSize != nullptr
                                      ? *resource.japaneseSize
                                      : ControlPlacement{0, 0, resource.cx, resource.cy};
    const RECT pixels = DialogUnitsToPixels(0, 0, size.cx, size.cy, units);
    return SIZE{pixels.right, pixels.bottom};
}

HWND CreateEmptyDialog(const std::string& caption, DWORD style, RECT rect, HWND parent,
                       DLGPROC procedure) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DialogWindowProc;
    windowClass.lpszClassName = kDialogClass;
    RegisterClassA(&windowClass); // once per machine; later calls find it there
    const HWND dialog = sim::Windows().Create(0, kDialogClass, caption, style, rect, parent, 0,
                                              nullptr, kProgramThread);
    Window* window = sim::Windows().Find(dialog);
    window->dialog = true;
    window->paintsItself = false; // the desktop painter draws dialogs and their controls
    window->dialogProcedure = procedure;
    return dialog;
}

HWND CreateDialogWindow(const DialogResource& resource, const std::string& caption, DWORD style,
                        RECT rect, HWND parent, DLGPROC procedure) {
    const bool japanese = sim::Kernel32().language == Language::Japanese;
    const HWND dialog = CreateEmptyDialog(caption, style, rect, parent, procedure);
    const BaseUnits units = TemplateBaseUnits(resource);
    sim::Windows().Find(dialog)->dialogBaseUnits = SIZE{units.cx, units.cy};
    for (std::size_t i = 0; i < resource.controlCount; ++i) {
        const DialogControlResource& control = resource.controls[i];
        const ControlPlacement place =
            japanese && resource.japanesePlacements != nullptr
                ? resource.japanesePlacements[i]
                : ControlPlacement{control.x, control.y, control.cx, control.cy};
        const RECT pixels = DialogUnitsToPixels(place.x, place.y, place.cx, place.cy, units);
        sim::Windows().Create(0, control.className, japanese ? control.japanese : control.english,
                              static_cast<DWORD>(control.style), pixels, dialog, control.id,
                              nullptr, kProgramThread);
    }
    return dialog;
}

// The dialog's own message loop: keyboard input goes through the dialog manager, and when
// nothing is queued the user acts.
void RunModalLoop(HWND dialog) {
    sim::Windows().EnterModal(dialog);
    const auto open = [&] {
        const sim::Window* window = sim::Windows().Find(dialog);
        return window != nullptr && !window->dialogEnded;
    };
    while (open()) {
        MSG message;
        if (sim::Windows().NextMessage(message)) {
            if (!IsDialogMessageA(dialog, &message)) {
                sim::Windows().Dispatch(message);
            }
        } else if (!sim::User().ActInDialog(dialog)) {
            break;
        }
    }
    sim::Windows().LeaveModal();
}

} // namespace sim

LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    // Closing a dialog is cancelling it, unless its Cancel button is disabled.
    case WM_CLOSE: {
        const HWND cancel = GetDlgItem(dialog, IDCANCEL);
        if (cancel == nullptr || IsWindowEnabled(cancel)) {
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(cancel));
        }
        return 0;
    }
    // A dialog keeps the focus on the control that had it when the dialog was last active.
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            SaveFocus(dialog);
        } else {
            RestoreFocus(dialog);
        }
        return 0;
    case WM_SETFOCUS:
        RestoreFocus(dialog);
        return 0;
    case DM_GETDEFID: {
        const HWND button = FindDefaultButton(dialog);
        return button ? MAKELONG(GetDlgCtrlID(button), DC_HASDEFID) : 0;
    }
    default:
        return DefWindowProcA(dialog, message, wParam, lParam);
    }
}

BOOL IsDialogMessageA(HWND dialog, LPMSG message) {
    if (message == nullptr || (message->hwnd != dialog && !IsChild(dialog, message->hwnd))) {
        return FALSE;
    }
    if (message->message == WM_KEYDOWN) {
        const LRESULT code = SendMessageA(message->hwnd, WM_GETDLGCODE, message->wParam,
                                          reinterpret_cast<LPARAM>(message));
        if (!(code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))) {
            switch (message->wParam) {
            case VK_ESCAPE:
                SendMessageA(dialog, WM_COMMAND, IDCANCEL,
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
                return TRUE;
            case VK_RETURN:
                PressEnter(dialog);
                return TRUE;
            default:
                break;
            }
        }
    }
    DispatchMessageA(message);
    return TRUE;
}

INT_PTR DialogBoxParamA(HINSTANCE, LPCSTR templateName, HWND owner, DLGPROC dialogProc,
                        LPARAM initParam) {
    const DialogResource* resource =
        IS_INTRESOURCE(templateName)
            ? FindDialogResource(LOWORD(reinterpret_cast<ULONG_PTR>(templateName)))
            : nullptr;
    if (resource == nullptr) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return -1;
    }
    const bool japanese = sim::Kernel32().language == sim::Language::Japanese;
    // The template places the dialog's client area relative to its owner's and gives its
    // size; the frame goes around that. The whole dialog is kept on the screen.
    const DWORD style = static_cast<DWORD>(resource->style) & ~static_cast<DWORD>(WS_VISIBLE);
    // A dialog box is measured in its own font.
    const sim::BaseUnits units = sim::TemplateBaseUnits(*resource);
    const SIZE size = sim::TemplateSize(*resource, units);
    RECT frame{0, 0, size.cx, size.cy};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const RECT place = sim::DialogUnitsToPixels(resource->x, resource->y, 0, 0, units);
    POINT origin{place.left, place.top};
    if (owner != nullptr && !(style & DS_CENTER)) {
        ClientToScreen(owner, &origin);
    }
    // DS_CENTER puts it in the middle of the screen instead.
    if (style & DS_CENTER) {
        origin = POINT{(sim::PrimaryScreen().Width() - width) / 2 - frame.left,
                       (sim::PrimaryScreen().Height() - height) / 2 - frame.top};
    }
    const int left =
        std::max(0, std::min<int>(origin.x + frame.left, sim::PrimaryScreen().Width() - width));
    const int top =
        std::max(0, std::min<int>(origin.y + frame.top, sim::PrimaryScreen().Height() - height));
    const HWND dialog = sim::CreateDialogWindow(
        *resource, japanese ? resource->japaneseCaption : resource->englishCaption, style,
        RECT{left, top, left + width, top + height}, owner, dialogProc);
    if (owner != nullptr) {
        EnableWindow(owner, FALSE);
    }
    if (SendMessageA(dialog, WM_INITDIALOG, 0, initParam)) {
        sim::Windows().Find(dialog)->savedFocus = sim::FirstTabStop(dialog);
    }
    ShowWindow(dialog, SW_SHOW);
    if (sim::Watcher() != nullptr) {
        sim::Watcher()->DialogOpened(dialog);
    }
    sim::RunModalLoop(dialog);
    const sim::Window* window = sim::Windows().Find(dialog);
    // A user who walks away from a dialog has cancelled it.
    const INT_PTR result = window && window->dialogEnded ? window->dialogResult : IDCANCEL;
    if (owner != nullptr) {
        EnableWindow(owner, TRUE);
    }
    DestroyWindow(dialog);
    if (sim::Watcher() != nullptr) {
        sim::Watcher()->DialogClosed();
    }
    return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    sim::Window* window = sim::Windows().Find(dialog);
    if (window == nullptr || !window->dialog) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    window->dialogEnded = true;
    window->dialogResult = result;
    return TRUE;
}
