// What kernel32 keeps: the virtual clock, the last error, the user's languages, handles, local
// memory, named objects and the open device files.
#pragma once

#include "platform/sim/include/win32_system_types.h"
#include "platform/sim/include/win32_types.h"
#include "platform/sim/language.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace sim {

class Converter;

// The thread the program runs on; other programs' windows belong to other threads.
constexpr DWORD kProgramThread = 1;

struct Kernel32State {
    Kernel32State() = default;
    ~Kernel32State();
    Kernel32State(const Kernel32State&) = delete;
    Kernel32State& operator=(const Kernel32State&) = delete;

    // Every kernel and user object gets its handle here, so that no two handles are alike.
    HANDLE NewHandle();

    // The virtual clock, in milliseconds since the simulated boot. It never wraps; the tick
    // count the programs read is its low 32 bits, which wrap after 49.7 days as Windows' do.
    std::uint64_t now = 0;
    // The power manager: the program thread's standing request, the power plan's time before
    // an idle display sleeps, and when the display's idle time last started (input, a
    // one-time request, or a standing request given up).
    EXECUTION_STATE executionState = ES_CONTINUOUS;
    DWORD displayIdleTimeout = 10 * 60 * 1000;
    std::uint64_t displayIdleSince = 0;
    DWORD lastError = 0;
    Language language = Language::English; // resources and system texts
    LCID userLocale = 0x0409;              // GetUserDefaultLCID, apart from the UI language
    // LocalAlloc's memory, freed with the machine if the program does not free it.
    void* AllocateLocal(std::size_t size);
    bool FreeLocal(void* memory);
    std::set<void*> localAllocations;
    // Named objects (a mutex), shared by every process of the session. Open records a handle
    // to the name and says whether the object existed; Close drops a handle, and the object
    // goes with its last handle.
    bool OpenNamedObject(const std::string& name, HANDLE handle);
    bool CloseNamedObject(HANDLE handle);
    struct FileHandle {
        Converter* converter;
        unsigned generation; // the converter's attachment the handle was opened on
    };
    std::map<HANDLE, FileHandle> files;

  private:
    std::map<HANDLE, std::string> m_namedObjectHandles;
    std::uintptr_t m_nextHandle = 0x100;
};

Kernel32State& Kernel32();

// Whether the display sleeps now: idle for the power plan's time with nobody asking for it.
bool DisplayAsleep();

// The virtual clock, which every part of the machine reads: the time since boot, and the
// tick count (GetTickCount, a message's time, a converter's own millisecond counter).
inline std::uint64_t Uptime() {
    return Kernel32().now;
}
inline DWORD Now() {
    return static_cast<DWORD>(Kernel32().now);
}

} // namespace sim
