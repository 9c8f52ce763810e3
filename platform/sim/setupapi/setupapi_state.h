// What setupapi keeps: the device information sets handed out, and the faults a test asked of
// them.
#pragma once

#include "platform/sim/include/win32_types.h"

#include <map>
#include <string>
#include <vector>

namespace sim {

struct SetupApiState {
    struct DeviceInfoSet {
        std::vector<std::string> paths;
    };
    std::map<HANDLE, DeviceInfoSet> deviceInfoSets;

    // Faults: the class list cannot be built; a member's detail query fails, or reports
    // another size than the path needs.
    DWORD classDevsError = 0;
    std::map<DWORD, DWORD> detailErrors;
    std::map<DWORD, DWORD> detailSizes;
};

SetupApiState& SetupApi();

} // namespace sim
