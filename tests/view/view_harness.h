// The whole program with a converter, its view reached from the tray as a user reaches it.
#pragma once

#include "tests/shell/app_harness.h"
#include "view/MrgView.h"

namespace testing_support {

class ViewTest : public AppTest {
  protected:
    void StartWithConverter() {
        converter = &world.Plug();
        ASSERT_TRUE(Start());
    }
    CMrgView* View() const { return static_cast<CMrgView*>(Frame()->GetActiveView()); }
    // A command from the tray's left-button menu.
    void Choose(UINT id) {
        user.Choose(id);
        world.input.ClickTrayIcon(sim::MouseButton::Left);
    }
    // Select Area chosen, its first corner clicked and the pointer moved to the other.
    void StartSelectingArea(int anchorX, int anchorY, int pointerX, int pointerY) {
        Choose(ID_SELECT_AREA);
        world.input.ClickAt(anchorX, anchorY);
        world.input.MoveMouse(pointerX, pointerY);
    }
    bool OverlayShown() const { return IsWindowVisible(Frame()->m_hWnd) != FALSE; }
    std::string Indicator() const {
        char text[128] = {};
        GetWindowTextA(View()->m_wndIndicator.m_hWnd, text, sizeof text);
        return text;
    }
    RECT Stored() const { return Doc()->m_rcDisplayArea; }
    RECT Selection() const { return View()->m_rcSelection; }

    sim::Converter* converter = nullptr;
};

inline bool SameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

} // namespace testing_support
