// Time, power requests, the thread's last error, local memory and module handles.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/kernel32/kernel32_state.h"

void Sleep(DWORD milliseconds) {
    sim::Kernel32().now += milliseconds;
}

DWORD GetTickCount() {
    return sim::Now();
}

// The program runs on one thread; other programs' windows belong to threads of their own.
DWORD GetCurrentThreadId() {
    return sim::kProgramThread;
}

// A standing request (ES_CONTINUOUS) replaces the thread's last one; without it the request
// only restarts the idle timers once. Either way the previous standing request is returned.
EXECUTION_STATE SetThreadExecutionState(EXECUTION_STATE flags) {
    sim::Kernel32State& kernel = sim::Kernel32();
    const EXECUTION_STATE previous = kernel.executionState;
    const bool displayGivenUp = (previous & ES_DISPLAY_REQUIRED) && (flags & ES_CONTINUOUS) &&
                                !(flags & ES_DISPLAY_REQUIRED);
    if ((flags & ES_DISPLAY_REQUIRED) || displayGivenUp) {
        kernel.displayIdleSince = kernel.now;
    }
    if (flags & ES_CONTINUOUS) {
        kernel.executionState = flags;
    }
    return previous;
}

DWORD GetLastError() {
    return sim::Kernel32().lastError;
}

void SetLastError(DWORD error) {
    sim::Kernel32().lastError = error;
}

HLOCAL LocalFree(HLOCAL memory) {
    if (memory == nullptr || sim::Kernel32().FreeLocal(memory)) {
        return nullptr;
    }
    SetLastError(ERROR_INVALID_HANDLE);
    return memory;
}

HMODULE GetModuleHandleA(LPCSTR moduleName) {
    // The simulated process has one module, the program itself.
    static HINSTANCE__ program{};
    if (moduleName != nullptr) {
        SetLastError(126); // ERROR_MOD_NOT_FOUND
        return nullptr;
    }
    return &program;
}

// A named mutex is one object in the user's session however often it is created; the caller
// learns from the last error whether it existed already.
HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES, BOOL, LPCSTR name) {
    const HANDLE handle = sim::Kernel32().NewHandle();
    const bool existed = name != nullptr && sim::Kernel32().OpenNamedObject(name, handle);
    SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}
