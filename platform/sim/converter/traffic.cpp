#include "platform/sim/converter/traffic.h"

#include "platform/converter_interface.h"
#include "platform/converter_wire.h"

namespace sim {

std::string FormatTransfer(const Transfer& transfer) {
    return FormatWireLine(transfer.ioControlCode == IOCTL_CONVERTER_GET_DESCRIPTOR,
                          transfer.block.data(), transfer.data.data(), transfer.data.size(),
                          transfer.succeeded, transfer.error);
}

} // namespace sim
