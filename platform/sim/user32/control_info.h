// Where a control keeps its own state, as the system's controls do: a structure of the
// control's own, made when its window is created and freed when the window goes, its address
// in the first of the window's extra bytes (the class's cbWndExtra).
#pragma once

#include "platform/sim/include/win32_api.h"

namespace sim {

// The extra bytes a control class asks for, to hold the address.
constexpr int kControlInfoBytes = sizeof(LONG_PTR);

template <typename Info> Info* ControlInfo(HWND control) {
    return reinterpret_cast<Info*>(GetWindowLongPtrA(control, 0));
}

// Makes the structure on WM_NCCREATE and frees it on WM_NCDESTROY; false for other messages.
template <typename Info> bool KeepControlInfo(HWND control, UINT message) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrA(control, 0, reinterpret_cast<LONG_PTR>(new Info{}));
        return true;
    }
    if (message == WM_NCDESTROY) {
        delete ControlInfo<Info>(control);
        SetWindowLongPtrA(control, 0, 0);
        return true;
    }
    return false;
}

} // namespace sim
