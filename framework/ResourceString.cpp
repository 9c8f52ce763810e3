#include "ResourceString.h"

#include <vector>

std::string LoadResourceString(UINT id) {
    // LoadStringA cuts silently at the buffer's end, so grow until the text fits with room.
    for (int size = 256; size <= 65536; size *= 4) {
        std::vector<char> buffer(static_cast<std::size_t>(size));
        const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer.data(), size);
        if (length < size - 1) {
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        }
    }
    return std::string();
}

void AfxFormatString2(std::string& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2) {
    const std::string format = LoadResourceString(nIDS);
    rString.clear();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() &&
            (format[i + 1] == '1' || format[i + 1] == '2')) {
            const LPCSTR insert = format[i + 1] == '1' ? lpsz1 : lpsz2;
            rString += insert != nullptr ? insert : "";
            ++i;
        } else {
            rString += format[i];
        }
    }
}
