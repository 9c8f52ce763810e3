// What dialog boxes and property sheets share: windows and controls from a template, and the
// modal loop.
#pragma once

#include "platform/resource_tables.h"
#include "platform/sim/include/win32_window_types.h"

#include <string>

namespace sim {

// Dialog units to pixels for the dialogs' 8-point font.
RECT DialogUnitsToPixels(int x, int y, int cx, int cy);

// A template's size in pixels, in the language of the machine.
SIZE TemplateSize(const DialogResource& resource);

// A dialog window without controls, neither initialised nor shown.
HWND CreateEmptyDialog(const std::string& caption, DWORD style, RECT rect, HWND parent,
                       DLGPROC procedure);

// A dialog window with the template's controls, neither initialised nor shown.
HWND CreateDialogWindow(const DialogResource& resource, const std::string& caption, DWORD style,
                        RECT rect, HWND parent, DLGPROC procedure);

// Runs until the dialog ends or the user walks away: queued messages through the dialog
// manager, and the user's next action when nothing is queued.
void RunModalLoop(HWND dialog);

// The first enabled, visible control that takes the focus by Tab.
HWND FirstTabStop(HWND dialog);

} // namespace sim
