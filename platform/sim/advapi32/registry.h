// The simulated HKEY_CURRENT_USER: keys and values in memory, names compared without regard
// to case and kept as first written.
#pragma once

#include "platform/sim/include/win32_types.h"

#include <map>
#include <string>
#include <vector>

namespace sim {

struct RegistryValue {
    std::string name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

struct RegistryKey {
    std::string name;
    std::map<std::string, RegistryKey> subkeys;  // by lower-case name
    std::map<std::string, RegistryValue> values; // by lower-case name
};

class Registry {
  public:
    // The key at a backslash-separated path below HKEY_CURRENT_USER, or nullptr.
    RegistryKey* Find(const std::string& path);
    RegistryKey& Create(const std::string& path, bool* created);
    // Removes a key that has no subkeys: ERROR_SUCCESS, ERROR_FILE_NOT_FOUND or, for a key
    // with subkeys, ERROR_ACCESS_DENIED.
    LONG Delete(const std::string& path);

    // A DWORD value for tests and tools; nullptr-like false when absent or not a DWORD.
    bool ReadDword(const std::string& keyPath, const std::string& name, DWORD* value);
    void WriteDword(const std::string& keyPath, const std::string& name, DWORD value);

    // Every value below the key, as "SUB\\KEY\\NAME" relative to it, sorted by that name.
    std::vector<std::pair<std::string, const RegistryValue*>>
    ListValues(const std::string& keyPath);

    // How often each value was written, by "key\\name" in lower case.
    int WriteCount(const std::string& keyPath, const std::string& name) const;
    void CountWrite(const std::string& keyPath, const std::string& name);
    // Grows with every value the program writes and every key it deletes: whoever keeps the
    // registry somewhere sees when there is something new to keep.
    unsigned Changes() const { return m_changes; }

  private:
    RegistryKey m_root;
    std::map<std::string, int> m_writes;
    unsigned m_changes = 0;
};

std::string LowerCase(std::string text);

} // namespace sim
