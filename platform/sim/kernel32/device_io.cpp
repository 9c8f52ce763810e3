// CreateFileA, DeviceIoControl and CloseHandle on converter device paths.
#include "platform/sim/converter/bus.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/kernel32/kernel32_state.h"

HANDLE CreateFileA(LPCSTR fileName, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES,
                   DWORD creation, DWORD flags, HANDLE) {
    if (fileName == nullptr || creation != OPEN_EXISTING || access == 0) {
        SetLastError(fileName == nullptr ? ERROR_INVALID_PARAMETER : ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    sim::Converter* converter = sim::Bus().FindAttached(fileName);
    if (converter == nullptr) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    const DWORD error = converter->Open(flags, shareMode);
    if (error != 0) {
        SetLastError(error);
        return INVALID_HANDLE_VALUE;
    }
    HANDLE handle = sim::Kernel32().NewHandle();
    sim::Kernel32().files.emplace(
        handle, sim::Kernel32State::FileHandle{converter, converter->Generation()});
    SetLastError(ERROR_SUCCESS);
    return handle;
}

BOOL DeviceIoControl(HANDLE device, DWORD code, LPVOID inBuffer, DWORD inSize, LPVOID outBuffer,
                     DWORD outSize, LPDWORD returned, LPOVERLAPPED overlapped) {
    const auto found = sim::Kernel32().files.find(device);
    if (found == sim::Kernel32().files.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (returned == nullptr && overlapped == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const sim::Kernel32State::FileHandle& file = found->second;
    if (!file.converter->IsAttached() || file.generation != file.converter->Generation()) {
        SetLastError(ERROR_DEVICE_NOT_CONNECTED);
        return FALSE;
    }
    DWORD count = 0;
    const DWORD error =
        file.converter->Control(code, static_cast<const BYTE*>(inBuffer), inSize,
                                static_cast<BYTE*>(outBuffer), outSize, &count, sim::Now());
    if (returned != nullptr) {
        *returned = count;
    }
    if (error != 0) {
        SetLastError(error);
        return FALSE;
    }
    return TRUE;
}

BOOL CloseHandle(HANDLE object) {
    if (sim::Kernel32().CloseNamedObject(object)) {
        return TRUE;
    }
    const auto found = sim::Kernel32().files.find(object);
    if (found == sim::Kernel32().files.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const sim::Kernel32State::FileHandle file = found->second;
    sim::Kernel32().files.erase(found);
    if (file.converter->IsAttached() && file.generation == file.converter->Generation()) {
        file.converter->CloseOne();
    }
    return TRUE;
}
