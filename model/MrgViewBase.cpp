#include "MrgViewBase.h"

IMPLEMENT_DYNAMIC(CMrgViewBase, CView)
