// Data exchange between a dialog's controls and its members, in the direction the exchange
// says: controls to members when saving, members to controls otherwise.
#pragma once

#include "Dialog.h"

// A trackbar's position.
void DDX_Slider(CDataExchange* pDX, int nIDC, int& value);
// A check box's state.
void DDX_Check(CDataExchange* pDX, int nIDC, BOOL& value);
// The radio group that starts at nIDC (the control with WS_GROUP) and runs to the next
// control that starts a group: the index of the checked button, -1 for none; an index
// outside the group checks none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
