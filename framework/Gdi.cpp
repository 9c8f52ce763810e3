#include "Gdi.h"

#include "Wnd.h"

#include <cstdlib>
#include <cstring>

CFont::~CFont() {
    if (m_hObject != nullptr) {
        DeleteObject(m_hObject);
    }
}

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName) {
    LOGFONTA font{};
    const HDC screen = GetDC(nullptr);
    // Tenths of a point to pixels at the screen's resolution, as a character height.
    font.lfHeight = -std::abs(MulDiv(GetDeviceCaps(screen, LOGPIXELSY), nPointSize, 720));
    ReleaseDC(nullptr, screen);
    std::strncpy(font.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
    m_hObject = CreateFontIndirectA(&font);
    return m_hObject != nullptr;
}

CClientDC::CClientDC(CWnd* pWnd) : m_hDC(GetDC(pWnd->m_hWnd)), m_hWnd(pWnd->m_hWnd) {}

CClientDC::~CClientDC() {
    ReleaseDC(m_hWnd, m_hDC);
}
