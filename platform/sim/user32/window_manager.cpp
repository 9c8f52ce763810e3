#include "platform/sim/user32/window_manager.h"

#include "platform/sim/advapi32/registry.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/user32/user32_state.h"

#include <algorithm>

namespace sim {

WindowManager::~WindowManager() {
    for (const auto& [handle, window] : m_windows) {
        const WNDCLASSA* windowClass = FindClass(window.className);
        if (windowClass != nullptr && (windowClass->style & CS_GLOBALCLASS) && window.procedure) {
            window.procedure(handle, WM_NCDESTROY, 0, 0);
        }
    }
}

bool WindowManager::RegisterClass(const WNDCLASSA& windowClass) {
    const std::string key = LowerCase(windowClass.lpszClassName);
    if (m_classes.count(key) != 0) {
        return false;
    }
    m_classNames[key] = windowClass.lpszClassName;
    WNDCLASSA& stored = m_classes[key];
    stored = windowClass;
    stored.lpszClassName = m_classNames[key].c_str();
    return true;
}

const WNDCLASSA* WindowManager::FindClass(const std::string& name) const {
    const auto found = m_classes.find(LowerCase(name));
    return found == m_classes.end() ? nullptr : &found->second;
}

Window* WindowManager::Find(HWND handle) {
    const auto found = m_windows.find(handle);
    return found == m_windows.end() ? nullptr : &found->second;
}

const Window* WindowManager::Find(HWND handle) const {
    const auto found = m_windows.find(handle);
    return found == m_windows.end() ? nullptr : &found->second;
}

HWND WindowManager::Create(DWORD exStyle, const std::string& className, const std::string& text,
                           DWORD style, RECT rect, HWND parent, int id, LPVOID param,
                           DWORD threadId) {
    const WNDCLASSA* windowClass = FindClass(className);
    Window window;
    window.handle = static_cast<HWND>(sim::Kernel32().NewHandle());
    window.className = windowClass ? windowClass->lpszClassName : className;
    window.procedure = windowClass ? windowClass->lpfnWndProc : nullptr;
    window.text = text;
    window.style = style & ~static_cast<DWORD>(WS_VISIBLE | WS_DISABLED);
    window.enabled = !(style & WS_DISABLED);
    window.exStyle = exStyle;
    window.parent = parent;
    window.id = id;
    window.threadId = threadId;
    window.siblingOrder = ++m_bottomSibling;
    window.extraBytes.assign(windowClass ? static_cast<std::size_t>(windowClass->cbWndExtra) : 0,
                             0);
    window.paintsItself = windowClass != nullptr && !(windowClass->style & CS_GLOBALCLASS) &&
                          threadId == kProgramThread;
    if ((style & WS_CHILD) && parent != nullptr) {
        POINT origin{0, 0};
        ClientToScreen(parent, &origin);
        rect = {rect.left + origin.x, rect.top + origin.y, rect.right + origin.x,
                rect.bottom + origin.y};
    }
    window.rect = rect;
    const HWND handle = window.handle;
    m_windows.emplace(handle, window);
    if (!(style & WS_CHILD)) {
        m_zOrder.push_back(handle);
        BringToTop(handle);
    }

    CREATESTRUCTA create{param,
                         nullptr,
                         nullptr,
                         parent,
                         rect.bottom - rect.top,
                         rect.right - rect.left,
                         rect.top,
                         rect.left,
                         static_cast<LONG>(style),
                         text.c_str(),
                         className.c_str(),
                         exStyle};
    if (!Send(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)) && window.procedure) {
        Destroy(handle);
        return nullptr;
    }
    if (Send(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        Destroy(handle);
        return nullptr;
    }

    // Popups and children learn their size at once; an overlapped window when first shown.
    if (style & (WS_CHILD | WS_POPUP)) {
        SendFirstSize(handle);
    }
    if (Find(handle) != nullptr && (style & WS_VISIBLE)) {
        ShowWindow(handle, SW_SHOW);
    }
    return Find(handle) ? handle : nullptr;
}

HWND WindowManager::AddForeignWindow(const std::string& title, RECT rect) {
    ForeignWindow window;
    window.title = title;
    window.rect = rect;
    return AddForeignWindow(window);
}

HWND WindowManager::AddForeignWindow(const ForeignWindow& wanted) {
    static DWORD nextThread = kProgramThread + 1;
    const Window* parent = Find(wanted.parent);
    const DWORD style = (parent ? WS_CHILD : WS_OVERLAPPEDWINDOW) |
                        (wanted.visible ? WS_VISIBLE : 0) | (wanted.enabled ? 0 : WS_DISABLED);
    RECT rect = wanted.rect;
    if (parent != nullptr) {
        // Create places a child in its parent's client coordinates.
        POINT origin{0, 0};
        ClientToScreen(wanted.parent, &origin);
        OffsetRect(&rect, -origin.x, -origin.y);
    }
    const HWND handle =
        Create(wanted.transparent ? WS_EX_TRANSPARENT : 0, "ForeignWindow", wanted.title, style,
               rect, wanted.parent, 0, nullptr, parent ? parent->threadId : nextThread++);
    if (Window* window = Find(handle)) {
        window->client = wanted.client;
        window->colour = wanted.colour;
    }
    return handle;
}

void WindowManager::SendSize(HWND handle) {
    RECT client{};
    GetClientRect(handle, &client);
    if (Window* window = Find(handle)) {
        window->sizeSent = true;
        Send(handle, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    }
}

void WindowManager::SendFirstSize(HWND handle) {
    const Window* window = Find(handle);
    if (window == nullptr || window->sizeSent) {
        return;
    }
    SendSize(handle);
    POINT origin{0, 0};
    ClientToScreen(handle, &origin);
    if ((window = Find(handle)) != nullptr && (window->style & WS_CHILD)) {
        ScreenToClient(window->parent, &origin);
    }
    Send(handle, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
}

std::vector<HWND> WindowManager::Children(HWND parent) const {
    std::vector<HWND> children;
    for (const auto& [handle, window] : m_windows) {
        if (window.parent == parent && (window.style & WS_CHILD)) {
            children.push_back(handle);
        }
    }
    std::sort(children.begin(), children.end(),
              [this](HWND a, HWND b) { return Find(a)->siblingOrder < Find(b)->siblingOrder; });
    return children;
}

void WindowManager::BringChildToTop(HWND handle) {
    if (Window* window = Find(handle)) {
        window->siblingOrder = --m_topSibling;
    }
}

std::vector<HWND> WindowManager::TopLevelWindows() const {
    return m_zOrder;
}

void WindowManager::Destroy(HWND handle) {
    Window* window = Find(handle);
    if (window == nullptr) {
        return;
    }
    // Owned windows go first, then the window hears WM_DESTROY before its children do.
    for (const HWND owned : std::vector<HWND>(m_zOrder)) {
        const Window* candidate = Find(owned);
        if (candidate && candidate->parent == handle && owned != handle) {
            Destroy(owned);
        }
    }
    Send(handle, WM_DESTROY, 0, 0);
    for (const HWND child : Children(handle)) {
        Destroy(child);
    }
    m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(),
                                  [handle](const Timer& t) { return t.window == handle; }),
                   m_timers.end());
    Send(handle, WM_NCDESTROY, 0, 0);
    Unlink(handle);
    m_windows.erase(handle);
}

void WindowManager::Unlink(HWND handle) {
    m_zOrder.erase(std::remove(m_zOrder.begin(), m_zOrder.end(), handle), m_zOrder.end());
    if (m_focus == handle) {
        m_focus = nullptr;
    }
    if (m_capture == handle) {
        m_capture = nullptr;
    }
    if (m_active == handle || m_foreground == handle) {
        m_active = m_foreground == handle ? nullptr : m_active;
        m_foreground = nullptr;
        for (const HWND next : m_zOrder) {
            const Window* candidate = Find(next);
            if (candidate && candidate->visible && candidate->enabled) {
                m_foreground = next;
                break;
            }
        }
        if (m_active == handle) {
            m_active = nullptr;
        }
    }
    m_queue.erase(std::remove_if(m_queue.begin(), m_queue.end(),
                                 [handle](const MSG& m) { return m.hwnd == handle; }),
                  m_queue.end());
}

void WindowManager::BringToTop(HWND handle) {
    const Window* window = Find(handle);
    if (window == nullptr || (window->style & WS_CHILD)) {
        return;
    }
    m_zOrder.erase(std::remove(m_zOrder.begin(), m_zOrder.end(), handle), m_zOrder.end());
    auto position = m_zOrder.begin();
    if (!(window->exStyle & WS_EX_TOPMOST)) {
        position = std::find_if(m_zOrder.begin(), m_zOrder.end(), [this](HWND h) {
            const Window* w = Find(h);
            return w && !(w->exStyle & WS_EX_TOPMOST);
        });
    }
    m_zOrder.insert(position, handle);
    // Windows it owns stay above it.
    for (const HWND owned : std::vector<HWND>(m_zOrder)) {
        const Window* candidate = Find(owned);
        if (candidate && candidate->parent == handle && !(candidate->style & WS_CHILD)) {
            BringToTop(owned);
        }
    }
}

void WindowManager::SetTopmost(HWND handle, bool topmost) {
    if (Window* window = Find(handle)) {
        window->exStyle = topmost ? (window->exStyle | WS_EX_TOPMOST)
                                  : (window->exStyle & ~static_cast<DWORD>(WS_EX_TOPMOST));
        BringToTop(handle);
    }
}

void WindowManager::Activate(HWND handle) {
    if (m_active == handle) {
        m_foreground = handle;
        return;
    }
    const HWND previous = m_active;
    if (previous != nullptr) {
        Send(previous, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(handle));
    }
    m_active = handle;
    m_foreground = handle;
    BringToTop(handle);
    // The default procedure's answer to WM_ACTIVATE gives the window the focus.
    Send(handle, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(previous));
}

bool WindowManager::SetForeground(HWND handle) {
    Window* window = Find(handle);
    while (window != nullptr && (window->style & WS_CHILD)) {
        handle = window->parent;
        window = Find(handle);
    }
    if (window == nullptr) {
        return false;
    }
    if (window->threadId == kProgramThread) {
        Activate(handle);
    } else {
        if (m_active != nullptr) {
            Send(m_active, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(handle));
        }
        m_active = nullptr;
        m_foreground = handle;
        BringToTop(handle);
    }
    return true;
}

HWND WindowManager::SetFocus(HWND handle) {
    const HWND previous = m_focus;
    if (previous == handle) {
        return previous;
    }
    if (previous != nullptr) {
        Send(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
    }
    m_focus = handle;
    if (handle != nullptr) {
        Send(handle, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    }
    return previous;
}

HWND WindowManager::SetCapture(HWND handle) {
    const HWND previous = m_capture;
    m_capture = handle;
    if (previous != nullptr && previous != handle) {
        Send(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(handle));
    }
    return previous;
}

LRESULT WindowManager::Send(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    const Window* window = Find(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (window->procedure == nullptr) {
        return DefWindowProcA(handle, message, wParam, lParam);
    }
    return window->procedure(handle, message, wParam, lParam);
}

bool WindowManager::Post(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handle != nullptr && Find(handle) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    m_queue.push_back(MSG{handle, message, wParam, lParam, sim::Now(), POINT{0, 0}});
    return true;
}

void WindowManager::PostQuit(int exitCode) {
    m_quitPosted = true;
    m_exitCode = exitCode;
}

bool WindowManager::Peek(MSG& message, HWND window, UINT first, UINT last, bool remove) {
    return Take(message, window, first, last, remove, sim::Uptime());
}

bool WindowManager::NextMessageDueBy(MSG& message, std::uint64_t moment) {
    return Take(message, nullptr, 0, 0, true, std::min(moment, sim::Uptime()));
}

bool WindowManager::NextMessageButInputDueBy(MSG& message, std::uint64_t moment) {
    return Take(message, nullptr, 0, 0, true, std::min(moment, sim::Uptime()), true);
}

bool WindowManager::Take(MSG& message, HWND window, UINT first, UINT last, bool remove,
                         std::uint64_t dueBy, bool leaveInput) {
    const auto wanted = [&](HWND target, UINT id) {
        const bool input = (id >= WM_KEYFIRST && id <= WM_KEYLAST) ||
                           (id >= WM_MOUSEFIRST && id <= WM_MOUSELAST);
        const bool inRange = ((first == 0 && last == 0) || (id >= first && id <= last)) &&
                             !(leaveInput && input);
        return inRange && (window == nullptr || target == window || IsChild(window, target));
    };
    const auto queued = std::find_if(m_queue.begin(), m_queue.end(),
                                     [&](const MSG& m) { return wanted(m.hwnd, m.message); });
    if (queued != m_queue.end()) {
        message = *queued;
        if (remove) {
            m_queue.erase(queued);
        }
        return true;
    }
    // WM_PAINT comes when nothing is queued, before timers, and stays until the window is
    // validated (BeginPaint).
    if (const HWND unpainted = NextToPaint([&](HWND w) { return wanted(w, WM_PAINT); })) {
        message = MSG{unpainted, WM_PAINT, 0, 0, sim::Now(), POINT{0, 0}};
        return true;
    }
    // Like Windows, a timer that fell behind produces one WM_TIMER, not one per period.
    auto due = m_timers.end();
    for (auto timer = m_timers.begin(); timer != m_timers.end(); ++timer) {
        if (timer->due <= dueBy && wanted(timer->window, WM_TIMER) &&
            (due == m_timers.end() || timer->due < due->due)) {
            due = timer;
        }
    }
    if (due == m_timers.end()) {
        return false;
    }
    message = MSG{due->window, WM_TIMER, due->id, 0, sim::Now(), POINT{0, 0}};
    if (remove) {
        due->due = sim::Uptime() + due->period;
    }
    return true;
}

HWND WindowManager::NextToPaint(const std::function<bool(HWND)>& wanted) const {
    for (const auto& [handle, window] : m_windows) {
        if (window.needsPaint && IsWindowVisible(handle) && wanted(handle)) {
            return handle;
        }
    }
    return nullptr;
}

void WindowManager::Invalidate(HWND handle, bool erase, bool withChildren) {
    Window* window = Find(handle);
    if (window == nullptr) {
        return;
    }
    if (window->paintsItself) {
        window->needsPaint = true;
        window->needsErase = window->needsErase || erase;
    }
    if (withChildren) {
        for (const HWND child : Children(handle)) {
            Invalidate(child, erase, true);
        }
    }
}

void WindowManager::NewSurface(HWND handle) {
    Window* window = Find(handle);
    if (window != nullptr && window->paintsItself && !(window->style & WS_CHILD)) {
        window->surface =
            Image(std::max<LONG>(0, window->rect.right - window->rect.left),
                  std::max<LONG>(0, window->rect.bottom - window->rect.top), 0x000000);
    }
}

LRESULT WindowManager::Dispatch(const MSG& message) {
    return message.hwnd ? Send(message.hwnd, message.message, message.wParam, message.lParam) : 0;
}

UINT_PTR WindowManager::SetTimer(HWND window, UINT_PTR id, UINT period) {
    if (m_failTimers) {
        SetLastError(ERROR_NO_SYSTEM_RESOURCES);
        return 0;
    }
    if (window != nullptr && Find(window) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    const UINT clamped = std::max<UINT>(period, 10); // USER_TIMER_MINIMUM
    if (window == nullptr || id == 0) {
        id = m_nextTimerId++;
    }
    KillTimer(window, id);
    m_timers.push_back(Timer{window, id, clamped, sim::Uptime() + clamped});
    return id;
}

bool WindowManager::KillTimer(HWND window, UINT_PTR id) {
    const auto found = std::find_if(m_timers.begin(), m_timers.end(), [&](const Timer& t) {
        return t.window == window && t.id == id;
    });
    if (found == m_timers.end()) {
        return false;
    }
    m_timers.erase(found);
    return true;
}

bool WindowManager::NextTimerDue(std::uint64_t& due) const {
    if (m_timers.empty()) {
        return false;
    }
    due = std::min_element(m_timers.begin(), m_timers.end(), [](const Timer& a, const Timer& b) {
              return a.due < b.due;
          })->due;
    return true;
}

} // namespace sim
