#include "Device.h"

#include "DeviceException.h"

#include <cstring>
#include <vector>

const GUID GUID_DEVINTERFACE_CONVERTER = CONVERTER_INTERFACE_CLASS_INIT;

IMPLEMENT_DYNAMIC(CDevice, CObject)

namespace {

// A call that failed on its byte count alone may leave no error behind; report that as
// the device not functioning rather than as "completed successfully".
DWORD TransferError() {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : static_cast<DWORD>(ERROR_GEN_FAILURE);
}

[[noreturn]] void ThrowDeviceError(DWORD code) {
    throw CDeviceException(code);
}

DWORD MapOpenError(DWORD pendingError) {
    switch (pendingError) {
    case ERROR_ACCESS_DENIED:
        return DEVICE_ERROR_BUSY;
    case ERROR_FILE_NOT_FOUND:
        return DEVICE_ERROR_NO_DEVICE;
    default:
        return pendingError;
    }
}

} // namespace

CDevice::CDevice() : m_hDevice(INVALID_HANDLE_VALUE), m_bAltModel(FALSE) {}

CDevice::~CDevice() {
    if (m_hDevice != INVALID_HANDLE_VALUE) {
        CloseHandle(m_hDevice);
        m_hDevice = INVALID_HANDLE_VALUE;
    }
}

void CDevice::Open() {
    HDEVINFO set = SetupDiGetClassDevsA(&GUID_DEVINTERFACE_CONVERTER, nullptr, nullptr,
                                        DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) {
        ThrowDeviceError(GetLastError());
    }
    DWORD pendingError = DEVICE_ERROR_NO_DEVICE;
    for (DWORD index = 0;; ++index) {
        SP_DEVICE_INTERFACE_DATA interfaceData{};
        interfaceData.cbSize = sizeof interfaceData;
        if (!SetupDiEnumDeviceInterfaces(set, nullptr, &GUID_DEVINTERFACE_CONVERTER, index,
                                         &interfaceData)) {
            break;
        }
        if (!TryInterface(set, interfaceData, pendingError)) {
            break;
        }
    }
    SetupDiDestroyDeviceInfoList(set);
    if (m_hDevice == INVALID_HANDLE_VALUE) {
        ThrowDeviceError(MapOpenError(pendingError));
    }
}

bool CDevice::TryInterface(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& interfaceData,
                           DWORD& pendingError) {
    DWORD required = 0;
    SetupDiGetDeviceInterfaceDetailA(set, &interfaceData, nullptr, 0, &required, nullptr);
    // The size query is taken at its word, but never below what the fixed part needs; one
    // zero byte more keeps the path terminated whatever the service wrote.
    const std::size_t fixedPart = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
    std::vector<BYTE> buffer((required > fixedPart ? required : fixedPart) + 1);
    auto* detail = reinterpret_cast<PSP_DEVICE_INTERFACE_DETAIL_DATA_A>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
    SP_DEVINFO_DATA deviceInfo{};
    deviceInfo.cbSize = sizeof deviceInfo;

    const BOOL gotDetail = SetupDiGetDeviceInterfaceDetailA(
        set, &interfaceData, detail, static_cast<DWORD>(buffer.size() - 1), nullptr, &deviceInfo);
    if (gotDetail) {
        m_strDevicePath = detail->DevicePath;
        // A synchronous handle: every control call has completed when it returns.
        m_hDevice = CreateFileA(m_strDevicePath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    pendingError = GetLastError();
    if (!gotDetail || m_hDevice != INVALID_HANDLE_VALUE) {
        return false;
    }
    return pendingError == ERROR_ACCESS_DENIED || pendingError == ERROR_FILE_NOT_FOUND;
}

BOOL CDevice::Close() {
    const BOOL closed = CloseHandle(m_hDevice);
    m_hDevice = INVALID_HANDLE_VALUE;
    return closed;
}

void CDevice::ReadDeviceDescriptor() {
    // A reply too short to hold the product ID leaves zeros there: the device is then
    // not taken for the main model, and its main-model-only features stay off.
    BYTE descriptor[USB_DEVICE_DESCRIPTOR_SIZE] = {};
    DWORD returned = 0;
    if (!DeviceIoControl(m_hDevice, IOCTL_CONVERTER_GET_DESCRIPTOR, nullptr, 0, descriptor,
                         sizeof descriptor, &returned, nullptr) ||
        returned > sizeof descriptor) {
        ThrowDeviceError(TransferError());
    }
    const WORD productId = static_cast<WORD>(descriptor[USB_DESCRIPTOR_PRODUCT_OFFSET] |
                                             (descriptor[USB_DESCRIPTOR_PRODUCT_OFFSET + 1] << 8));
    m_bAltModel = productId != CONVERTER_MAIN_PRODUCT_ID ? TRUE : FALSE;
}

bool CDevice::VendorRequest(BYTE requestType, BYTE request, WORD value, WORD index, void* data,
                            WORD length, bool countMustMatch) {
    const BYTE block[VENDOR_REQUEST_SIZE] = {requestType,
                                             request,
                                             static_cast<BYTE>(value & 0xFF),
                                             static_cast<BYTE>(value >> 8),
                                             static_cast<BYTE>(index & 0xFF),
                                             static_cast<BYTE>(index >> 8)};
    DWORD returned = 0;
    const BOOL ok =
        DeviceIoControl(m_hDevice, IOCTL_CONVERTER_VENDOR_REQUEST, const_cast<BYTE*>(block),
                        sizeof block, data, length, &returned, nullptr);
    return ok && (!countMustMatch || returned == length);
}

void CDevice::ThrowAfterRecovery() {
    const DWORD error = TransferError();
    RecoverBus();
    ThrowDeviceError(error);
}

WORD CDevice::BusWrite(BYTE address, const void* data, WORD length) {
    if (!VendorRequest(VENDOR_REQUEST_TYPE_WRITE, REQ_BUS_WRITE, address, 0,
                       const_cast<void*>(data), length, true)) {
        ThrowAfterRecovery();
    }
    return length;
}

WORD CDevice::BusRead(BYTE address, BYTE subAddress, void* buffer, WORD length) {
    if (!VendorRequest(VENDOR_REQUEST_TYPE_READ, REQ_BUS_READ, address,
                       static_cast<WORD>(BUS_READ_INDEX_BASE + subAddress), buffer, length, true)) {
        ThrowAfterRecovery();
    }
    return length;
}

BOOL CDevice::ResetBus() {
    if (!VendorRequest(VENDOR_REQUEST_TYPE_WRITE, REQ_BUS_RESET, 0, 0, nullptr, 0, false)) {
        ThrowDeviceError(TransferError());
    }
    return TRUE;
}

BYTE CDevice::ReadBusStatus() {
    BYTE status = 0;
    if (!VendorRequest(VENDOR_REQUEST_TYPE_READ, REQ_BUS_STATUS, 0, 0, &status, 1, true)) {
        ThrowDeviceError(TransferError());
    }
    return status;
}

BYTE CDevice::RecoverBus() {
    const BYTE status = ReadBusStatus();
    ResetBus();
    return status;
}

int CDevice::WriteRegister(BYTE reg, WORD value) {
    const BYTE data[3] = {reg, static_cast<BYTE>(value & 0xFF), static_cast<BYTE>(value >> 8)};
    return BusWrite(CHIP_WRITE_ADDRESS, data, sizeof data);
}

int CDevice::ReadRegister(BYTE reg, WORD* value) {
    BYTE data[2] = {};
    BusRead(CHIP_READ_ADDRESS, reg, data, sizeof data);
    *value = static_cast<WORD>(data[0] + 256 * data[1]);
    return 2;
}

int CDevice::ReadIndirect(BYTE index, WORD* value) {
    WriteRegister(REG_INDIRECT_CONTROL, static_cast<WORD>(INDIRECT_START | index));
    bool ready = false;
    for (int poll = 0; poll < INDIRECT_POLL_LIMIT && !ready; ++poll) {
        Sleep(INDIRECT_POLL_INTERVAL);
        WORD control = 0;
        ReadRegister(REG_INDIRECT_CONTROL, &control);
        ready = control == 0;
    }
    if (!ready) {
        ThrowDeviceError(ERROR_TIMEOUT);
    }
    return ReadRegister(REG_INDIRECT_DATA, value);
}

int CDevice::WriteAux(BYTE address, BYTE b0, BYTE b1, BYTE b2) {
    BYTE data[AUX_WRITE_LENGTH] = {b0, b1, b2};
    if (!VendorRequest(VENDOR_REQUEST_TYPE_WRITE, REQ_AUX_WRITE, address, 0, data, sizeof data,
                       true)) {
        ThrowDeviceError(TransferError());
    }
    return AUX_WRITE_LENGTH;
}
