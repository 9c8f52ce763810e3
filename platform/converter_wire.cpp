#include "platform/converter_wire.h"

#include "platform/converter_interface.h"

#include <cstdio>

namespace {

std::string HexBytes(const std::uint8_t* bytes, std::size_t count) {
    if (count == 0) {
        return "-";
    }
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", bytes[i]);
        if (i > 0) {
            text += ' ';
        }
        text += hex;
    }
    return text;
}

} // namespace

std::string FormatWireLine(bool descriptor, const std::uint8_t* block, const std::uint8_t* data,
                           std::size_t count, bool succeeded, unsigned long error) {
    std::string text =
        descriptor ? std::string("descriptor") : HexBytes(block, VENDOR_REQUEST_SIZE);
    text += " | " + HexBytes(data, count);
    if (!succeeded) {
        text += " ! error " + std::to_string(error);
    }
    return text;
}
