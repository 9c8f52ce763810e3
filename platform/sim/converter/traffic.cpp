#include "platform/sim/converter/traffic.h"

#include "platform/converter_interface.h"

#include <cstdio>

namespace sim {

namespace {

std::string HexBytes(const BYTE* bytes, std::size_t count) {
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

std::string FormatTransfer(const Transfer& transfer) {
    std::string text = transfer.ioControlCode == IOCTL_CONVERTER_GET_DESCRIPTOR
                           ? std::string("descriptor")
                           : HexBytes(transfer.block.data(), transfer.block.size());
    text += " | " + HexBytes(transfer.data.data(), transfer.data.size());
    if (!transfer.succeeded) {
        text += " ! error " + std::to_string(transfer.error);
    }
    return text;
}

} // namespace sim
