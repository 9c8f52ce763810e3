// Select Window over other programs' windows, and the quarter and sixteenth cells.
#include "platform/sim/user32/user32_state.h"
#include "tests/view/view_harness.h"

namespace {

using testing_support::SameRect;
using testing_support::ViewTest;

class SelectWindowTest : public ViewTest {
  protected:
    // An editor with a caption, and a toolbar and a text area inside its client area.
    void FurnishDesktop() {
        sim::WindowManager::ForeignWindow editor;
        editor.title = "Editor";
        editor.rect = RECT{50, 50, 650, 550};
        editor.client = RECT{54, 73, 646, 546};
        this->editor = sim::Windows().AddForeignWindow(editor);
        sim::WindowManager::ForeignWindow text;
        text.parent = this->editor;
        text.rect = RECT{54, 113, 646, 546};
        text.client = text.rect;
        this->text = sim::Windows().AddForeignWindow(text);
        sim::WindowManager::ForeignWindow hidden = text;
        hidden.visible = false;
        hidden.rect = hidden.client.emplace(RECT{54, 73, 200, 113});
        sim::Windows().AddForeignWindow(hidden);
    }
    HWND editor = nullptr;
    HWND text = nullptr;
};

TEST_F(SelectWindowTest, PicksTheDeepestChildsClientAreaShapedToTheAspectRatio) {
    FurnishDesktop();
    StartWithConverter();
    Doc()->m_nAspectRatio = 2;
    Choose(ID_SELECT_WINDOW);
    world.input.MoveMouse(300, 300);
    EXPECT_TRUE(SameRect(Selection(), RECT{54, 113, 646, 546})) << "the text area";
    world.input.MoveMouse(100, 90);
    EXPECT_TRUE(SameRect(Selection(), RECT{54, 73, 646, 546}))
        << "a hidden child is passed over for its parent";
    Doc()->m_nAspectRatio = 0;
    world.input.MoveMouse(300, 301);
    EXPECT_TRUE(SameRect(Selection(), RECT{54, 113, 646, 557})) << "shaped to 4:3";
    world.input.Click();
    EXPECT_TRUE(SameRect(Stored(), RECT{54, 113, 646, 557}));
}

TEST_F(SelectWindowTest, ATitleBarFallsThroughToTheWindowBeneath) {
    FurnishDesktop();
    sim::WindowManager::ForeignWindow front;
    front.title = "Front";
    front.rect = RECT{300, 60, 700, 300};
    front.client = RECT{304, 83, 696, 296};
    sim::Windows().AddForeignWindow(front);
    StartWithConverter();
    Doc()->m_nAspectRatio = 2;
    Choose(ID_SELECT_WINDOW);
    world.input.MoveMouse(400, 75); // Front's caption, over the editor's client area
    EXPECT_TRUE(SameRect(Selection(), RECT{54, 73, 646, 546}));
    world.input.MoveMouse(400, 62); // Front's caption, over the editor's
    EXPECT_TRUE(SameRect(Selection(), RECT{54, 73, 646, 546})) << "nothing found: unchanged";
}

TEST_F(SelectWindowTest, TransparentWindowsAndDisabledChildrenArePassedOver) {
    FurnishDesktop();
    sim::WindowManager::ForeignWindow overlay;
    overlay.rect = overlay.client.emplace(RECT{0, 0, 1024, 768});
    overlay.transparent = true; // another program's click-through overlay
    sim::Windows().AddForeignWindow(overlay);
    EnableWindow(text, FALSE);
    StartWithConverter();
    Doc()->m_nAspectRatio = 2;
    Choose(ID_SELECT_WINDOW);
    world.input.MoveMouse(300, 300);
    EXPECT_TRUE(SameRect(Selection(), RECT{54, 73, 646, 546})) << "the editor itself";
}

TEST_F(SelectWindowTest, AMaximisedWindowIsClippedToTheScreen) {
    sim::WindowManager::ForeignWindow maximised;
    maximised.rect = RECT{-4, -4, 1028, 772};
    maximised.client = RECT{0, 19, 1024, 768};
    sim::Windows().AddForeignWindow(maximised);
    StartWithConverter();
    Doc()->m_nAspectRatio = 2;
    Choose(ID_SELECT_WINDOW);
    world.input.MoveMouse(500, 500);
    EXPECT_TRUE(SameRect(Selection(), RECT{0, 19, 1024, 768}));
}

class CellTest : public ViewTest {};

TEST_F(CellTest, QuarterScreenStepsByCellsAndEnterCommits) {
    StartWithConverter();
    Choose(ID_QUARTER_SCREEN);
    EXPECT_TRUE(OverlayShown());
    EXPECT_FALSE(IsWindowVisible(View()->m_wndIndicator.m_hWnd)) << "no indicator here";
    EXPECT_TRUE(SameRect(Selection(), RECT{0, 0, 511, 383}));
    EXPECT_TRUE(Doc()->m_bPreview) << "the first cell is on the TV at once";
    world.input.TypeKey(VK_RIGHT);
    EXPECT_TRUE(SameRect(Selection(), RECT{512, 0, 1023, 383}));
    world.input.TypeKey(VK_RIGHT);
    EXPECT_TRUE(SameRect(Selection(), RECT{512, 0, 1023, 383})) << "a second Right is refused";
    world.input.PressKey(VK_DOWN, 3);
    world.input.ReleaseKey(VK_DOWN);
    EXPECT_TRUE(SameRect(Selection(), RECT{512, 384, 1023, 767})) << "auto-repeats are ignored";
    world.input.TypeKey(VK_RETURN);
    EXPECT_TRUE(SameRect(Stored(), RECT{512, 384, 1023, 767}));
    EXPECT_FALSE(OverlayShown());
    EXPECT_EQ(0, View()->m_nDivisor);
}

TEST_F(CellTest, SixteenthScreenStartsSmallerAndAClickCommits) {
    StartWithConverter();
    // It has no menu item: the command reaches the frame as a message.
    Frame()->SendMessage(WM_COMMAND, ID_SIXTEENTH_SCREEN, 0);
    EXPECT_TRUE(SameRect(Selection(), RECT{0, 0, 255, 191}));
    world.input.TypeKey(VK_DOWN);
    world.input.ClickAt(900, 700);
    EXPECT_TRUE(SameRect(Stored(), RECT{0, 192, 255, 383})) << "where the click is plays no part";
}

} // namespace
