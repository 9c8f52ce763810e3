#include "platform/sim/machine.h"

#include <cstdio>
#include <cstdlib>

namespace sim {

namespace {

Machine* g_current = nullptr;

Machine& Current() {
    if (g_current == nullptr) {
        std::fputs("sim: a Win32 call was made with no simulated machine\n", stderr);
        std::abort();
    }
    return *g_current;
}

} // namespace

Machine::Tenure::Tenure() {
    if (g_current != nullptr) {
        std::fputs("sim: only one simulated machine may exist at a time\n", stderr);
        std::abort();
    }
}

Machine::Tenure::~Tenure() {
    g_current = nullptr;
}

Machine::Machine() {
    g_current = this;
}

Machine::~Machine() = default;

int AbsentUser::AnswerMessageBox(const MessageBoxShown&) {
    return IDOK;
}

Kernel32State& Kernel32() {
    return Current().kernel32;
}
Advapi32State& Advapi32() {
    return Current().advapi32;
}
SetupApiState& SetupApi() {
    return Current().setupapi;
}
User32State& User32() {
    return Current().user32;
}
Gdi32State& Gdi32() {
    return Current().gdi32;
}
Shell32State& Shell32() {
    return Current().shell32;
}
Imm32State& Imm32() {
    return Current().imm32;
}
HookLibrary& Hook() {
    return Current().hook;
}
ConverterBus& Bus() {
    return Current().bus;
}
Screen& PrimaryScreen() {
    return Current().screen;
}
InteractionDriver& User() {
    return *Current().user;
}
Observer* Watcher() {
    return Current().observer;
}

} // namespace sim
