// Fonts and device contexts, owned and released by their objects.
#pragma once

#include "../platform/win32.h"

class CWnd;

class CFont {
  public:
    CFont() = default;
    ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // A font of nPointSize tenths of a point on the screen.
    BOOL CreatePointFont(int nPointSize, LPCSTR lpszFaceName);
    HFONT m_hObject = nullptr;
};

// A device context for a window's client area, released when it goes.
class CClientDC {
  public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC();
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

    HGDIOBJ SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
    BOOL GetTextMetrics(TEXTMETRIC* lpMetrics) { return ::GetTextMetricsA(m_hDC, lpMetrics); }
    int SetROP2(int nDrawMode) { return ::SetROP2(m_hDC, nDrawMode); }
    POINT MoveTo(int x, int y) {
        POINT previous{0, 0};
        ::MoveToEx(m_hDC, x, y, &previous);
        return previous;
    }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }

    HDC m_hDC;

  private:
    HWND m_hWnd;
};
