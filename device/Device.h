// The only path to the scan converter: finding and opening it, its USB device descriptor,
// the vendor requests, and the chip's 16-bit registers built on them. Every operation
// completes in full or throws CDeviceException.
#pragma once

#include "../framework/Object.h"
#include "../platform/win32.h"

#include <string>

extern const GUID GUID_DEVINTERFACE_CONVERTER;

constexpr int INDIRECT_POLL_LIMIT = 600;
constexpr DWORD INDIRECT_POLL_INTERVAL = 5;

class CDevice : public CObject {
    DECLARE_DYNAMIC(CDevice)
  public:
    CDevice();
    ~CDevice() override;
    CDevice(const CDevice&) = delete;
    CDevice& operator=(const CDevice&) = delete;

    void Open();
    BOOL Close();
    void ReadDeviceDescriptor();

    WORD BusWrite(BYTE address, const void* data, WORD length);
    WORD BusRead(BYTE address, BYTE subAddress, void* buffer, WORD length);
    BOOL ResetBus();
    BYTE ReadBusStatus();
    BYTE RecoverBus();

    int WriteRegister(BYTE reg, WORD value);
    int ReadRegister(BYTE reg, WORD* value);
    int ReadIndirect(BYTE index, WORD* value);
    int WriteAux(BYTE address, BYTE b0, BYTE b1, BYTE b2);

    HANDLE m_hDevice;
    std::string m_strDevicePath;
    BOOL m_bAltModel;

  private:
    // One vendor request; true when the call succeeded and, if required, the full count came.
    bool VendorRequest(BYTE requestType, BYTE request, WORD value, WORD index, void* data,
                       WORD length, bool countMustMatch);
    // A bus transfer that failed: recover the bus, then throw what the transfer saw.
    [[noreturn]] void ThrowAfterRecovery();
    // Reads one interface's path and tries to open it; returns whether the search goes on.
    bool TryInterface(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& interfaceData, DWORD& pendingError);
};
