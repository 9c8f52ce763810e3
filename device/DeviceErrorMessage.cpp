#include "DeviceErrorMessage.h"

#include "../framework/ResourceString.h"
#include "../res/resource.h"
#include "DeviceException.h"

#include <cstdio>

namespace {

// "%1 (%2)": the code in signed decimal and as eight lower-case hexadecimal digits.
std::string FormatWithCode(UINT id, DWORD code) {
    char decimal[16];
    char hex[16];
    std::snprintf(decimal, sizeof decimal, "%d", static_cast<int>(code));
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(code));
    std::string message;
    AfxFormatString2(message, id, decimal, hex);
    return message;
}

std::string OwnCodeMessage(DWORD code) {
    if (code == DEVICE_ERROR_NO_DEVICE) {
        return LoadResourceString(IDS_NO_DEVICE);
    }
    if (code == DEVICE_ERROR_BUSY) {
        return LoadResourceString(IDS_DEVICE_BUSY);
    }
    return FormatWithCode(IDS_UNKNOWN_DEVICE_ERROR, code);
}

std::string SystemCodeMessage(DWORD code) {
    LPSTR text = nullptr;
    if (FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code,
                       MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPSTR>(&text), 0,
                       nullptr) == 0) {
        return FormatWithCode(IDS_SYSTEM_ERROR, code);
    }
    std::string message(text);
    LocalFree(text);
    return message;
}

} // namespace

std::string DeviceErrorMessage(DWORD dwError) {
    return (dwError & DEVICE_ERROR_CUSTOMER_BIT) ? OwnCodeMessage(dwError)
                                                 : SystemCodeMessage(dwError);
}
