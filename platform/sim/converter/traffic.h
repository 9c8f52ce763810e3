// What crossed DeviceIoControl to a simulated converter: one entry per call that reached it.
#pragma once

#include "platform/sim/include/win32_types.h"

#include <array>
#include <string>
#include <vector>

namespace sim {

struct Transfer {
    DWORD ioControlCode = 0;
    std::array<BYTE, 6> block{}; // zero for the descriptor request
    std::vector<BYTE> data;      // what was sent, or what came back
    bool succeeded = false;
    DWORD error = 0; // the system error of a failed call
    DWORD returned = 0;
    DWORD time = 0; // the virtual clock when the call was made
};

// "40 10 94 00 00 00 | 26 20 00", "descriptor | 12 01 ...", with " ! error N" for a failure.
std::string FormatTransfer(const Transfer& transfer);

} // namespace sim
