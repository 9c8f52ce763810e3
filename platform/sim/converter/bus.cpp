#include "platform/sim/converter/bus.h"

#include <algorithm>
#include <cstdio>
#include <strings.h>

namespace sim {

namespace {

std::string InterfacePathFor(std::size_t instance) {
    char path[96];
    std::snprintf(path, sizeof path,
                  "\\\\?\\root#converter#%04zu#{4dbc3784-22f0-4e58-885c-cbf687503e4b}", instance);
    return path;
}

} // namespace

ChipConfig MainModelConfig() {
    ChipConfig config;
    chip_default_config(&config);
    return config;
}

Converter& ConverterBus::Add(const ChipConfig& config, DWORD now) {
    m_converters.push_back(
        std::make_unique<Converter>(InterfacePathFor(m_nextInstance++), config, now));
    m_converters.back()->KeepTraffic(m_keepTraffic);
    return *m_converters.back();
}

std::vector<Converter*> ConverterBus::Attached() const {
    std::vector<Converter*> attached;
    for (const auto& converter : m_converters) {
        if (converter->IsAttached()) {
            attached.push_back(converter.get());
        }
    }
    return attached;
}

Converter* ConverterBus::FindAttached(const std::string& path) const {
    for (Converter* converter : Attached()) {
        // Device paths, like all Windows object names here, ignore case.
        if (strcasecmp(converter->InterfacePath().c_str(), path.c_str()) == 0) {
            return converter;
        }
    }
    return nullptr;
}

void ConverterBus::ForgetUnplugged(const std::vector<const Converter*>& stillReferenced) {
    m_converters.erase(std::remove_if(m_converters.begin(), m_converters.end(),
                                      [&](const std::unique_ptr<Converter>& converter) {
                                          return !converter->IsAttached() &&
                                                 std::find(
                                                     stillReferenced.begin(), stillReferenced.end(),
                                                     converter.get()) == stillReferenced.end();
                                      }),
                       m_converters.end());
}

void ConverterBus::KeepTraffic(bool keep) {
    m_keepTraffic = keep;
    for (const auto& converter : m_converters) {
        converter->KeepTraffic(keep);
    }
}

} // namespace sim
