// Refused: the program reaching past platform/win32.h into the simulated Windows.
#include "platform/sim/control/world.h"
