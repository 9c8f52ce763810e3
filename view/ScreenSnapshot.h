// The desktop as it was when the overlay appeared. Today's Windows composes the screen, and a
// window that paints nothing shows black; the overlay paints this copy instead, so that the
// user, and the TV that shows the PC's picture, keep seeing the desktop under the selection.
#pragma once

#include "../platform/win32.h"

class CScreenSnapshot {
  public:
    CScreenSnapshot() = default;
    ~CScreenSnapshot() { Release(); }
    CScreenSnapshot(const CScreenSnapshot&) = delete;
    CScreenSnapshot& operator=(const CScreenSnapshot&) = delete;

    // Copies the primary screen as it shows now; a copy already held is kept, since the screen
    // then shows the overlay itself. Without the memory for a copy there is none.
    void Take();
    // Paints the copy at the top left of the device context; nothing without one.
    void PaintOn(HDC hDC) const;
    void Release();

  private:
    HDC m_hMemoryDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hPrevious = nullptr;
    int m_cx = 0;
    int m_cy = 0;
};
