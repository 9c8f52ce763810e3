#include "platform/sim/advapi32/registry.h"

#include "platform/sim/advapi32/advapi32_state.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/kernel32/kernel32_state.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace sim {

namespace {

std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            if (!part.empty()) {
                parts.push_back(part);
            }
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) {
        parts.push_back(part);
    }
    return parts;
}

void CollectValues(const RegistryKey& key, const std::string& prefix,
                   std::vector<std::pair<std::string, const RegistryValue*>>& out) {
    for (const auto& [lower, value] : key.values) {
        out.emplace_back(prefix + value.name, &value);
    }
    for (const auto& [lower, subkey] : key.subkeys) {
        CollectValues(subkey, prefix + subkey.name + "\\", out);
    }
}

} // namespace

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

RegistryKey* Registry::Find(const std::string& path) {
    RegistryKey* key = &m_root;
    for (const std::string& part : SplitPath(path)) {
        const auto found = key->subkeys.find(LowerCase(part));
        if (found == key->subkeys.end()) {
            return nullptr;
        }
        key = &found->second;
    }
    return key;
}

RegistryKey& Registry::Create(const std::string& path, bool* created) {
    RegistryKey* key = &m_root;
    *created = false;
    for (const std::string& part : SplitPath(path)) {
        auto [entry, inserted] = key->subkeys.try_emplace(LowerCase(part));
        if (inserted) {
            entry->second.name = part;
            *created = true;
        }
        key = &entry->second;
    }
    return *key;
}

LONG Registry::Delete(const std::string& path) {
    std::vector<std::string> parts = SplitPath(path);
    if (parts.empty()) {
        return ERROR_ACCESS_DENIED;
    }
    const std::string last = LowerCase(parts.back());
    parts.pop_back();
    RegistryKey* parent = &m_root;
    for (const std::string& part : parts) {
        const auto found = parent->subkeys.find(LowerCase(part));
        if (found == parent->subkeys.end()) {
            return ERROR_FILE_NOT_FOUND;
        }
        parent = &found->second;
    }
    const auto found = parent->subkeys.find(last);
    if (found == parent->subkeys.end()) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (!found->second.subkeys.empty()) {
        return ERROR_ACCESS_DENIED;
    }
    parent->subkeys.erase(found);
    ++m_changes;
    return ERROR_SUCCESS;
}

bool Registry::ReadDword(const std::string& keyPath, const std::string& name, DWORD* value) {
    const RegistryKey* key = Find(keyPath);
    if (key == nullptr) {
        return false;
    }
    const auto found = key->values.find(LowerCase(name));
    if (found == key->values.end() || found->second.type != REG_DWORD ||
        found->second.data.size() != sizeof(DWORD)) {
        return false;
    }
    std::memcpy(value, found->second.data.data(), sizeof(DWORD));
    return true;
}

void Registry::WriteDword(const std::string& keyPath, const std::string& name, DWORD value) {
    bool created = false;
    RegistryValue& entry = Create(keyPath, &created).values[LowerCase(name)];
    entry.name = name;
    entry.type = REG_DWORD;
    entry.data.resize(sizeof(DWORD));
    std::memcpy(entry.data.data(), &value, sizeof(DWORD));
}

int Registry::WriteCount(const std::string& keyPath, const std::string& name) const {
    const auto found = m_writes.find(LowerCase(keyPath + "\\" + name));
    return found == m_writes.end() ? 0 : found->second;
}

void Registry::CountWrite(const std::string& keyPath, const std::string& name) {
    ++m_writes[LowerCase(keyPath + "\\" + name)];
    ++m_changes;
}

std::vector<std::pair<std::string, const RegistryValue*>>
Registry::ListValues(const std::string& keyPath) {
    std::vector<std::pair<std::string, const RegistryValue*>> values;
    if (const RegistryKey* key = Find(keyPath)) {
        CollectValues(*key, "", values);
    }
    std::sort(values.begin(), values.end(),
              [](const auto& a, const auto& b) { return LowerCase(a.first) < LowerCase(b.first); });
    return values;
}

} // namespace sim

namespace {

// The path of an open key below HKEY_CURRENT_USER; false for a handle that is not one.
bool KeyPath(HKEY key, std::string* path) {
    if (key == HKEY_CURRENT_USER) {
        path->clear();
        return true;
    }
    const auto& keys = sim::Advapi32().registryKeys;
    const auto found = keys.find(key);
    if (found == keys.end()) {
        return false;
    }
    *path = found->second;
    return true;
}

std::string Join(const std::string& base, LPCSTR subKey) {
    if (subKey == nullptr || *subKey == '\0') {
        return base;
    }
    return base.empty() ? std::string(subKey) : base + "\\" + subKey;
}

HKEY NewKeyHandle(const std::string& path) {
    HKEY handle = static_cast<HKEY>(sim::Kernel32().NewHandle());
    sim::Advapi32().registryKeys.emplace(handle, path);
    return handle;
}

} // namespace

LSTATUS RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES,
                        PHKEY result, LPDWORD disposition) {
    std::string base;
    if (result == nullptr || subKey == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    if (!KeyPath(key, &base)) {
        return ERROR_INVALID_HANDLE;
    }
    const std::string path = Join(base, subKey);
    bool created = false;
    sim::Advapi32().registry.Create(path, &created);
    *result = NewKeyHandle(path);
    if (disposition != nullptr) {
        *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    }
    return ERROR_SUCCESS;
}

LSTATUS RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM, PHKEY result) {
    std::string base;
    if (result == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    if (!KeyPath(key, &base)) {
        return ERROR_INVALID_HANDLE;
    }
    const std::string path = Join(base, subKey);
    if (sim::Advapi32().registry.Find(path) == nullptr) {
        return ERROR_FILE_NOT_FOUND;
    }
    *result = NewKeyHandle(path);
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD, LPDWORD type, LPBYTE data,
                         LPDWORD size) {
    std::string path;
    if (!KeyPath(key, &path)) {
        return ERROR_INVALID_HANDLE;
    }
    if (data != nullptr && size == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    const sim::RegistryKey* found = sim::Advapi32().registry.Find(path);
    if (found == nullptr) {
        return ERROR_BADKEY;
    }
    const auto value = found->values.find(sim::LowerCase(valueName ? valueName : ""));
    if (value == found->values.end()) {
        return ERROR_FILE_NOT_FOUND;
    }
    const DWORD needed = static_cast<DWORD>(value->second.data.size());
    if (type != nullptr) {
        *type = value->second.type;
    }
    LSTATUS status = ERROR_SUCCESS;
    if (data != nullptr) {
        if (*size < needed) {
            status = ERROR_MORE_DATA;
        } else {
            std::copy(value->second.data.begin(), value->second.data.end(), data);
        }
    }
    if (size != nullptr) {
        *size = needed;
    }
    return status;
}

LSTATUS RegSetValueExA(HKEY key, LPCSTR valueName, DWORD, DWORD type, const BYTE* data,
                       DWORD size) {
    std::string path;
    if (!KeyPath(key, &path)) {
        return ERROR_INVALID_HANDLE;
    }
    if (key == HKEY_CURRENT_USER || (data == nullptr && size != 0)) {
        return ERROR_INVALID_PARAMETER;
    }
    bool created = false;
    const std::string name = valueName ? valueName : "";
    sim::RegistryValue& value =
        sim::Advapi32().registry.Create(path, &created).values[sim::LowerCase(name)];
    value.name = name;
    value.type = type;
    value.data.assign(data, data + size);
    sim::Advapi32().registry.CountWrite(path, name);
    return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY key) {
    if (key == HKEY_CURRENT_USER) {
        return ERROR_SUCCESS;
    }
    return sim::Advapi32().registryKeys.erase(key) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LSTATUS RegDeleteKeyA(HKEY key, LPCSTR subKey) {
    std::string base;
    if (!KeyPath(key, &base)) {
        return ERROR_INVALID_HANDLE;
    }
    if (subKey == nullptr || *subKey == '\0') {
        return ERROR_ACCESS_DENIED; // a key cannot delete itself through its own handle here
    }
    return sim::Advapi32().registry.Delete(Join(base, subKey));
}
