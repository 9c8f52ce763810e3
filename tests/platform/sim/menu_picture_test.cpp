// An open popup menu is on the screen where it was opened, its keyboard selection
// highlighted, and gone once it closes.
#include "platform/sim/control/world.h"
#include "platform/sim/interaction.h"
#include "platform/win32.h"
#include "res/resource.h"
#include "tests/platform/sim/test_window.h"

#include <gtest/gtest.h>

namespace {

// Presses Down, then looks at the screen with the first item selected, then presses Esc.
class UserWhoLooksAtTheMenu : public sim::AbsentUser {
  public:
    explicit UserWhoLooksAtTheMenu(sim::World& world) : m_world(world) {}
    UINT ChooseFromMenu(HMENU, HWND) override {
        if (++m_asked == 1) {
            m_world.input.TypeKey(VK_DOWN);
        } else {
            seen = m_world.RepaintedScreen().Picture();
            m_world.input.TypeKey(VK_ESCAPE);
        }
        return sim::kMenuKeysPressed;
    }
    sim::Image seen;

  private:
    sim::World& m_world;
    int m_asked = 0;
};

TEST(MenuPicture, TheOpenMenuShowsWhereItOpenedWithItsSelectionHighlighted) {
    sim::World world;
    UserWhoLooksAtTheMenu user(world);
    world.SetUser(&user);
    const HWND owner = testing_support::CreateTestWindow("MenuOwner", DefWindowProcA,
                                                         WS_POPUP | WS_VISIBLE, RECT{0, 0, 10, 10});
    SetForegroundWindow(owner);
    const HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAYMENU));
    const sim::Image before = world.RepaintedScreen().Picture();
    TrackPopupMenu(GetSubMenu(menu, 1), TPM_RETURNCMD, 300, 200, 0, owner, nullptr);
    const sim::Image after = world.RepaintedScreen().Picture();
    const std::uint32_t firstRow = user.seen.At(310, 212);
    const std::uint32_t secondRow = user.seen.At(310, 232);
    EXPECT_NE(firstRow, before.At(310, 212)) << "the menu covers the desktop below its corner";
    EXPECT_NE(firstRow, secondRow) << "the selected first item stands out from the second";
    EXPECT_EQ(user.seen.At(290, 212), before.At(290, 212)) << "nothing left of the point";
    EXPECT_EQ(after.At(310, 212), before.At(310, 212)) << "closed, it is gone";
    DestroyMenu(menu);
    world.SetUser(nullptr);
}

} // namespace
