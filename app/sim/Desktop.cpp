#include "Desktop.h"
#include "platform/sim/control/other_programs.h"
#include "platform/sim/user32/user32_state.h"
#include "platform/win32.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

std::string Rect(const RECT& rect) {
    return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ", " +
           std::to_string(rect.right) + ", " + std::to_string(rect.bottom) + ")";
}

sim::WindowManager::ForeignWindow Framed(const std::string& title, RECT rect) {
    sim::WindowManager::ForeignWindow window;
    window.title = title;
    window.rect = rect;
    window.client = RECT{rect.left + 4, rect.top + 23, rect.right - 4, rect.bottom - 4};
    return window;
}

} // namespace

void Desktop::Furnish() {
    const int editor = Add(Framed("Editor", RECT{40, 40, 560, 440}));
    sim::WindowManager::ForeignWindow page;
    page.title = "Page";
    page.parent = Window(editor);
    page.rect = page.client.emplace(RECT{44, 93, 556, 436}); // below its toolbar
    Add(page);
    Add(Framed("Browser", RECT{480, 120, 1000, 600}));
    Add(Framed("Terminal", RECT{120, 460, 700, 740}));
}

int Desktop::Add(sim::WindowManager::ForeignWindow window) {
    static constexpr std::uint32_t kColours[] = {0xF2E6C9, 0xFFFFFF, 0x3C8D5A,
                                                 0x1E1E28, 0xC8503C, 0x8C64C8};
    if (!window.colour) {
        window.colour = kColours[m_windows.size() % std::size(kColours)];
    }
    m_windows.push_back(sim::Windows().AddForeignWindow(window));
    return static_cast<int>(m_windows.size());
}

HWND Desktop::Window(int number) const {
    const HWND window = number >= 1 && number <= static_cast<int>(m_windows.size())
                            ? m_windows[static_cast<std::size_t>(number - 1)]
                            : nullptr;
    return IsWindow(window) ? window : nullptr;
}

// "window 2: "Page" (44, 93, 556, 436) client (44, 93, 556, 436) child-of 1 hidden"
std::vector<std::string> Desktop::Describe() const {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < m_windows.size(); ++i) {
        const HWND handle = m_windows[i];
        const sim::Window* window = sim::Windows().Find(handle);
        if (window == nullptr) {
            continue;
        }
        RECT client{};
        GetClientRect(handle, &client);
        POINT origin{0, 0};
        ClientToScreen(handle, &origin);
        OffsetRect(&client, origin.x, origin.y);
        std::string line = "window " + std::to_string(i + 1) + ": \"" + window->text + "\" " +
                           Rect(window->rect) + " client " + Rect(client);
        const auto parent = std::find(m_windows.begin(), m_windows.end(), window->parent);
        if ((window->style & WS_CHILD) && parent != m_windows.end()) {
            line += " child-of " + std::to_string(parent - m_windows.begin() + 1);
        }
        line += handle == m_focus ? " focused" : "";
        if (m_caret && m_caret->window == handle) {
            line += " caret " + std::to_string(m_caret->at.x) + " " + std::to_string(m_caret->at.y);
        }
        line += window->visible ? "" : " hidden";
        line += window->enabled ? "" : " disabled";
        line += (window->exStyle & WS_EX_TRANSPARENT) ? " transparent" : "";
        if (window->colour) {
            char colour[16];
            std::snprintf(colour, sizeof colour, " color %06X", *window->colour);
            line += colour;
        }
        lines.push_back(line);
    }
    return lines;
}

bool Desktop::Focus(int number) {
    const HWND window = Window(number);
    if (window == nullptr) {
        return false;
    }
    m_focus = window;
    sim::FocusOtherProgramsWindow(window);
    return true;
}

bool Desktop::PlaceCaret(int number, POINT at) {
    const HWND window = Window(number);
    if (window == nullptr) {
        return false;
    }
    if (m_caret && m_caret->window != window) {
        sim::RemoveOtherProgramsCaret(m_caret->window);
    }
    m_caret = Caret{window, at};
    ShowCaret();
    return true;
}

bool Desktop::Type(const std::string& text) {
    if (!m_caret || m_caret->window != m_focus) {
        return false;
    }
    RECT client{};
    GetClientRect(m_caret->window, &client);
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) {
            continue; // a UTF-8 character counts once
        }
        m_caret->at.x += kCharacterWidth;
        if (m_caret->at.x + kCharacterWidth > client.right) {
            m_caret->at = POINT{client.left, m_caret->at.y + kLineHeight};
        }
    }
    ShowCaret();
    return true;
}

// As an edit control shows it: a line one pixel wide and as tall as the text.
void Desktop::ShowCaret() {
    sim::PlaceOtherProgramsCaret(
        m_caret->window,
        RECT{m_caret->at.x, m_caret->at.y, m_caret->at.x + 1, m_caret->at.y + kLineHeight});
}

// The window's program gives it a rectangle made from the one it has.
template <typename Reshape> bool Desktop::Place(int number, Reshape reshape) const {
    RECT rect{};
    const HWND window = Window(number);
    return window != nullptr && GetWindowRect(window, &rect) &&
           sim::PlaceOtherProgramsWindow(window, reshape(rect));
}

bool Desktop::Move(int number, POINT to) {
    return Place(number, [to](RECT rect) {
        OffsetRect(&rect, to.x - rect.left, to.y - rect.top);
        return rect;
    });
}

bool Desktop::Resize(int number, SIZE size) {
    return Place(number, [size](const RECT& rect) {
        return RECT{rect.left, rect.top, rect.left + size.cx, rect.top + size.cy};
    });
}

bool Desktop::Show(int number, bool show) {
    const HWND window = Window(number);
    return window != nullptr && sim::ShowOtherProgramsWindow(window, show);
}

// The focus and the caret go with their window.
bool Desktop::Close(int number) {
    const HWND window = Window(number);
    if (window == nullptr || !sim::CloseOtherProgramsWindow(window)) {
        return false;
    }
    if (!IsWindow(m_focus)) {
        m_focus = nullptr;
    }
    if (m_caret && !IsWindow(m_caret->window)) {
        m_caret.reset();
    }
    return true;
}
