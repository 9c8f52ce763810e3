// Time, the thread's last error, local memory and module handles.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/world.h"

using sim::World;

void Sleep(DWORD milliseconds) {
    World::Current().Advance(milliseconds);
}

DWORD GetTickCount() {
    return World::Current().Now();
}

DWORD GetLastError() {
    return World::Current().lastError;
}

void SetLastError(DWORD error) {
    World::Current().lastError = error;
}

HLOCAL LocalFree(HLOCAL memory) {
    if (memory == nullptr || World::Current().FreeLocal(memory)) {
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
    World& world = World::Current();
    const HANDLE handle = world.NewHandle();
    const bool existed = name != nullptr && world.OpenNamedObject(name, handle);
    SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}
