#include "DialogInit.h"

#include <cstring>

namespace {

constexpr WORD kComboAddString = 0x0403; // CB_ADDSTRING, as 16-bit Windows numbered it
constexpr DWORD kRecordHeader = 8;       // control id, message, text length
constexpr UINT kDialogInitType = 240;

WORD Word(const BYTE* p) {
    return static_cast<WORD>(p[0] | (p[1] << 8));
}

DWORD DoubleWord(const BYTE* p) {
    return static_cast<DWORD>(Word(p)) | (static_cast<DWORD>(Word(p + 2)) << 16);
}

} // namespace

BOOL ExecuteDlgInit(HWND hDialog, const BYTE* pData, DWORD nSize) {
    DWORD offset = 0;
    while (offset + 2 <= nSize) {
        const WORD control = Word(pData + offset);
        if (control == 0) {
            return TRUE;
        }
        if (nSize - offset < kRecordHeader) {
            return FALSE;
        }
        const WORD message = Word(pData + offset + 2);
        const DWORD length = DoubleWord(pData + offset + 4);
        offset += kRecordHeader;
        if (length > nSize - offset) {
            return FALSE;
        }
        const auto* text = reinterpret_cast<const char*>(pData + offset);
        const bool terminated = length > 0 && std::memchr(text, '\0', length) != nullptr;
        if (!terminated) {
            return FALSE;
        }
        // The program's dialogs hold combo boxes only; other records are passed over.
        if (message == kComboAddString) {
            SendMessageA(GetDlgItem(hDialog, control), CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(text));
        }
        offset += length;
    }
    return nSize == 0 ? TRUE : FALSE;
}

void ExecuteDlgInit(HWND hDialog, UINT nIDTemplate) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC resource =
        FindResourceA(module, MAKEINTRESOURCE(nIDTemplate), MAKEINTRESOURCE(kDialogInitType));
    if (resource == nullptr) {
        return;
    }
    const HGLOBAL loaded = LoadResource(module, resource);
    const auto* data = static_cast<const BYTE*>(LockResource(loaded));
    if (data != nullptr) {
        ExecuteDlgInit(hDialog, data, SizeofResource(module, resource));
    }
}
