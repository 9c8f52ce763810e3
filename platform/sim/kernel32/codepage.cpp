// Strings in the ANSI code page: the simulated system's is UTF-8.
#include "platform/sim/advapi32/registry.h"
#include "platform/sim/include/win32_api.h"

#include <cstring>
#include <string>

int _mbsicmp(const unsigned char* a, const unsigned char* b) {
    return sim::LowerCase(reinterpret_cast<const char*>(a))
        .compare(sim::LowerCase(reinterpret_cast<const char*>(b)));
}

LPSTR CharNextA(LPCSTR text) {
    if (*text == '\0') {
        return const_cast<LPSTR>(text);
    }
    const auto lead = static_cast<unsigned char>(*text);
    int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    for (int i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            length = i; // a broken sequence ends where its continuation does
            break;
        }
    }
    return const_cast<LPSTR>(text + length);
}

namespace {

// Both conversions answer the same way: the length asked for with a count of 0, else the
// text copied when it fits.
template <class Text, class Char> int Deliver(const Text& out, Char* buffer, int bufferCount) {
    if (bufferCount == 0) {
        return static_cast<int>(out.size());
    }
    if (buffer == nullptr || static_cast<int>(out.size()) > bufferCount) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    out.copy(buffer, out.size());
    return static_cast<int>(out.size());
}

} // namespace

// The ANSI code page is UTF-8: one UTF-16 unit for each character of the basic plane.
int MultiByteToWideChar(UINT, DWORD, LPCSTR multi, int multiCount, WCHAR* wide, int wideCount) {
    if (multi == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::size_t length =
        multiCount < 0 ? std::strlen(multi) + 1 : static_cast<std::size_t>(multiCount);
    std::u16string out;
    for (std::size_t i = 0; i < length;) {
        const auto lead = static_cast<unsigned char>(multi[i]);
        const int size = lead < 0x80 ? 1 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (size == 0 || i + static_cast<std::size_t>(size) > length) {
            SetLastError(ERROR_NO_UNICODE_TRANSLATION);
            return 0;
        }
        char32_t c = size == 1 ? lead : size == 2 ? (lead & 0x1F) : (lead & 0x0F);
        for (int k = 1; k < size; ++k) {
            c = (c << 6) |
                (static_cast<unsigned char>(multi[i + static_cast<std::size_t>(k)]) & 0x3F);
        }
        out += static_cast<char16_t>(c);
        i += static_cast<std::size_t>(size);
    }
    return Deliver(out, wide, wideCount);
}

int WideCharToMultiByte(UINT, DWORD, LPCWSTR wide, int wideCount, LPSTR multi, int multiCount,
                        LPCSTR, BOOL* usedDefault) {
    if (wide == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string out;
    for (int i = 0; wideCount < 0 ? true : i < wideCount; ++i) {
        const char32_t c = wide[i];
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        if (wideCount < 0 && c == 0) {
            break;
        }
    }
    if (usedDefault != nullptr) {
        *usedDefault = FALSE;
    }
    return Deliver(out, multi, multiCount);
}
