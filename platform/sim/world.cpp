#include "platform/sim/world.h"

#include "platform/sim/user32/controls/controls.h"
#include "platform/sim/user32/desktop_painter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <strings.h>

namespace sim {

namespace {

World* g_current = nullptr;

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

World::World() {
    if (g_current != nullptr) {
        std::fputs("sim::World: only one simulated machine may exist at a time\n", stderr);
        std::abort();
    }
    g_current = this;
    RegisterControlClasses(windows);
}

World::~World() {
    for (void* memory : m_localAllocations) {
        std::free(memory);
    }
    g_current = nullptr;
}

World& World::Current() {
    if (g_current == nullptr) {
        std::fputs("sim::World: a Win32 call was made with no simulated machine\n", stderr);
        std::abort();
    }
    return *g_current;
}

bool World::OpenNamedObject(const std::string& name, HANDLE handle) {
    bool existed = false;
    for (const auto& [open, openName] : m_namedObjectHandles) {
        existed = existed || openName == name;
    }
    m_namedObjectHandles[handle] = name;
    return existed;
}

bool World::CloseNamedObject(HANDLE handle) {
    return m_namedObjectHandles.erase(handle) == 1;
}

void World::Advance(DWORD milliseconds) {
    m_now += milliseconds;
}

void World::SetScreenSize(int width, int height) {
    m_screenWidth = width;
    m_screenHeight = height;
    screen.Resize(width, height);
}

const Screen& World::RepaintedScreen() {
    PaintDesktop(windows, screen.Windows());
    return screen;
}

Converter& World::Plug(const ChipConfig& config) {
    m_converters.push_back(
        std::make_unique<Converter>(InterfacePathFor(m_nextInstance++), config, m_now));
    m_converters.back()->KeepTraffic(m_keepTraffic);
    // An observer hears of it before the program does, so that it sees the whole open.
    if (m_observer != nullptr) {
        m_observer->ConverterPlugged(*m_converters.back());
    }
    BroadcastDeviceChange(*m_converters.back(), DBT_DEVICEARRIVAL);
    return *m_converters.back();
}

void World::Plug(Converter& converter) {
    if (!converter.IsAttached()) {
        converter.Attach(m_now);
        BroadcastDeviceChange(converter, DBT_DEVICEARRIVAL);
    }
}

void World::Unplug(Converter& converter) {
    if (converter.IsAttached()) {
        converter.Detach();
        BroadcastDeviceChange(converter, DBT_DEVICEREMOVECOMPLETE);
    }
}

void World::ForgetUnpluggedConverters() {
    std::set<const Converter*> referenced;
    for (const auto& [handle, file] : files) {
        referenced.insert(file.converter);
    }
    m_converters.erase(std::remove_if(m_converters.begin(), m_converters.end(),
                                      [&](const std::unique_ptr<Converter>& converter) {
                                          return !converter->IsAttached() &&
                                                 referenced.count(converter.get()) == 0;
                                      }),
                       m_converters.end());
}

void World::KeepTraffic(bool keep) {
    m_keepTraffic = keep;
    for (const auto& converter : m_converters) {
        converter->KeepTraffic(keep);
    }
}

void World::LosePower() {
    for (Converter* converter : AttachedConverters()) {
        converter->LosePower(m_now);
    }
}

std::vector<Converter*> World::AttachedConverters() const {
    std::vector<Converter*> attached;
    for (const auto& converter : m_converters) {
        if (converter->IsAttached()) {
            attached.push_back(converter.get());
        }
    }
    return attached;
}

HANDLE World::NewHandle() {
    m_nextHandle += 4;
    return reinterpret_cast<HANDLE>(m_nextHandle);
}

DWORD World::DetailError(DWORD memberIndex) const {
    const auto found = m_detailErrors.find(memberIndex);
    return found == m_detailErrors.end() ? 0 : found->second;
}

const DWORD* World::DetailSizeOverride(DWORD memberIndex) const {
    const auto found = m_detailSizes.find(memberIndex);
    return found == m_detailSizes.end() ? nullptr : &found->second;
}

Converter* World::FindAttachedConverter(const std::string& path) const {
    for (Converter* converter : AttachedConverters()) {
        // Device paths, like all Windows object names here, ignore case.
        if (strcasecmp(converter->InterfacePath().c_str(), path.c_str()) == 0) {
            return converter;
        }
    }
    return nullptr;
}

void* World::AllocateLocal(std::size_t size) {
    void* memory = std::calloc(1, size == 0 ? 1 : size);
    if (memory != nullptr) {
        m_localAllocations.insert(memory);
    }
    return memory;
}

bool World::FreeLocal(void* memory) {
    if (m_localAllocations.erase(memory) == 0) {
        return false;
    }
    std::free(memory);
    return true;
}

} // namespace sim
