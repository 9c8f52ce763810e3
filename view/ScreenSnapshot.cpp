#include "ScreenSnapshot.h"

void CScreenSnapshot::Take() {
    if (m_hMemoryDC != nullptr) {
        return;
    }
    const HDC screen = ::GetDC(nullptr);
    if (screen == nullptr) {
        return;
    }
    m_cx = ::GetSystemMetrics(SM_CXSCREEN);
    m_cy = ::GetSystemMetrics(SM_CYSCREEN);
    m_hMemoryDC = ::CreateCompatibleDC(screen);
    m_hBitmap = m_hMemoryDC != nullptr ? ::CreateCompatibleBitmap(screen, m_cx, m_cy) : nullptr;
    if (m_hBitmap != nullptr) {
        m_hPrevious = ::SelectObject(m_hMemoryDC, m_hBitmap);
        ::BitBlt(m_hMemoryDC, 0, 0, m_cx, m_cy, screen, 0, 0, SRCCOPY);
    }
    ::ReleaseDC(nullptr, screen);
    if (m_hBitmap == nullptr) {
        Release();
    }
}

void CScreenSnapshot::PaintOn(HDC hDC) const {
    if (m_hMemoryDC != nullptr) {
        ::BitBlt(hDC, 0, 0, m_cx, m_cy, m_hMemoryDC, 0, 0, SRCCOPY);
    }
}

void CScreenSnapshot::Release() {
    if (m_hPrevious != nullptr) {
        ::SelectObject(m_hMemoryDC, m_hPrevious);
        m_hPrevious = nullptr;
    }
    if (m_hBitmap != nullptr) {
        ::DeleteObject(m_hBitmap);
        m_hBitmap = nullptr;
    }
    if (m_hMemoryDC != nullptr) {
        ::DeleteDC(m_hMemoryDC);
        m_hMemoryDC = nullptr;
    }
}
