#include "Desktop.h"
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
    return number >= 1 && number <= static_cast<int>(m_windows.size())
               ? m_windows[static_cast<std::size_t>(number - 1)]
               : nullptr;
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
