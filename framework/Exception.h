// The root of the program's exceptions. They are thrown by value and caught by reference,
// so nothing is ever left to delete.
#pragma once

#include "Object.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
};
