// Modal dialogs from the dialog resources; the interaction driver works them.
#include "res/dialogs.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/world.h"

using sim::World;

namespace {

const char kDialogClass[] = "#32770";

LRESULT CALLBACK DialogWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const sim::Window* window = World::Current().windows.Find(dialog);
    if (window != nullptr && window->dialogProcedure != nullptr &&
        window->dialogProcedure(dialog, message, wParam, lParam)) {
        return TRUE;
    }
    return DefWindowProcA(dialog, message, wParam, lParam);
}

void RegisterDialogClass() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DialogWindowProc;
    windowClass.lpszClassName = kDialogClass;
    RegisterClassA(&windowClass); // once per world; later calls find it there
}

// Dialog units to pixels for an 8-point font: 4 horizontal and 8 vertical units per
// average character of 6 by 13 pixels.
RECT ToPixels(int x, int y, int cx, int cy) {
    return RECT{x * 6 / 4, y * 13 / 8, (x + cx) * 6 / 4, (y + cy) * 13 / 8};
}

} // namespace

INT_PTR DialogBoxParamA(HINSTANCE, LPCSTR templateName, HWND owner, DLGPROC dialogProc,
                        LPARAM initParam) {
    World& world = World::Current();
    const DialogResource* resource =
        IS_INTRESOURCE(templateName)
            ? FindDialogResource(LOWORD(reinterpret_cast<ULONG_PTR>(templateName)))
            : nullptr;
    if (resource == nullptr) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return -1;
    }
    const bool japanese = world.GetLanguage() == sim::Language::Japanese;
    RegisterDialogClass();
    RECT size = ToPixels(0, 0, resource->cx, resource->cy);
    const int left = (world.ScreenWidth() - size.right) / 2;
    const int top = (world.ScreenHeight() - size.bottom) / 2;
    const HWND dialog = world.windows.Create(
        0, kDialogClass, japanese ? resource->japaneseCaption : resource->englishCaption,
        static_cast<DWORD>(resource->style) & ~static_cast<DWORD>(WS_VISIBLE),
        RECT{left, top, left + size.right, top + size.bottom}, owner, 0, nullptr,
        sim::kProgramThread);
    sim::Window* window = world.windows.Find(dialog);
    window->dialog = true;
    window->dialogProcedure = dialogProc;
    for (std::size_t i = 0; i < resource->controlCount; ++i) {
        const DialogControlResource& control = resource->controls[i];
        const RECT rect = ToPixels(control.x, control.y, control.cx, control.cy);
        world.windows.Create(0, control.className, japanese ? control.japanese : control.english,
                             static_cast<DWORD>(control.style), rect, dialog, control.id, nullptr,
                             sim::kProgramThread);
    }
    if (owner != nullptr) {
        EnableWindow(owner, FALSE);
    }
    SendMessageA(dialog, WM_INITDIALOG, 0, initParam);
    ShowWindow(dialog, SW_SHOW);
    world.User().RunDialog(dialog);
    window = world.windows.Find(dialog);
    // A user who walks away from a dialog has cancelled it.
    const INT_PTR result = window && window->dialogEnded ? window->dialogResult : IDCANCEL;
    if (owner != nullptr) {
        EnableWindow(owner, TRUE);
    }
    DestroyWindow(dialog);
    return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    sim::Window* window = World::Current().windows.Find(dialog);
    if (window == nullptr || !window->dialog) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    window->dialogEnded = true;
    window->dialogResult = result;
    return TRUE;
}
