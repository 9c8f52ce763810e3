#include "platform/sim/converter/converter.h"

#include "platform/converter_interface.h"

#include <algorithm>

namespace sim {

namespace {

bool Matches(const RequestMatch& match, const BYTE* block) {
    const WORD value = static_cast<WORD>(block[2] | (block[3] << 8));
    const WORD index = static_cast<WORD>(block[4] | (block[5] << 8));
    return block[1] == match.request && (!match.value || *match.value == value) &&
           (!match.index || *match.index == index);
}

DWORD SystemErrorFor(ChipResult result) {
    switch (result) {
    case CHIP_OK:
        return 0;
    case CHIP_BAD_LENGTH:
        return ERROR_INVALID_PARAMETER;
    case CHIP_BAD_REQUEST:
        break;
    }
    return ERROR_INVALID_FUNCTION;
}

} // namespace

Converter::Converter(std::string interfacePath, const ChipConfig& config, DWORD now)
    : m_interfacePath(std::move(interfacePath)) {
    chip_init(&m_chip, &config, now);
}

void Converter::FailNthTransfer(unsigned n, Fault fault) {
    m_nthFaults.emplace_back(m_transfersSeen + n, fault);
}

void Converter::FailMatching(const RequestMatch& match, Fault fault) {
    m_standingFaults.emplace_back(match, fault);
}

void Converter::ClearFaults() {
    m_nthFaults.clear();
    m_standingFaults.clear();
}

void Converter::SetObserver(void (*observer)(const Transfer&, void*), void* context) {
    m_observer = observer;
    m_observerContext = context;
}

void Converter::Attach(DWORD now) {
    if (m_attached) {
        return;
    }
    m_attached = true;
    ++m_generation; // handles opened before the unplug stay dead
    m_openHandles = 0;
    chip_power_up(&m_chip, now);
}

void Converter::Detach() {
    m_attached = false;
}

void Converter::LosePower(DWORD now) {
    chip_power_up(&m_chip, now);
}

DWORD Converter::Open(DWORD flags, DWORD shareMode) {
    m_lastOpenFlags = flags;
    m_lastOpenShareMode = shareMode;
    if (!m_attached) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (m_openError != 0) {
        return m_openError;
    }
    // The driver admits one handle at a time, whoever asks.
    if (m_heldElsewhere || m_openHandles > 0) {
        return ERROR_ACCESS_DENIED;
    }
    ++m_openHandles;
    return 0;
}

void Converter::CloseOne() {
    m_openHandles = std::max(0, m_openHandles - 1);
}

std::optional<Fault> Converter::TakeFault(const BYTE* block) {
    ++m_transfersSeen;
    auto nth = std::find_if(m_nthFaults.begin(), m_nthFaults.end(),
                            [this](const auto& entry) { return entry.first == m_transfersSeen; });
    if (nth != m_nthFaults.end()) {
        const Fault fault = nth->second;
        m_nthFaults.erase(nth);
        return fault;
    }
    if (block != nullptr) {
        for (const auto& [match, fault] : m_standingFaults) {
            if (Matches(match, block)) {
                return fault;
            }
        }
    }
    return std::nullopt;
}

DWORD Converter::Log(Transfer transfer) {
    if (m_observer != nullptr) {
        m_observer(transfer, m_observerContext);
    }
    const DWORD result = transfer.succeeded ? 0 : transfer.error;
    if (m_keepTraffic) {
        m_traffic.push_back(std::move(transfer));
    }
    return result;
}

DWORD Converter::Control(DWORD code, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize,
                         DWORD* returned, DWORD now) {
    *returned = 0;
    Transfer transfer;
    transfer.ioControlCode = code;
    transfer.time = now;

    if (code == IOCTL_CONVERTER_GET_DESCRIPTOR) {
        const std::optional<Fault> fault = TakeFault(nullptr);
        if (fault && fault->error != 0) {
            transfer.error = fault->error;
            return Log(transfer);
        }
        DWORD count = chip_get_descriptor(&m_chip, out, outSize);
        if (fault) {
            count = std::min(count, fault->shortCount);
        }
        transfer.data.assign(out, out + count);
        transfer.succeeded = true;
        transfer.returned = *returned = count;
        return Log(transfer);
    }
    if (code != IOCTL_CONVERTER_VENDOR_REQUEST) {
        return ERROR_INVALID_FUNCTION;
    }
    if (in == nullptr || inSize != VENDOR_REQUEST_SIZE || (out == nullptr && outSize != 0)) {
        return ERROR_INVALID_PARAMETER;
    }

    std::copy(in, in + VENDOR_REQUEST_SIZE, transfer.block.begin());
    const bool hostToDevice = in[0] == VENDOR_REQUEST_TYPE_WRITE;
    if (hostToDevice) {
        transfer.data.assign(out, out + outSize);
    }
    const std::optional<Fault> fault = TakeFault(in);
    if (fault && fault->error != 0) {
        chip_note_bus_error(&m_chip);
        transfer.error = fault->error;
        return Log(transfer);
    }
    DWORD count = 0;
    const DWORD error = SystemErrorFor(chip_vendor_request(&m_chip, in, out, outSize, &count, now));
    if (fault) {
        // The request was carried out, but fewer bytes made it across.
        chip_note_bus_error(&m_chip);
        count = std::min(count, fault->shortCount);
    }
    if (!hostToDevice && error == 0) {
        transfer.data.assign(out, out + count);
    }
    transfer.succeeded = error == 0;
    transfer.error = error;
    transfer.returned = *returned = count;
    return Log(transfer);
}

// The scaler at 0x6C, 0x6E, 0x68, 0x6A; the TV position at 0x7C, 0x7E and size at 0x74, 0x76;
// PAL is bit 0x0800 of 0x64; the chip's own measurements are indirect values 18, 25 and 27.
TvGeometry Converter::Picture(int screenWidth, int screenHeight, DWORD now) const {
    const auto reg = [&](BYTE address) { return Register(address, now); };
    const TvRegisters registers{reg(0x6C), reg(0x6E), reg(0x68),
                                reg(0x6A), reg(0x7C), reg(0x7E),
                                reg(0x74), reg(0x76), (reg(0x64) & 0x0800) != 0};
    return ComputeTvGeometry(registers, TvInput{screenWidth, screenHeight, m_chip.indirect[18],
                                                m_chip.indirect[25], m_chip.indirect[27]});
}

bool Converter::OutputReady(DWORD now) const {
    return (Register(CHIP_REG_STATUS, now) & CHIP_STATUS_OUTPUT_READY) != 0 &&
           !OutputSuspended(now);
}

bool Converter::OutputSuspended(DWORD now) const {
    return (Register(CHIP_REG_OUTPUT, now) & 0x18) != 0;
}

TvPictureSettings Converter::PictureSettings(DWORD now) const {
    const auto reg = [&](BYTE address) { return Register(address, now); };
    const WORD control = reg(CHIP_REG_CONTROL);
    const WORD output = reg(CHIP_REG_OUTPUT);
    TvPictureSettings settings;
    settings.outputReady = OutputReady(now);
    // The chip reads its controls from the low bits of their registers: six for contrast and
    // saturation, five for sharpness, eight (signed) for brightness.
    settings.contrast = reg(0x26) & 0x3F;
    settings.brightness = static_cast<std::int8_t>(reg(0x28) & 0xFF);
    settings.sharpness = reg(0x2A) & 0x1F;
    settings.saturation = reg(0x2E) & 0x3F;
    settings.flickerLevel = control >> 12;
    settings.luminanceFilter = (output & 0x20) != 0;
    settings.chromaFilter = (output & 0x40) != 0;
    settings.pedestal = (output & 0x80) != 0;
    settings.testPattern = (control & 0x04) != 0;
    settings.patternType = (reg(0x66) >> 8) & 0x07;
    settings.externalInputs = m_chip.aux[CHIP_AUX_INPUT_SELECT][2];
    return settings;
}

const Image& Converter::Render(const Image& screen, DWORD now) {
    return m_tv.Render(Picture(screen.width, screen.height, now), PictureSettings(now), screen);
}

} // namespace sim
