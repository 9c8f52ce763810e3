// FindResourceA and friends, for the resources a program reads as raw bytes: a dialog's
// initialisation data (type 240), in the machine's language. The simulated code page is
// UTF-8, so the texts stay as the tables hold them.
#include "platform/resource_tables.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/kernel32/kernel32_state.h"

#include <map>
#include <utility>

namespace {

constexpr WORD kDialogInitType = 240;

std::string AsUtf8(const std::string& text) {
    return text;
}

// The bytes of every resource handed out so far; they stay put for the life of the program,
// as a loaded module's resources do.
const std::string* DialogInitBytes(unsigned dialogId, bool japanese) {
    static std::map<std::pair<unsigned, bool>, std::string> loaded;
    const auto key = std::make_pair(dialogId, japanese);
    const auto found = loaded.find(key);
    if (found != loaded.end()) {
        return &found->second;
    }
    const DialogInitResource* resource = FindDialogInitResource(dialogId);
    if (resource == nullptr) {
        return nullptr;
    }
    return &loaded.emplace(key, DialogInitData(*resource, japanese, AsUtf8)).first->second;
}

const std::string* Bytes(HRSRC resource) {
    return reinterpret_cast<const std::string*>(resource);
}

} // namespace

HRSRC FindResourceA(HMODULE, LPCSTR name, LPCSTR type) {
    if (!IS_INTRESOURCE(name) || !IS_INTRESOURCE(type) ||
        LOWORD(reinterpret_cast<ULONG_PTR>(type)) != kDialogInitType) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    const bool japanese = sim::Kernel32().language == sim::Language::Japanese;
    const std::string* bytes = DialogInitBytes(LOWORD(reinterpret_cast<ULONG_PTR>(name)), japanese);
    if (bytes == nullptr) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HRSRC>(const_cast<std::string*>(bytes));
}

HGLOBAL LoadResource(HMODULE, HRSRC resource) {
    return resource;
}

LPVOID LockResource(HGLOBAL loaded) {
    return loaded == nullptr ? nullptr
                             : const_cast<char*>(Bytes(static_cast<HRSRC>(loaded))->data());
}

DWORD SizeofResource(HMODULE, HRSRC resource) {
    return resource == nullptr ? 0 : static_cast<DWORD>(Bytes(resource)->size());
}
