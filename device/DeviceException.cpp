#include "DeviceException.h"

IMPLEMENT_DYNAMIC(CDeviceException, CException)
