// A long session stays small: unplugged converters are freed once nothing refers to them,
// and the traffic log is kept only where someone reads it.
#include "platform/sim/control/world.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

namespace {

TEST(ConverterLifetime, PlugAndUnplugCyclesKeepNoDeadConverters) {
    sim::World world;
    for (int cycle = 0; cycle < 12000; ++cycle) {
        sim::Converter& converter = world.Plug();
        world.Unplug(converter);
        world.ForgetUnpluggedConverters();
    }
    EXPECT_EQ(0u, world.ConverterCount());
}

TEST(ConverterLifetime, AConverterStillOpenIsKeptUntilItsHandleCloses) {
    sim::World world;
    sim::Converter& converter = world.Plug();
    const HANDLE handle =
        CreateFileA(converter.InterfacePath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, handle);
    world.Unplug(converter);
    world.ForgetUnpluggedConverters();
    EXPECT_EQ(1u, world.ConverterCount()) << "the program still holds it";
    EXPECT_TRUE(CloseHandle(handle));
    world.ForgetUnpluggedConverters();
    EXPECT_EQ(0u, world.ConverterCount());
}

void CountTransfer(const sim::Transfer&, void* count) {
    ++*static_cast<int*>(count);
}

TEST(ConverterLifetime, WithoutAKeptLogAnObserverStillSeesEveryTransfer) {
    sim::World world;
    world.KeepTraffic(false);
    sim::Converter& converter = world.Plug();
    int seen = 0;
    converter.SetObserver(CountTransfer, &seen);
    const HANDLE handle =
        CreateFileA(converter.InterfacePath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                    OPEN_EXISTING, 0, nullptr);
    BYTE descriptor[18] = {};
    DWORD returned = 0;
    DeviceIoControl(handle, IOCTL_CONVERTER_GET_DESCRIPTOR, nullptr, 0, descriptor,
                    sizeof descriptor, &returned, nullptr);
    CloseHandle(handle);
    EXPECT_EQ(1, seen);
    EXPECT_TRUE(converter.Traffic().empty());
}

} // namespace
