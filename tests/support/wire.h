// Test helpers that read a simulated converter's traffic as text.
#pragma once

#include "platform/sim/control/world.h"

#include <string>
#include <vector>

namespace testing_support {

// Every transfer the converter saw, formatted as corvane-sim prints it.
std::vector<std::string> Wire(const sim::Converter& converter);

// The register write as it travels: "40 10 94 00 00 00 | RR LL HH".
std::string RegisterWrite(BYTE reg, WORD value);
// The register read of reg with the value that came back.
std::string RegisterRead(BYTE reg, WORD value);

} // namespace testing_support
