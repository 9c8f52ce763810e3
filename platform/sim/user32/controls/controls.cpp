#include "platform/sim/user32/controls/controls.h"

#include "platform/sim/include/win32_api.h"
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
        windowClass.lpfnWndProc = control.procedure;
        windowClass.lpszClassName = control.name;
        windows.RegisterClass(windowClass);
    }
    RegisterComboListClass(windows);
}

} // namespace sim
