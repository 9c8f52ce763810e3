// FindResourceA and friends, for the resources a program reads as raw bytes: a dialog's
// template (its header: style, place and size, with no controls) and its initialisation data
// (type 240), in the machine's language. The simulated code page is
// UTF-8, so the texts stay as the tables hold them.
#include "platform/resource_tables.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/kernel32/kernel32_state.h"

#include <cstdint>
#include <map>
#include <utility>

namespace {

constexpr WORD kDialogInitType = 240;
constexpr WORD kDialogType = 5; // RT_DIALOG

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

void Append(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// A DLGTEMPLATE: style, extended style, control count, x, y, cx, cy, then no menu, the
// default class and no title.
const std::string* DialogTemplateBytes(unsigned dialogId, bool japanese) {
    static std::map<std::pair<unsigned, bool>, std::string> loaded;
    const auto key = std::make_pair(dialogId, japanese);
    if (const auto found = loaded.find(key); found != loaded.end()) {
        return &found->second;
    }
    const DialogResource* resource = FindDialogResource(dialogId);
    if (resource == nullptr) {
        return nullptr;
    }
    const ControlPlacement size = japanese && resource->japaneseSize != nullptr
                                      ? *resource->japaneseSize
                                      : ControlPlacement{0, 0, resource->cx, resource->cy};
    std::string bytes;
    Append(bytes, static_cast<std::uint32_t>(resource->style), 4);
    Append(bytes, 0, 4);
    Append(bytes, static_cast<std::uint32_t>(resource->controlCount), 2);
    for (const int value : {resource->x, resource->y, size.cx, size.cy}) {
        Append(bytes, static_cast<std::uint32_t>(value), 2);
    }
    bytes.append(6, '\0');
    return &loaded.emplace(key, bytes).first->second;
}

const std::string* Bytes(HRSRC resource) {
    return reinterpret_cast<const std::string*>(resource);
}

} // namespace

HRSRC FindResourceA(HMODULE, LPCSTR name, LPCSTR type) {
    const WORD kind = LOWORD(reinterpret_cast<ULONG_PTR>(type));
    if (!IS_INTRESOURCE(name) || !IS_INTRESOURCE(type) ||
        (kind != kDialogInitType && kind != kDialogType)) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    const bool japanese = sim::Kernel32().language == sim::Language::Japanese;
    const unsigned id = LOWORD(reinterpret_cast<ULONG_PTR>(name));
    const std::string* bytes =
        kind == kDialogType ? DialogTemplateBytes(id, japanese) : DialogInitBytes(id, japanese);
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
