#include "Exception.h"

IMPLEMENT_DYNAMIC(CException, CObject)
