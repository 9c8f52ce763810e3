// The simulated machine's state, gathered: each DLL's own, the bus, the screen, and who is at
// the machine. Only the control side (which makes a machine) and the accessors include this;
// a DLL includes the state headers of the DLLs it uses, as a Windows DLL imports another.
#pragma once

#include "platform/sim/advapi32/advapi32_state.h"
#include "platform/sim/converter/bus.h"
#include "platform/sim/display/screen.h"
#include "platform/sim/gdi32/gdi32_state.h"
#include "platform/sim/hook/hook_state.h"
#include "platform/sim/imm32/imm32_state.h"
#include "platform/sim/interaction.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/setupapi/setupapi_state.h"
#include "platform/sim/shell32/shell32_state.h"
#include "platform/sim/user32/user32_state.h"

namespace sim {

struct Machine {
    // The first machine made becomes the current one, which the Win32 functions serve;
    // exactly one exists at a time.
    Machine();
    ~Machine();
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    // Stays the current machine until its last part is gone: what goes with it (the controls
    // still standing) may still use the Win32 functions on the way.
    struct Tenure {
        Tenure();
        ~Tenure();
    } tenure;

    Kernel32State kernel32;
    Advapi32State advapi32;
    SetupApiState setupapi;
    User32State user32;
    Gdi32State gdi32;
    Shell32State shell32;
    Imm32State imm32;
    HookLibrary hook;
    ConverterBus bus;
    Screen screen{1024, 768};
    AbsentUser absentUser;
    InteractionDriver* user = &absentUser;
    Observer* observer = nullptr;
};

} // namespace sim
