#include "platform/sim/user32/controls/controls.h"

#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/control_info.h"
#include "platform/sim/user32/window_manager.h"

namespace sim {

void RegisterControlClasses(WindowManager& windows) {
    const struct {
        const char* name;
        WNDPROC procedure;
    } kClasses[] = {{"Static", StaticWindowProc},
                    {"Button", ButtonWindowProc},
                    {"ComboBox", ComboBoxWindowProc}};
    for (const auto& control : kClasses) {
        WNDCLASSA windowClass{};
        // The system's classes, in every process; each control keeps its state's address
        // in the window's extra bytes.
        windowClass.style = CS_GLOBALCLASS;
        windowClass.cbWndExtra = kControlInfoBytes;
        windowClass.lpfnWndProc = control.procedure;
        windowClass.lpszClassName = control.name;
        windows.RegisterClass(windowClass);
    }
    RegisterComboListClass(windows);
}

} // namespace sim
