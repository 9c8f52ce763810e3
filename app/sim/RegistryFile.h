// The simulated registry kept in a file between runs, one DWORD value a line:
// "Software\Velmora\Corvane\Device\Contrast=32".
#pragma once

#include "platform/sim/advapi32/registry.h"

#include <string>
#include <utility>

// False when the file exists but cannot be read; a missing file is an empty registry.
bool LoadRegistry(sim::Registry& registry, const std::string& path, std::string& error);
bool SaveRegistry(sim::Registry& registry, const std::string& path, std::string& error);

// The file kept up to date while the program runs. Windows keeps every value written whatever
// becomes of the program afterwards (a crash, a kill, a power cut), so the file is written
// whenever the registry has changed since it was last written.
class RegistryFile {
  public:
    RegistryFile(sim::Registry& registry, std::string path)
        : m_registry(registry), m_path(std::move(path)), m_kept(registry.Changes()) {}
    ~RegistryFile();
    RegistryFile(const RegistryFile&) = delete;
    RegistryFile& operator=(const RegistryFile&) = delete;

    // Only one corvane-sim at a time keeps its settings in one file, as only one Corvane runs
    // on one Windows session: false with the reason when another has it.
    bool Claim(std::string& error);
    // Once claimed: why the file could not be written now (it is read-only), or empty.
    std::string Unwritable() const;
    // False with the reason when the file could not be written; it is tried again next time.
    bool KeepChanges(std::string& error);

  private:
    sim::Registry& m_registry;
    std::string m_path;
    unsigned m_kept;
    int m_lock = -1;
};

// Where settings live between runs: $XDG_CONFIG_HOME/corvane-sim, or ~/.config/corvane-sim.
std::string DefaultRegistryPath();
