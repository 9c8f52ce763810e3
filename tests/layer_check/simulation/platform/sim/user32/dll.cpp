// Refused: a DLL using the control side.
#include "platform/sim/control/world.h"
