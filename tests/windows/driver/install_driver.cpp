// install-driver: installs the test driver into a Wine prefix as Windows installs a driver for
// a root-enumerated device: a device node with the hardware id, the driver from the .inf for
// it, then a wait until the converter's interface is present.
//
//   install-driver FILE.inf
#include "platform/converter_interface.h"

#include <windows.h>

#include <newdev.h>
#include <setupapi.h>

#include <cstdio>

namespace {

constexpr char kHardwareId[] = "ROOT\\CORVANECONVERTER";
const GUID kSystemClass = {
    0x4D36E97D, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};

bool CreateDeviceNode() {
    const HDEVINFO set = SetupDiCreateDeviceInfoList(&kSystemClass, nullptr);
    if (set == INVALID_HANDLE_VALUE) {
        return false;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    const char ids[] = "ROOT\\CORVANECONVERTER\0"; // a list: ends with a second NUL
    const bool made =
        SetupDiCreateDeviceInfoA(set, "ROOT\\CORVANECONVERTER\\0000", &kSystemClass, nullptr,
                                 nullptr, 0, &device) &&
        SetupDiSetDeviceRegistryPropertyA(set, &device, SPDRP_HARDWAREID,
                                          reinterpret_cast<const BYTE*>(ids), sizeof ids) &&
        SetupDiCallClassInstaller(DIF_REGISTERDEVICE, set, &device);
    SetupDiDestroyDeviceInfoList(set);
    return made;
}

// The interface's path, once the driver has started the device.
bool InterfacePresent(char* path, DWORD size) {
    const GUID interfaceClass = CONVERTER_INTERFACE_CLASS_INIT;
    const HDEVINFO set = SetupDiGetClassDevsA(&interfaceClass, nullptr, nullptr,
                                              DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) {
        return false;
    }
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    bool found = false;
    if (SetupDiEnumDeviceInterfaces(set, nullptr, &interfaceClass, 0, &data)) {
        char buffer[1024];
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer);
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        found =
            SetupDiGetDeviceInterfaceDetailA(set, &data, detail, sizeof buffer, nullptr, nullptr);
        if (found) {
            lstrcpynA(path, detail->DevicePath, static_cast<int>(size));
        }
    }
    SetupDiDestroyDeviceInfoList(set);
    return found;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: install-driver FILE.inf\n");
        return 2;
    }
    if (!CreateDeviceNode()) {
        std::fprintf(stderr, "install-driver: no device node (error %lu)\n", GetLastError());
        return 1;
    }
    BOOL reboot = FALSE;
    if (!UpdateDriverForPlugAndPlayDevicesA(nullptr, kHardwareId, argv[1], INSTALLFLAG_FORCE,
                                            &reboot)) {
        std::fprintf(stderr, "install-driver: the driver was not installed (error %lu)\n",
                     GetLastError());
        return 1;
    }
    // Installed is not yet running: the interface shows when the driver has started.
    char path[1024];
    for (int tries = 0; tries < 100; ++tries) {
        if (InterfacePresent(path, sizeof path)) {
            std::printf("install-driver: %s\n", path);
            return 0;
        }
        Sleep(100);
    }
    std::fprintf(stderr, "install-driver: the converter's interface did not appear\n");
    return 1;
}
