// convctl: the test driver's control panel. It plugs and unplugs the simulated converter,
// cuts its power, holds it for another process, sets what its chip measures, injects a failing
// transfer, and prints or clears the traffic log in corvane-sim's wire format.
//
//   convctl plug [alt] [pal] | unplug | power-cycle | hold | release
//   convctl indirect A B C [BUSY-POLLS] | fail N ERROR | log | clear
#include "platform/converter_wire.h"
#include "tests/windows/driver/control_interface.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The device status each system error a converter can fail with comes from.
struct ErrorStatus {
    unsigned long error;
    LONG status;
};
constexpr ErrorStatus kStatuses[] = {
    {ERROR_GEN_FAILURE, static_cast<LONG>(0xC0000001)},          // STATUS_UNSUCCESSFUL
    {ERROR_INVALID_FUNCTION, static_cast<LONG>(0xC0000010)},     // STATUS_INVALID_DEVICE_REQUEST
    {ERROR_INVALID_PARAMETER, static_cast<LONG>(0xC000000D)},    // STATUS_INVALID_PARAMETER
    {ERROR_ACCESS_DENIED, static_cast<LONG>(0xC0000022)},        // STATUS_ACCESS_DENIED
    {ERROR_SEM_TIMEOUT, static_cast<LONG>(0xC00000B5)},          // STATUS_IO_TIMEOUT
    {ERROR_IO_DEVICE, static_cast<LONG>(0xC0000185)},            // STATUS_IO_DEVICE_ERROR
    {ERROR_DEVICE_NOT_CONNECTED, static_cast<LONG>(0xC000009D)}, // STATUS_DEVICE_NOT_CONNECTED
};

using RtlNtStatusToDosErrorFunction = ULONG(WINAPI*)(LONG);

// The system error a program sees for a device status, as Windows converts it.
unsigned long ErrorFor(LONG status) {
    static const auto convert =
        reinterpret_cast<RtlNtStatusToDosErrorFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlNtStatusToDosError")));
    return convert != nullptr ? convert(status) : static_cast<unsigned long>(status);
}

bool Send(DWORD code, const void* in, DWORD inSize, void* out = nullptr, DWORD outSize = 0,
          DWORD* returned = nullptr) {
    const HANDLE control = CreateFileA(CONTROL_USER_PATH, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                       OPEN_EXISTING, 0, nullptr);
    if (control == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "convctl: the test driver's control device is not there (error %lu)\n",
                     GetLastError());
        return false;
    }
    DWORD count = 0;
    const BOOL sent = DeviceIoControl(control, code, const_cast<void*>(in), inSize, out, outSize,
                                      &count, nullptr);
    const DWORD error = GetLastError();
    CloseHandle(control);
    if (!sent) {
        std::fprintf(stderr, "convctl: the driver refused (error %lu)\n", error);
        return false;
    }
    if (returned != nullptr) {
        *returned = count;
    }
    return true;
}

bool PrintLog() {
    std::vector<ControlLogEntry> entries(256);
    for (uint32_t first = 0;;) {
        DWORD returned = 0;
        if (!Send(IOCTL_CONTROL_LOG, &first, sizeof first, entries.data(),
                  static_cast<DWORD>(entries.size() * sizeof(ControlLogEntry)), &returned)) {
            return false;
        }
        const std::size_t count = returned / sizeof(ControlLogEntry);
        for (std::size_t i = 0; i < count; ++i) {
            const ControlLogEntry& e = entries[i];
            std::printf("wire: %s\n",
                        FormatWireLine(e.io_control_code == IOCTL_CONVERTER_GET_DESCRIPTOR, e.block,
                                       e.data, e.count, e.succeeded != 0,
                                       e.succeeded ? 0 : ErrorFor(e.status))
                            .c_str());
        }
        if (count < entries.size()) {
            return true;
        }
        first += static_cast<uint32_t>(count);
    }
}

bool Number(const char* text, long min, long max, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 0);
    return end != text && *end == '\0' && value >= min && value <= max;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: convctl plug [alt] [pal] | unplug | power-cycle | hold | release\n"
                 "       convctl indirect A B C [BUSY-POLLS] | fail N ERROR | log | clear\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage();
    }
    const std::string verb = argv[1];
    bool done = false;
    if (verb == "plug") {
        ControlPlug plug{0, 0};
        for (int i = 2; i < argc; ++i) {
            if (std::strcmp(argv[i], "alt") == 0) {
                plug.alternative_model = 1;
            } else if (std::strcmp(argv[i], "pal") == 0) {
                plug.pal = 1;
            } else {
                return Usage();
            }
        }
        done = Send(IOCTL_CONTROL_PLUG, &plug, sizeof plug);
    } else if (verb == "unplug" && argc == 2) {
        done = Send(IOCTL_CONTROL_UNPLUG, nullptr, 0);
    } else if (verb == "power-cycle" && argc == 2) {
        done = Send(IOCTL_CONTROL_POWER_CYCLE, nullptr, 0);
    } else if ((verb == "hold" || verb == "release") && argc == 2) {
        const uint32_t held = verb == "hold" ? 1 : 0;
        done = Send(IOCTL_CONTROL_HOLD, &held, sizeof held);
    } else if (verb == "indirect" && (argc == 5 || argc == 6)) {
        long a = 0, b = 0, c = 0, polls = 0;
        if (!Number(argv[2], 0, 0xFFFF, a) || !Number(argv[3], 0, 0xFFFF, b) ||
            !Number(argv[4], 0, 0xFFFF, c) || (argc == 6 && !Number(argv[5], -1, 1000000, polls))) {
            return Usage();
        }
        const ControlIndirect values{static_cast<uint16_t>(a), static_cast<uint16_t>(b),
                                     static_cast<uint16_t>(c), 0, static_cast<int32_t>(polls)};
        done = Send(IOCTL_CONTROL_INDIRECT, &values, sizeof values);
    } else if (verb == "fail" && argc == 4) {
        long nth = 0, error = 0;
        if (!Number(argv[2], 1, 1000000, nth) || !Number(argv[3], 1, 0xFFFF, error)) {
            return Usage();
        }
        const ErrorStatus* found = nullptr;
        for (const ErrorStatus& known : kStatuses) {
            found = known.error == static_cast<unsigned long>(error) ? &known : found;
        }
        if (found == nullptr) {
            std::fprintf(stderr, "convctl: error %ld is not one a converter fails with\n", error);
            return 2;
        }
        const ControlFail fail{static_cast<uint32_t>(nth), found->status};
        done = Send(IOCTL_CONTROL_FAIL, &fail, sizeof fail);
    } else if (verb == "log" && argc == 2) {
        done = PrintLog();
    } else if (verb == "clear" && argc == 2) {
        done = Send(IOCTL_CONTROL_CLEAR, nullptr, 0);
    } else {
        return Usage();
    }
    return done ? 0 : 1;
}
