// The simulated registry kept in a file between runs, one DWORD value a line:
// "Software\Velmora\Corvane\Device\Contrast=32".
#pragma once

#include "platform/sim/advapi32/registry.h"

#include <string>

// False when the file exists but cannot be read; a missing file is an empty registry.
bool LoadRegistry(sim::Registry& registry, const std::string& path, std::string& error);
bool SaveRegistry(sim::Registry& registry, const std::string& path, std::string& error);

// Where settings live between runs: $XDG_CONFIG_HOME/corvane-sim, or ~/.config/corvane-sim.
std::string DefaultRegistryPath();
