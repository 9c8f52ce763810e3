#include "platform/sim/control/world.h"

#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/machine.h"
#include "platform/sim/user32/controls/controls.h"
#include "platform/sim/user32/desktop_painter.h"

#include <cstdio>
#include <cstdlib>

namespace sim {

namespace {

World* g_current = nullptr;

} // namespace

World::World() : m_machine(std::make_unique<Machine>()) {
    g_current = this;
    RegisterControlClasses(Windows());
}

World::~World() {
    g_current = nullptr;
}

World& World::Current() {
    if (g_current == nullptr) {
        std::fputs("sim::World: no simulated machine\n", stderr);
        std::abort();
    }
    return *g_current;
}

DWORD World::Now() const {
    return m_machine->kernel32.now;
}

void World::Advance(DWORD milliseconds) {
    m_machine->kernel32.now += milliseconds;
}

void World::SetLanguage(Language language) {
    m_machine->kernel32.language = language;
}

void World::SetUserLocale(LCID locale) {
    m_machine->kernel32.userLocale = locale;
}

void World::SetScreenSize(int width, int height) {
    m_machine->screen.Resize(width, height);
}

const Screen& World::RepaintedScreen() {
    PaintDesktop(Windows(), m_machine->screen.Windows());
    return m_machine->screen;
}

const Image& World::PictureSent() {
    const Screen& screen = RepaintedScreen();
    screen.PictureInto(m_pictureSent);
    if (DisplayAsleep()) {
        std::fill(m_pictureSent.pixels.begin(), m_pictureSent.pixels.end(), 0u);
    }
    return m_pictureSent;
}

Converter& World::Plug(const ChipConfig& config) {
    Converter& converter = m_machine->bus.Add(config, Now());
    // An observer hears of it before the program does, so that it sees the whole open.
    if (m_machine->observer != nullptr) {
        m_machine->observer->ConverterPlugged(converter);
    }
    BroadcastDeviceChange(converter, DBT_DEVICEARRIVAL);
    return converter;
}

void World::Plug(Converter& converter) {
    if (!converter.IsAttached()) {
        converter.Attach(Now());
        BroadcastDeviceChange(converter, DBT_DEVICEARRIVAL);
    }
}

void World::Unplug(Converter& converter) {
    if (converter.IsAttached()) {
        converter.Detach();
        BroadcastDeviceChange(converter, DBT_DEVICEREMOVECOMPLETE);
    }
}

void World::LosePower() {
    for (Converter* converter : AttachedConverters()) {
        converter->LosePower(Now());
    }
}

std::vector<Converter*> World::AttachedConverters() const {
    return m_machine->bus.Attached();
}

std::size_t World::ConverterCount() const {
    return m_machine->bus.Count();
}

void World::ForgetUnpluggedConverters() {
    std::vector<const Converter*> referenced;
    for (const auto& [handle, file] : m_machine->kernel32.files) {
        referenced.push_back(file.converter);
    }
    m_machine->bus.ForgetUnplugged(referenced);
}

void World::KeepTraffic(bool keep) {
    m_machine->bus.KeepTraffic(keep);
}

void World::SetUser(InteractionDriver* user) {
    m_machine->user = user != nullptr ? user : &m_machine->absentUser;
}

void World::SetObserver(Observer* observer) {
    m_machine->observer = observer;
}

void World::HoldNamedObject(const char* name) {
    m_machine->kernel32.OpenNamedObject(name, m_machine->kernel32.NewHandle());
}

} // namespace sim
