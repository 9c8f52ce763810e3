// One transfer to the converter as a line of the wire trace: "40 10 94 00 00 00 | 26 20 00"
// (the request, then the bytes sent or come back), "descriptor | 12 01 ...", "-" for no
// bytes, and " ! error N" after a failure. corvane-sim prints its simulated converter's
// transfers this way and convctl.exe the test driver's, so that the two compare with diff.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

std::string FormatWireLine(bool descriptor, const std::uint8_t* block, const std::uint8_t* data,
                           std::size_t count, bool succeeded, unsigned long error);
