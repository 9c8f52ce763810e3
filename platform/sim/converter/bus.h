// The USB bus: every converter ever plugged into this machine, attached or not, in the order
// they came. The device services find the attached ones here; the control side plugs them.
#pragma once

#include "platform/sim/converter/converter.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace sim {

ChipConfig MainModelConfig();

class ConverterBus {
  public:
    // A new converter, attached now, with the next instance's interface path.
    Converter& Add(const ChipConfig& config, DWORD now);
    std::vector<Converter*> Attached() const;
    // The attached converter with that interface path (without regard to case), or nullptr.
    Converter* FindAttached(const std::string& path) const;
    std::size_t Count() const { return m_converters.size(); }
    // Frees the unplugged converters that none of these is, so that a long session of
    // plugging and unplugging stays small.
    void ForgetUnplugged(const std::vector<const Converter*>& stillReferenced);
    // Whether converters keep their traffic log (tests read it; corvane-sim prints as it goes).
    void KeepTraffic(bool keep);

  private:
    std::vector<std::unique_ptr<Converter>> m_converters;
    std::size_t m_nextInstance = 0;
    bool m_keepTraffic = true;
};

ConverterBus& Bus();

} // namespace sim
