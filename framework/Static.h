// A static text control.
#pragma once

#include "Wnd.h"

class CStatic : public CWnd {
  public:
    BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID = 0xFFFF) {
        return CreateEx(0, "STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
    }
};
