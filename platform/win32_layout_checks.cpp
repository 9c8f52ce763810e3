// The Win32 layouts the program depends on, as the 32-bit SDK lays them out.
#include "win32.h"

#include <shellapi.h>

#include <cstddef>

// The 64-bit build (for test machines only) has its own layouts, which the code takes with
// sizeof.
#ifndef _WIN64
static_assert(sizeof(void*) == 4, "Corvane for Windows is a 32-bit program");
static_assert(sizeof(SP_DEVICE_INTERFACE_DATA) == 28, "SP_DEVICE_INTERFACE_DATA");
static_assert(sizeof(SP_DEVINFO_DATA) == 28, "SP_DEVINFO_DATA");
static_assert(sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A) == 5, "detail data fixed part");
static_assert(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) == 4, "DevicePath");
static_assert(NOTIFYICONDATAA_V2_SIZE == 488, "NOTIFYICONDATAA version 2");
#endif
static_assert(sizeof(GUID) == 16, "GUID");
static_assert(sizeof(DWORD) == 4 && sizeof(WORD) == 2 && sizeof(BOOL) == 4, "base types");
static_assert(IOCTL_CONVERTER_GET_DESCRIPTOR ==
                  CTL_CODE(FILE_DEVICE_UNKNOWN, 0x801, METHOD_BUFFERED, FILE_ANY_ACCESS),
              "descriptor control code");
static_assert(IOCTL_CONVERTER_VENDOR_REQUEST ==
                  CTL_CODE(FILE_DEVICE_UNKNOWN, 0x809, METHOD_OUT_DIRECT, FILE_ANY_ACCESS),
              "vendor request control code");
