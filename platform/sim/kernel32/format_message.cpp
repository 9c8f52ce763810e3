// FormatMessageA for system error codes: the system's own texts, with their line end, in the
// user's language.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/kernel32/kernel32_state.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

struct SystemMessage {
    DWORD code;
    const char* english;
    const char* japanese;
};

const SystemMessage kSystemMessages[] = {
    {0, "The operation completed successfully.\r\n", "この操作を正しく終了しました。\r\n"},
    {1, "Incorrect function.\r\n", "ファンクションが間違っています。\r\n"},
    {2, "The system cannot find the file specified.\r\n",
     "指定されたファイルが見つかりません。\r\n"},
    {5, "Access is denied.\r\n", "アクセスが拒否されました。\r\n"},
    {6, "The handle is invalid.\r\n", "ハンドルが無効です。\r\n"},
    {8, "Not enough memory resources are available to process this command.\r\n",
     "このコマンドを実行するのに十分な記憶域がありません。\r\n"},
    {31, "A device attached to the system is not functioning.\r\n",
     "システムに接続されたデバイスが機能していません。\r\n"},
    {32, "The process cannot access the file because it is being used by another process.\r\n",
     "プロセスはファイルにアクセスできません。別のプロセスが使用中です。\r\n"},
    {87, "The parameter is incorrect.\r\n", "パラメーターが間違っています。\r\n"},
    {122, "The data area passed to a system call is too small.\r\n",
     "システム コールに渡されるデータ領域が小さすぎます。\r\n"},
    {259, "No more data is available.\r\n", "データはこれ以上ありません。\r\n"},
    {1167, "The device is not connected.\r\n", "デバイスが接続されていません。\r\n"},
    {1460, "This operation returned because the timeout period expired.\r\n",
     "タイムアウト期間が経過したため、この操作は終了しました。\r\n"},
    {1784, "The supplied user buffer is not valid for the requested operation.\r\n",
     "指定されたユーザー バッファーは、要求された操作に対して有効ではありません。\r\n"},
};

const char* SystemText(DWORD code, DWORD languageId) {
    const auto* found = std::find_if(std::begin(kSystemMessages), std::end(kSystemMessages),
                                     [code](const SystemMessage& m) { return m.code == code; });
    if (found == std::end(kSystemMessages)) {
        return nullptr;
    }
    bool japanese = sim::Kernel32().language == sim::Language::Japanese;
    if (languageId == 0x0409) {
        japanese = false;
    } else if (languageId == 0x0411) {
        japanese = true;
    }
    return japanese ? found->japanese : found->english;
}

bool KnownLanguage(DWORD languageId) {
    return languageId == 0 || languageId == MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT) ||
           languageId == 0x0409 || languageId == 0x0411;
}

} // namespace

DWORD FormatMessageA(DWORD flags, LPCVOID, DWORD messageId, DWORD languageId, LPSTR buffer,
                     DWORD size, va_list_ptr) {
    if ((flags & FORMAT_MESSAGE_FROM_SYSTEM) == 0 || buffer == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (!KnownLanguage(languageId)) {
        SetLastError(15100); // ERROR_MUI_FILE_NOT_FOUND
        return 0;
    }
    const char* text = SystemText(messageId, languageId);
    if (text == nullptr) {
        SetLastError(ERROR_MR_MID_NOT_FOUND);
        return 0;
    }
    const DWORD length = static_cast<DWORD>(std::strlen(text));
    char* target = buffer;
    if (flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) {
        // The buffer argument is really the address of the caller's pointer.
        target = static_cast<char*>(
            sim::Kernel32().AllocateLocal(std::max<std::size_t>(size, length + 1)));
        if (target == nullptr) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return 0;
        }
        *reinterpret_cast<char**>(buffer) = target;
    } else if (size < length + 1) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(target, text, length + 1);
    return length;
}
