// What dialog boxes and property sheets share: windows and controls from a template, and the
// modal loop.
#pragma once

#include "platform/resource_tables.h"
#include "platform/sim/include/win32_window_types.h"

#include <string>

namespace sim {

// A dialog font's average character, in pixels: a dialog unit is a quarter of its width
// and an eighth of its height. The system's dialog font (a property sheet's own) has 8 points.
struct BaseUnits {
    int cx;
    int cy;
};
BaseUnits FontBaseUnits(int pointSize);
constexpr int kSystemDialogPoints = 8;
// The template's font in the language of the machine.
BaseUnits TemplateBaseUnits(const DialogResource& resource);

RECT DialogUnitsToPixels(int x, int y, int cx, int cy, BaseUnits units);

// A template's size in pixels, in the language of the machine, measured in the units given.
SIZE TemplateSize(const DialogResource& resource, BaseUnits units);

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
