// LoadStringA from the string table in the machine's language.
#include "platform/resource_tables.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/kernel32/kernel32_state.h"

#include <algorithm>
#include <cstring>

int LoadStringA(HINSTANCE, UINT id, LPSTR buffer, int bufferMax) {
    const ResourceString* entry = FindResourceString(id);
    if (entry == nullptr) {
        SetLastError(1814); // ERROR_RESOURCE_NAME_NOT_FOUND
        return 0;
    }
    if (buffer == nullptr || bufferMax <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const char* text =
        sim::Kernel32().language == sim::Language::Japanese ? entry->japanese : entry->english;
    const std::size_t length = std::min(std::strlen(text), static_cast<std::size_t>(bufferMax - 1));
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}
