#include "wire.h"

#include <cstdio>

namespace testing_support {

std::vector<std::string> Wire(const sim::Converter& converter) {
    std::vector<std::string> lines;
    for (const sim::Transfer& transfer : converter.Traffic()) {
        lines.push_back(sim::FormatTransfer(transfer));
    }
    return lines;
}

std::string RegisterWrite(BYTE reg, WORD value) {
    char text[64];
    std::snprintf(text, sizeof text, "40 10 94 00 00 00 | %02X %02X %02X", reg, value & 0xFF,
                  value >> 8);
    return text;
}

std::string RegisterRead(BYTE reg, WORD value) {
    char text[64];
    std::snprintf(text, sizeof text, "C0 11 95 00 %02X 01 | %02X %02X", reg, value & 0xFF,
                  value >> 8);
    return text;
}

} // namespace testing_support
