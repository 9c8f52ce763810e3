#include "platform/sim/kernel32/kernel32_state.h"

#include <cstdlib>

namespace sim {

Kernel32State::~Kernel32State() {
    for (void* memory : localAllocations) {
        std::free(memory);
    }
}

HANDLE Kernel32State::NewHandle() {
    m_nextHandle += 4;
    return reinterpret_cast<HANDLE>(m_nextHandle);
}

void* Kernel32State::AllocateLocal(std::size_t size) {
    void* memory = std::calloc(1, size == 0 ? 1 : size);
    if (memory != nullptr) {
        localAllocations.insert(memory);
    }
    return memory;
}

bool Kernel32State::FreeLocal(void* memory) {
    if (localAllocations.erase(memory) == 0) {
        return false;
    }
    std::free(memory);
    return true;
}

bool Kernel32State::OpenNamedObject(const std::string& name, HANDLE handle) {
    bool existed = false;
    for (const auto& [open, openName] : m_namedObjectHandles) {
        existed = existed || openName == name;
    }
    m_namedObjectHandles[handle] = name;
    return existed;
}

bool Kernel32State::CloseNamedObject(HANDLE handle) {
    return m_namedObjectHandles.erase(handle) == 1;
}

bool DisplayAsleep() {
    const Kernel32State& kernel = Kernel32();
    return !(kernel.executionState & ES_DISPLAY_REQUIRED) &&
           kernel.now - kernel.displayIdleSince >= kernel.displayIdleTimeout;
}

} // namespace sim
