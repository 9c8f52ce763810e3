// The common controls' classes, there once the program has asked for them.
#include "platform/sim/comctl32/comctl32.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/control_info.h"
#include "platform/sim/user32/user32_state.h"

namespace sim {

void RegisterCommonControlClasses(WindowManager& windows) {
    const struct {
        const char* name;
        WNDPROC procedure;
    } kClasses[] = {{TRACKBAR_CLASSA, TrackbarWindowProc}, {WC_TABCONTROLA, TabWindowProc}};
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
}

} // namespace sim

void InitCommonControls() {
    sim::RegisterCommonControlClasses(sim::Windows());
}
