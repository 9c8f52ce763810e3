// Every failure of device access travels as one 32-bit code inside a CDeviceException.
#pragma once

#include "../framework/Exception.h"
#include "../platform/win32.h"

// Codes of the program's own carry bit 29; system error codes pass through unchanged.
constexpr DWORD DEVICE_ERROR_CUSTOMER_BIT = 0x20000000;
constexpr DWORD DEVICE_ERROR_NO_DEVICE = 0x20070100;
constexpr DWORD DEVICE_ERROR_BUSY = 0x20070101;

class CDeviceException : public CException {
    DECLARE_DYNAMIC(CDeviceException)
  public:
    explicit CDeviceException(DWORD dwError) : m_dwError(dwError) {}

    DWORD m_dwError;
};
