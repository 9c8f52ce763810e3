// The screen as today's Windows composes it: each window shows what it painted, one that
// paints nothing shows black, and a copy of the screen taken beforehand paints the desktop
// back, which is how an overlay keeps the desktop visible beneath it.
#include "tests/conformance/harness.h"

namespace {

constexpr int kLeft = 200;
constexpr int kTop = 200;
constexpr int kSize = 100;

// The snapshot a window's WM_PAINT copies into it, when there is one.
HDC g_snapshot = nullptr;

LRESULT CALLBACK SnapshotPainter(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        if (g_snapshot != nullptr) {
            BitBlt(dc, 0, 0, kSize, kSize, g_snapshot, 0, 0, SRCCOPY);
        }
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_ERASEBKGND) {
        return TRUE; // erased by painting, or not at all
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateOverlay() {
    static const char kName[] = "ConformanceOverlay";
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = SnapshotPainter;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kName;
    RegisterClassA(&windowClass);
    const HWND window =
        CreateWindowExA(WS_EX_TOPMOST, kName, "overlay", WS_POPUP | WS_VISIBLE, kLeft, kTop, kSize,
                        kSize, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    conformance::PumpMessages(100);
    return window;
}

// What the screen shows, once drawing has reached it, at the middle of the overlay's place and at
// its top left corner.
struct Seen {
    COLORREF middle;
    COLORREF corner;
};

Seen OnScreen() {
    conformance::PumpMessages(100); // Wine shows what was drawn on a window as it next pumps
    const HDC screen = GetDC(nullptr);
    const Seen seen{GetPixel(screen, kLeft + kSize / 2, kTop + kSize / 2),
                    GetPixel(screen, kLeft, kTop)};
    ReleaseDC(nullptr, screen);
    return seen;
}

} // namespace

CONFORMANCE_TEST(AWindowThatPaintsNothingShowsBlack) {
    const Seen desktop = OnScreen();
    ok(desktop.middle != 0 && desktop.middle != CLR_INVALID, "the desktop is not black (%06lx)",
       desktop.middle);
    const HWND overlay = CreateOverlay();
    const Seen covered = OnScreen();
    ok(covered.middle == 0 && covered.corner == 0, "black where the window is (%06lx, %06lx)",
       covered.middle, covered.corner);
    const HDC dc = GetDC(overlay);
    ok(GetPixel(dc, kSize / 2, kSize / 2) == 0, "its own device context reads black too");
    ReleaseDC(overlay, dc);
    DestroyWindow(overlay);
    ok(OnScreen().middle == desktop.middle, "and the desktop is back when it goes");
}

CONFORMANCE_TEST(ASnapshotOfTheScreenPaintsTheDesktopBack) {
    const Seen desktop = OnScreen();
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    ok(memory != nullptr, "CreateCompatibleDC");
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, kSize, kSize);
    ok(bitmap != nullptr, "CreateCompatibleBitmap");
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    ok(previous != nullptr, "the bitmap selected, the DC's own given back");
    ok(BitBlt(memory, 0, 0, kSize, kSize, screen, kLeft, kTop, SRCCOPY), "BitBlt from the screen");
    ReleaseDC(nullptr, screen);
    ok(GetPixel(memory, kSize / 2, kSize / 2) == desktop.middle &&
           GetPixel(memory, 0, 0) == desktop.corner,
       "the copy holds what the screen showed");

    g_snapshot = memory;
    const HWND overlay = CreateOverlay();
    const Seen covered = OnScreen();
    ok(covered.middle == desktop.middle && covered.corner == desktop.corner,
       "the window shows the desktop as it was (%06lx, not %06lx)", covered.middle, desktop.middle);
    // Drawn over it, an inverted line inverts the desktop's own colour.
    const HDC dc = GetDC(overlay);
    SetROP2(dc, R2_NOT);
    MoveToEx(dc, kSize / 2, kSize / 2, nullptr);
    LineTo(dc, kSize / 2 + 1, kSize / 2);
    ReleaseDC(overlay, dc);
    const COLORREF inverted = OnScreen().middle;
    ok(inverted == (~desktop.middle & 0xFFFFFF), "a line drawn over it inverts it (%06lx)",
       inverted);
    // A repaint shows the copy again, the line gone.
    InvalidateRect(overlay, nullptr, TRUE);
    UpdateWindow(overlay);
    ok(OnScreen().middle == desktop.middle, "painted again, the copy alone");
    DestroyWindow(overlay);
    g_snapshot = nullptr;

    ok(SelectObject(memory, previous) == bitmap, "the bitmap comes back out");
    ok(DeleteObject(bitmap), "DeleteObject");
    ok(DeleteDC(memory), "DeleteDC");
}
