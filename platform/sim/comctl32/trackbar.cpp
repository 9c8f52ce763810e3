// msctls_trackbar32, horizontal trackbars: a thumb on a channel between the minimum at the
// left and the maximum at the right. The thumb is dragged (TB_THUMBTRACK while it moves,
// TB_THUMBPOSITION and TB_ENDTRACK when it is let go), a click beside it moves a page, the
// arrow keys a line, Home and End to the ends; each move is told to the parent as
// WM_HSCROLL, and a key's release as TB_ENDTRACK. At an end a step does nothing and tells
// nothing. Losing the mouse capture tells TB_ENDTRACK too, so a drag or a click ends with
// two of them. Until the program gives a page size, it is a fifth of the range.
#include "platform/sim/comctl32/comctl32.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/control_info.h"

#include <algorithm>

namespace sim {

namespace {

struct TrackbarInfo {
    int minimum = 0;
    int maximum = 100;
    int position = 0;
    int lineSize = 1;
    int pageSize = 20;
    bool pageSizeGiven = false; // else a fifth of the range, kept up with it
    int ticFrequency = 1;
    bool dragging = false;
    int grabOffset = 0; // where on the thumb the pointer took it
};

TrackbarInfo& Info(HWND trackbar) {
    return *ControlInfo<TrackbarInfo>(trackbar);
}

constexpr int kMargin = 8;    // from the window's edge to the first and last thumb centre
constexpr int kThumbHalf = 5; // half the thumb's width

int Clamp(const TrackbarInfo& track, int position) {
    return std::max(track.minimum, std::min(track.maximum, position));
}

SIZE WindowSize(HWND trackbar) {
    RECT rect{};
    GetWindowRect(trackbar, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

int ChannelWidth(HWND trackbar) {
    return std::max(1, static_cast<int>(WindowSize(trackbar).cx) - 2 * kMargin);
}

int ThumbCentre(HWND trackbar, const TrackbarInfo& track) {
    const int span = track.maximum - track.minimum;
    return kMargin +
           (span <= 0 ? 0
                      : static_cast<int>(static_cast<long long>(track.position - track.minimum) *
                                         ChannelWidth(trackbar) / span));
}

// The position whose thumb centre lies nearest to x.
int PositionAt(HWND trackbar, int x) {
    const TrackbarInfo& track = Info(trackbar);
    const int span = track.maximum - track.minimum;
    const long long offset = static_cast<long long>(x - kMargin) * span;
    const int width = ChannelWidth(trackbar);
    return Clamp(track,
                 track.minimum +
                     static_cast<int>((offset + (offset >= 0 ? width / 2 : -width / 2)) / width));
}

RECT ThumbRect(HWND trackbar) {
    const int centre = ThumbCentre(trackbar, Info(trackbar));
    const int height = static_cast<int>(WindowSize(trackbar).cy);
    return RECT{centre - kThumbHalf, 2, centre + kThumbHalf + 1, std::max(3, height - 8)};
}

void Notify(HWND trackbar, WORD code) {
    const bool withPosition = code == TB_THUMBTRACK || code == TB_THUMBPOSITION;
    const WORD position = withPosition ? static_cast<WORD>(Info(trackbar).position) : 0;
    SendMessageA(GetParent(trackbar), WM_HSCROLL, MAKEWPARAM(code, position),
                 reinterpret_cast<LPARAM>(trackbar));
}

// A step by the keyboard or a click beside the thumb; nothing at the end it heads for.
void Step(HWND trackbar, WORD code, int target) {
    TrackbarInfo& track = Info(trackbar);
    const int position = Clamp(track, target);
    if (position == track.position) {
        return;
    }
    track.position = position;
    Notify(trackbar, code);
}

void KeyDown(HWND trackbar, WPARAM key) {
    const TrackbarInfo& track = Info(trackbar);
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        Step(trackbar, TB_LINEUP, track.position - track.lineSize);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        Step(trackbar, TB_LINEDOWN, track.position + track.lineSize);
        break;
    case VK_PRIOR:
        Step(trackbar, TB_PAGEUP, track.position - track.pageSize);
        break;
    case VK_NEXT:
        Step(trackbar, TB_PAGEDOWN, track.position + track.pageSize);
        break;
    case VK_HOME:
        Step(trackbar, TB_TOP, track.minimum);
        break;
    case VK_END:
        Step(trackbar, TB_BOTTOM, track.maximum);
        break;
    default:
        break;
    }
}

bool IsStepKey(WPARAM key) {
    return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN || key == VK_PRIOR ||
           key == VK_NEXT || key == VK_HOME || key == VK_END;
}

void ButtonDown(HWND trackbar, int x) {
    SetCapture(trackbar);
    SetFocus(trackbar);
    TrackbarInfo& track = Info(trackbar);
    const int centre = ThumbCentre(trackbar, track);
    if (x >= centre - kThumbHalf && x <= centre + kThumbHalf) {
        track.dragging = true;
        track.grabOffset = x - centre;
        return;
    }
    if (x < centre) {
        Step(trackbar, TB_PAGEUP, track.position - track.pageSize);
    } else {
        Step(trackbar, TB_PAGEDOWN, track.position + track.pageSize);
    }
}

void Drag(HWND trackbar, int x) {
    TrackbarInfo& track = Info(trackbar);
    if (!track.dragging) {
        return;
    }
    const int position = PositionAt(trackbar, x - track.grabOffset);
    if (position != track.position) {
        track.position = position;
        Notify(trackbar, TB_THUMBTRACK);
    }
}

void ButtonUp(HWND trackbar) {
    if (GetCapture() != trackbar) {
        return;
    }
    TrackbarInfo& track = Info(trackbar);
    const bool dragged = track.dragging;
    track.dragging = false;
    if (dragged) {
        Notify(trackbar, TB_THUMBPOSITION);
    }
    Notify(trackbar, TB_ENDTRACK);
    ReleaseCapture();
}

void FollowRange(TrackbarInfo& track) {
    if (!track.pageSizeGiven) {
        track.pageSize = std::max(1, (track.maximum - track.minimum) / 5);
    }
}

LRESULT Previous(int& field, int value) {
    const int previous = field;
    field = value;
    return previous;
}

} // namespace

// Where the thumb's centre lies, in client coordinates, when it stands at a position.
int TrackbarPositionAt(HWND trackbar, int x) {
    return ControlInfo<TrackbarInfo>(trackbar) != nullptr ? PositionAt(trackbar, x) : 0;
}

int TrackbarThumbCentreFor(HWND trackbar, int position) {
    TrackbarInfo track = Info(trackbar);
    track.position = Clamp(track, position);
    return ThumbCentre(trackbar, track);
}

LRESULT CALLBACK TrackbarWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (KeepControlInfo<TrackbarInfo>(handle, message)) {
        return DefWindowProcA(handle, message, wParam, lParam);
    }
    TrackbarInfo* info = ControlInfo<TrackbarInfo>(handle);
    if (info == nullptr) {
        return DefWindowProcA(handle, message, wParam, lParam);
    }
    TrackbarInfo& track = *info;
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
        ButtonDown(handle, static_cast<short>(LOWORD(lParam)));
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == handle) {
            Drag(handle, static_cast<short>(LOWORD(lParam)));
        }
        return 0;
    case WM_LBUTTONUP:
        ButtonUp(handle);
        return 0;
    case WM_CAPTURECHANGED:
        track.dragging = false;
        Notify(handle, TB_ENDTRACK);
        return 0;
    case WM_KEYDOWN:
        KeyDown(handle, wParam);
        return 0;
    case WM_KEYUP:
        if (IsStepKey(wParam)) {
            Notify(handle, TB_ENDTRACK);
        }
        return 0;
    case TBM_GETPOS:
        return track.position;
    case TBM_GETRANGEMIN:
        return track.minimum;
    case TBM_GETRANGEMAX:
        return track.maximum;
    case TBM_SETPOS:
        track.position = Clamp(track, static_cast<int>(lParam));
        return 0;
    // The range comes as two signed 16-bit halves.
    case TBM_SETRANGE:
        track.minimum = static_cast<short>(LOWORD(lParam));
        track.maximum = static_cast<short>(HIWORD(lParam));
        track.position = Clamp(track, track.position);
        FollowRange(track);
        return 0;
    case TBM_SETTICFREQ:
        track.ticFrequency = static_cast<int>(wParam);
        return 0;
    case TBM_SETLINESIZE:
        return Previous(track.lineSize, static_cast<int>(lParam));
    case TBM_GETLINESIZE:
        return track.lineSize;
    // -1 gives the choice back to the range.
    case TBM_SETPAGESIZE: {
        const int previous = track.pageSize;
        track.pageSizeGiven = lParam != -1;
        track.pageSize = static_cast<int>(lParam);
        FollowRange(track);
        return previous;
    }
    case TBM_GETPAGESIZE:
        return track.pageSize;
    case TBM_GETTHUMBRECT:
        if (lParam != 0) {
            *reinterpret_cast<RECT*>(lParam) = ThumbRect(handle);
        }
        return 0;
    default:
        return DefWindowProcA(handle, message, wParam, lParam);
    }
}

} // namespace sim
