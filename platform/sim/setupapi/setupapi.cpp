// The device setup services over the machine's attached converters.
#include "platform/converter_interface.h"
#include "platform/sim/converter/bus.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/setupapi/setupapi_state.h"

#include <cstddef>
#include <cstring>

namespace {

const GUID kConverterClass = CONVERTER_INTERFACE_CLASS_INIT;

sim::SetupApiState::DeviceInfoSet* FindSet(HDEVINFO set) {
    auto& sets = sim::SetupApi().deviceInfoSets;
    const auto found = sets.find(set);
    return found == sets.end() ? nullptr : &found->second;
}

// A fault a test asked of a member's detail query: its error, or the size it reports.
DWORD DetailError(DWORD member) {
    const auto& errors = sim::SetupApi().detailErrors;
    const auto found = errors.find(member);
    return found == errors.end() ? 0 : found->second;
}

const DWORD* DetailSizeOverride(DWORD member) {
    const auto& sizes = sim::SetupApi().detailSizes;
    const auto found = sizes.find(member);
    return found == sizes.end() ? nullptr : &found->second;
}

BOOL Fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

} // namespace

HDEVINFO SetupDiGetClassDevsA(const GUID* classGuid, LPCSTR, HWND, DWORD flags) {
    if (sim::SetupApi().classDevsError != 0) {
        SetLastError(sim::SetupApi().classDevsError);
        return INVALID_HANDLE_VALUE;
    }
    if (classGuid == nullptr || (flags & DIGCF_DEVICEINTERFACE) == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    sim::SetupApiState::DeviceInfoSet set;
    if (*classGuid == kConverterClass) {
        for (sim::Converter* converter : sim::Bus().Attached()) {
            set.paths.push_back(converter->InterfacePath());
        }
    }
    HDEVINFO handle = sim::Kernel32().NewHandle();
    sim::SetupApi().deviceInfoSets.emplace(handle, std::move(set));
    SetLastError(ERROR_SUCCESS);
    return handle;
}

BOOL SetupDiEnumDeviceInterfaces(HDEVINFO set, PSP_DEVINFO_DATA, const GUID* interfaceClass,
                                 DWORD memberIndex, PSP_DEVICE_INTERFACE_DATA interfaceData) {
    sim::SetupApiState::DeviceInfoSet* found = FindSet(set);
    if (found == nullptr) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    if (interfaceData == nullptr || interfaceData->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA)) {
        return Fail(ERROR_INVALID_USER_BUFFER);
    }
    if (interfaceClass == nullptr || !(*interfaceClass == kConverterClass) ||
        memberIndex >= found->paths.size()) {
        return Fail(ERROR_NO_MORE_ITEMS);
    }
    interfaceData->InterfaceClassGuid = *interfaceClass;
    interfaceData->Flags = SPINT_ACTIVE;
    interfaceData->Reserved = memberIndex + 1; // which member the detail query is about
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL SetupDiGetDeviceInterfaceDetailA(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA interfaceData,
                                      PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail, DWORD detailSize,
                                      PDWORD requiredSize, PSP_DEVINFO_DATA deviceInfo) {
    sim::SetupApiState::DeviceInfoSet* found = FindSet(set);
    if (found == nullptr) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    if (interfaceData == nullptr || interfaceData->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA) ||
        interfaceData->Reserved == 0 || interfaceData->Reserved > found->paths.size()) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    const DWORD member = static_cast<DWORD>(interfaceData->Reserved - 1);
    const std::string& path = found->paths[member];
    const DWORD needed = static_cast<DWORD>(
        offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) + path.size() + 1);
    if (requiredSize != nullptr) {
        const DWORD* reported = DetailSizeOverride(member);
        *requiredSize = reported != nullptr ? *reported : needed;
    }
    if (detail == nullptr) {
        return Fail(detailSize == 0 ? ERROR_INSUFFICIENT_BUFFER : ERROR_INVALID_USER_BUFFER);
    }
    if (detail->cbSize != sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) {
        return Fail(ERROR_INVALID_USER_BUFFER);
    }
    if (detailSize < needed) {
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    if (deviceInfo != nullptr && deviceInfo->cbSize != sizeof(SP_DEVINFO_DATA)) {
        return Fail(ERROR_INVALID_USER_BUFFER);
    }
    if (DetailError(member) != 0) {
        return Fail(DetailError(member));
    }
    std::memcpy(detail->DevicePath, path.c_str(), path.size() + 1);
    if (deviceInfo != nullptr) {
        deviceInfo->ClassGuid = kConverterClass;
        deviceInfo->DevInst = member + 1;
    }
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL SetupDiDestroyDeviceInfoList(HDEVINFO set) {
    if (sim::SetupApi().deviceInfoSets.erase(set) == 0) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}
