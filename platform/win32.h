// The program's one door to the operating system. On Windows this is the SDK; elsewhere it
// is the simulated Windows in platform/sim, which declares the same names with the same
// meaning.
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
// windows.h first: the others build on its types.
#include <windows.h>

#include <setupapi.h>
#include <winioctl.h>

#include <dbt.h>
#include <imm.h>
#include <mbstring.h>
#include <shellapi.h>

#include <commctrl.h>
#else
#include "sim/include/win32_api.h"
#endif

#include "converter_interface.h"
