// What advapi32 keeps: HKEY_CURRENT_USER and the keys open on it.
#pragma once

#include "platform/sim/advapi32/registry.h"

#include <map>
#include <string>

namespace sim {

struct Advapi32State {
    Registry registry;
    std::map<HKEY, std::string> registryKeys; // each open key's path below HKEY_CURRENT_USER
};

Advapi32State& Advapi32();

} // namespace sim
