// A dialog's initialisation data: the items its combo boxes start with, kept as a resource
// of type 240 with the dialog's id.
#pragma once

#include "../platform/win32.h"

// Adds the items the resource of that id holds to the dialog's controls; nothing when there
// is no such resource.
void ExecuteDlgInit(HWND hDialog, UINT nIDTemplate);

// The same from the resource's bytes. Data cut short ends the reading there: no record is
// read beyond the size, and a text without its terminating zero is not added. FALSE when the
// data was cut short.
BOOL ExecuteDlgInit(HWND hDialog, const BYTE* pData, DWORD nSize);
