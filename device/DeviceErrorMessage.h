// The sentence the user sees for a device error code, in the user's language.
#pragma once

#include "../platform/win32.h"

#include <string>

std::string DeviceErrorMessage(DWORD dwError);
