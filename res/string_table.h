// The string table, English (1033) and Japanese (1041) side by side, in UTF-8.
#pragma once

#include <cstddef>

struct ResourceString {
    unsigned id;
    const char* english;
    const char* japanese;
};

extern const ResourceString kStringTable[];
extern const std::size_t kStringTableSize;

// The entry for id, or nullptr when the table has none.
const ResourceString* FindResourceString(unsigned id);
