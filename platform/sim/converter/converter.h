// A simulated converter on the USB bus: the chip model behind the driver's two control
// codes, exclusive opening, power, a traffic log and fault injection.
#pragma once

#include "platform/sim/converter/chip/converter_chip.h"
#include "platform/sim/converter/traffic.h"
#include "platform/sim/converter/tv/tv_geometry.h"
#include "platform/sim/converter/tv/tv_picture.h"

#include <optional>
#include <string>
#include <vector>

namespace sim {

// How an injected fault shows: a system error, or success with fewer bytes than asked.
struct Fault {
    DWORD error = 0;
    DWORD shortCount = 0;
    static Fault Error(DWORD code) { return {code, 0}; }
    static Fault Short(DWORD count) { return {0, count}; }
};

// Which vendor requests a standing fault hits; an unset field matches anything.
struct RequestMatch {
    BYTE request = 0;
    std::optional<WORD> value;
    std::optional<WORD> index;
    // Every request with that code, whatever its address.
    static RequestMatch Any(BYTE request) { return {request, std::nullopt, std::nullopt}; }
};

class Converter {
  public:
    Converter(std::string interfacePath, const ChipConfig& config, DWORD now);

    const std::string& InterfacePath() const { return m_interfacePath; }
    bool IsAttached() const { return m_attached; }
    unsigned Generation() const { return m_generation; }

    // Another program takes or gives back its exclusive handle.
    void HoldElsewhere(bool held) { m_heldElsewhere = held; }
    // Every open fails with this error until cleared with 0.
    void FailOpens(DWORD error) { m_openError = error; }

    // Fails the nth transfer from now (1 = the next one).
    void FailNthTransfer(unsigned n, Fault fault);
    void FailMatching(const RequestMatch& match, Fault fault);
    void ClearFaults();

    ConverterChip& Chip() { return m_chip; }
    WORD Register(BYTE reg, DWORD now) const { return chip_peek_register(&m_chip, reg, now); }
    // What the converter shows of a screen of that size, from its registers now.
    TvGeometry Picture(int screenWidth, int screenHeight, DWORD now) const;
    // Whether the TV gets a picture: powered up long enough, and not held for a suspend.
    bool OutputReady(DWORD now) const;
    // Held for a suspend (the program's output-off bits), whether or not powered up.
    bool OutputSuspended(DWORD now) const;
    // The picture controls, the pattern generator and the inputs, from the registers now.
    TvPictureSettings PictureSettings(DWORD now) const;
    // The TV's raster as the converter makes it now from the screen it is fed; valid until
    // the next frame.
    const Image& Render(const Image& screen, DWORD now);
    const std::vector<Transfer>& Traffic() const { return m_traffic; }
    void ClearTraffic() { m_traffic.clear(); }
    // Tests read the log; an observer sees each transfer as it happens and needs none kept.
    void KeepTraffic(bool keep) {
        m_keepTraffic = keep;
        if (!keep) {
            ClearTraffic();
        }
    }
    DWORD LastOpenFlags() const { return m_lastOpenFlags; }
    DWORD LastOpenShareMode() const { return m_lastOpenShareMode; }

    // Used by the simulated Windows.
    void Attach(DWORD now);
    void Detach();
    void LosePower(DWORD now);
    DWORD Open(DWORD flags, DWORD shareMode); // 0 or the system error
    void CloseOne();
    // One DeviceIoControl call: 0, or the system error it fails with.
    DWORD Control(DWORD code, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize,
                  DWORD* returned, DWORD now);
    // Watches every transfer as it happens (corvane-sim's wire trace).
    void SetObserver(void (*observer)(const Transfer&, void*), void* context);

  private:
    std::optional<Fault> TakeFault(const BYTE* block);
    DWORD Log(Transfer transfer);

    std::string m_interfacePath;
    ConverterChip m_chip{};
    bool m_attached = true;
    unsigned m_generation = 1;
    bool m_heldElsewhere = false;
    int m_openHandles = 0;
    DWORD m_openError = 0;
    DWORD m_lastOpenFlags = 0;
    DWORD m_lastOpenShareMode = 0;
    unsigned m_transfersSeen = 0;
    std::vector<std::pair<unsigned, Fault>> m_nthFaults;
    std::vector<std::pair<RequestMatch, Fault>> m_standingFaults;
    std::vector<Transfer> m_traffic;
    bool m_keepTraffic = true;
    void (*m_observer)(const Transfer&, void*) = nullptr;
    void* m_observerContext = nullptr;
    TvRenderer m_tv;
};

} // namespace sim
