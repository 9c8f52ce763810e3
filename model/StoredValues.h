// Every stored value in the order the program reads and writes it, each bound to its field
// of the settings. Loading, saving, committing the Option sheet and anything that lists the
// settings walk this one table, so they can never disagree about a name or a default.
#pragma once

#include "StoredSettings.h"

#include <array>

struct STORED_VALUE {
    LPCSTR section;
    LPCSTR name;
    int (*get)(const STORED_SETTINGS&);
    void (*set)(STORED_SETTINGS&, int);
    // Read when nothing is stored: the given default, or else the field's present value.
    bool bFixedDefault;
    int nFixedDefault;
    // Edited on the Option sheet, and taken from it on OK.
    bool bOptionSheet;

    int DefaultFor(const STORED_SETTINGS& present) const {
        return bFixedDefault ? nFixedDefault : get(present);
    }
};

constexpr std::size_t kStoredValueCount = 24;
extern const std::array<STORED_VALUE, kStoredValueCount> g_storedValues;
