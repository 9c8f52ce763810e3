// The simulated window system: classes, windows, z-order, activation, the message queue and
// timers on the virtual clock.
#pragma once

#include "platform/sim/include/win32_window_types.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/picture/image.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sim {

struct Window {
    HWND handle = nullptr;
    std::string className;
    WNDPROC procedure = nullptr;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr; // the parent of a child, the owner of a top-level window
    int id = 0;            // a child's control id
    RECT rect{};           // window rectangle in screen coordinates
    bool visible = false;
    bool enabled = true;
    DWORD threadId = 0;
    bool dialog = false;
    INT_PTR dialogResult = 0;
    bool dialogEnded = false;
    DLGPROC dialogProcedure = nullptr;
    HGDIOBJ font = nullptr;
    UINT buttonState = 0;                // BST_ flags of a button control
    HANDLE image = nullptr;              // an icon button's icon
    LONG_PTR msgResult = 0;              // a dialog's DWLP_MSGRESULT
    SIZE dialogBaseUnits{6, 13};         // a dialog's font's average character, for MapDialogRect
    LONG_PTR userData = 0;               // GWLP_USERDATA
    HWND savedFocus = nullptr;           // a dialog's focused control while it is inactive
    bool sizeSent = false;               // WM_SIZE has been sent: by a resize, or when first shown
    std::optional<RECT> client;          // another program's client area, in screen coordinates
    long long siblingOrder = 0;          // a child's place among its siblings, the top one lowest
    bool unicode = false;                // a window of a Unicode class (the program's are ANSI)
    std::optional<std::uint32_t> colour; // another program's client colour, 0xRRGGBB
    std::vector<BYTE> extraBytes;        // the class's cbWndExtra, zeroed at creation
    // A window of a class the program registered paints itself, in WM_PAINT; the system's
    // controls, dialogs and other programs' windows are drawn by the desktop painter.
    bool paintsItself = false;
    bool needsPaint = false; // its update region is not empty (kept whole, not as a region)
    bool needsErase = false;
    // What a top-level window that paints itself has painted, the size of its rectangle:
    // composition shows it, and it is black until the window paints.
    Image surface;
};

struct Timer {
    HWND window;
    UINT_PTR id;
    UINT period;
    std::uint64_t due; // on the clock that never wraps
};

class WindowManager {
  public:
    WindowManager() = default;
    // The process ends: the system's controls still standing free what they keep.
    ~WindowManager();
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    bool RegisterClass(const WNDCLASSA& windowClass);
    const WNDCLASSA* FindClass(const std::string& name) const;

    HWND Create(DWORD exStyle, const std::string& className, const std::string& text, DWORD style,
                RECT rect, HWND parent, int id, LPVOID param, DWORD threadId);
    void Destroy(HWND handle);
    // WM_SIZE with the client area's size.
    void SendSize(HWND handle);
    // WM_SIZE and WM_MOVE, unless a resize has told the window its size already.
    void SendFirstSize(HWND handle);
    Window* Find(HWND handle);
    const Window* Find(HWND handle) const;

    // Another program's window, for the desktop the user sees: a top-level window, or a child
    // of one of them (rectangles in screen coordinates).
    struct ForeignWindow {
        std::string title;
        RECT rect{};
        std::optional<RECT> client; // inside the frame and caption when not given
        HWND parent = nullptr;
        bool visible = true;
        bool enabled = true;
        bool transparent = false;
        std::optional<std::uint32_t> colour; // of the client area, 0xRRGGBB
    };
    HWND AddForeignWindow(const std::string& title, RECT rect);
    HWND AddForeignWindow(const ForeignWindow& window);

    // Top-level windows, topmost first.
    const std::vector<HWND>& ZOrder() const { return m_zOrder; }
    void BringToTop(HWND handle);
    void SetTopmost(HWND handle, bool topmost);
    // A parent's children, the top of their z-order first: new children go to the bottom.
    std::vector<HWND> Children(HWND parent) const;
    void BringChildToTop(HWND handle);
    std::vector<HWND> TopLevelWindows() const;

    HWND Foreground() const { return m_foreground; }
    bool SetForeground(HWND handle);
    HWND Active() const { return m_active; }
    void Activate(HWND handle);
    HWND Focus() const { return m_focus; }
    HWND SetFocus(HWND handle);
    HWND Capture() const { return m_capture; }
    HWND SetCapture(HWND handle);

    // The modal dialogs running, innermost last: their loops translate keyboard input.
    HWND ModalDialog() const { return m_modal.empty() ? nullptr : m_modal.back(); }
    void EnterModal(HWND dialog) { m_modal.push_back(dialog); }
    void LeaveModal() { m_modal.pop_back(); }

    LRESULT Send(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    bool Post(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    void PostQuit(int exitCode);
    bool QuitPosted() const { return m_quitPosted; }
    int ExitCode() const { return m_exitCode; }
    // Takes the next queued message, or a due timer's WM_TIMER; false when neither.
    bool NextMessage(MSG& message) { return Peek(message, nullptr, 0, 0, true); }
    // The same, with only the timers that were due by a moment: a loop that drains the queue
    // must not chase timers that its own slow handlers make due again.
    bool NextMessageDueBy(MSG& message, std::uint64_t moment);
    // The same, leaving the keyboard's and the mouse's messages queued, as an open popup
    // menu's loop dispatches everything else and takes those itself.
    bool NextMessageButInputDueBy(MSG& message, std::uint64_t moment);
    // The same, limited to a window (and its children) and a message range as PeekMessageA
    // takes them; posted messages come before timers.
    bool Peek(MSG& message, HWND window, UINT first, UINT last, bool remove);

  private:
    bool Take(MSG& message, HWND window, UINT first, UINT last, bool remove, std::uint64_t dueBy,
              bool leaveInput = false);

  public:
    LRESULT Dispatch(const MSG& message);
    // A window shown, resized or invalidated waits for WM_PAINT, with its children when
    // `withChildren`; a top-level one shown or resized shows black until it has painted.
    void Invalidate(HWND handle, bool erase, bool withChildren);
    void NewSurface(HWND handle);

    UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT period);
    bool KillTimer(HWND window, UINT_PTR id);
    // The earliest time a timer is due, or false when none runs.
    bool NextTimerDue(std::uint64_t& due) const;
    void FailTimers(bool fail) { m_failTimers = fail; }

  private:
    void Unlink(HWND handle);
    // The first window wanted by a message filter that is shown and waits for WM_PAINT.
    HWND NextToPaint(const std::function<bool(HWND)>& wanted) const;

    long long m_bottomSibling = 0;
    long long m_topSibling = 0;
    std::map<std::string, WNDCLASSA> m_classes; // by lower-case name
    std::map<std::string, std::string> m_classNames;
    std::map<HWND, Window> m_windows;
    std::vector<HWND> m_zOrder;
    HWND m_foreground = nullptr;
    HWND m_active = nullptr;
    HWND m_focus = nullptr;
    HWND m_capture = nullptr;
    std::vector<HWND> m_modal;
    std::deque<MSG> m_queue;
    bool m_quitPosted = false;
    int m_exitCode = 0;
    std::vector<Timer> m_timers;
    bool m_failTimers = false;
    UINT_PTR m_nextTimerId = 1;
};

} // namespace sim
