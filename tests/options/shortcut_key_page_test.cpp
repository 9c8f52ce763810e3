// The Shortcut Key page: the definitions shown and edited per command, Default and Restore,
// the overlap check on leaving, and what the hook library hears after OK.
#include "platform/sim/hook/hook_state.h"
#include "platform/sim/user32/user32_state.h"
#include "tests/options/option_harness.h"

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing_support::OptionSheetTest;

constexpr int kKeyIndexF = 26;
constexpr int kKeyIndexG = 27;
constexpr int kKeyIndexK = 31;
constexpr int kKeyIndexL = 32;

class ShortcutKeyPageTest : public OptionSheetTest {
  protected:
    // The page alone, as without a converter.
    void StartAlone() {
        ASSERT_TRUE(Start());
        sim::Hook().calls.clear();
    }
    void ChooseCommand(int command) { world.input.ChooseListItem(Control(IDC_COMMAND), command); }
    void ChooseKey(int index) { world.input.ChooseListItem(Control(IDC_KEY), index); }
    struct Shown {
        bool shift, ctrl, alt;
        int key;
    };
    Shown Showing() const {
        return Shown{Checked(IDC_SHIFT), Checked(IDC_CTRL), Checked(IDC_ALT), Selection(IDC_KEY)};
    }
    SHORTCUT_ENTRY& Entry(int command) const {
        return *app.m_shortcutList[static_cast<std::size_t>(command)];
    }
};

TEST_F(ShortcutKeyPageTest, TheDefaultsShowAsCtrlAltLForTheLeftButtonMenu) {
    StartAlone();
    Shown shown{};
    int command = -1;
    char key[16] = {};
    RunSheet({[&](HWND) {
        shown = Showing();
        command = Selection(IDC_COMMAND);
        GetWindowTextA(Control(IDC_KEY), key, sizeof key);
        Cancel();
    }});
    EXPECT_EQ(0, command);
    EXPECT_FALSE(shown.shift);
    EXPECT_TRUE(shown.ctrl && shown.alt);
    EXPECT_EQ(kKeyIndexL, shown.key);
    EXPECT_STREQ("L", key);
}

TEST_F(ShortcutKeyPageTest, EachCommandShowsAndEditsItsOwnDefinition) {
    StartAlone();
    Shown fullScreen{};
    RunSheet({[&](HWND) {
        ChooseCommand(1);
        fullScreen = Showing();
        ChooseKey(kKeyIndexG);
        Ok();
    }});
    EXPECT_EQ(kKeyIndexF, fullScreen.key);
    EXPECT_EQ(static_cast<DWORD>('L'), Entry(0).vk) << "the other command keeps its key";
    EXPECT_EQ(static_cast<DWORD>('G'), Entry(1).vk);
    EXPECT_EQ(6u, Entry(1).flags);
}

TEST_F(ShortcutKeyPageTest, DefaultAndRestoreActOnTheCurrentCommandOnly) {
    StartAlone();
    Entry(0).vk = 'K';
    Entry(1).vk = 'G';
    Shown afterDefault{}, afterRestore{};
    RunSheet({[&](HWND) {
        ChooseCommand(1);
        Click(IDC_DEFAULT);
        ChooseCommand(0);
        ChooseKey(kKeyIndexL);
        Click(IDC_DEFAULT);
        afterDefault = Showing();
        Click(IDC_RESTORE);
        afterRestore = Showing();
        Ok();
    }});
    EXPECT_EQ(kKeyIndexL, afterDefault.key);
    EXPECT_EQ(kKeyIndexK, afterRestore.key) << "what it had when the sheet opened";
    EXPECT_EQ(static_cast<DWORD>('K'), Entry(0).vk);
    EXPECT_EQ(static_cast<DWORD>('F'), Entry(1).vk);
}

TEST_F(ShortcutKeyPageTest, EqualDefinitionsAreRefusedUntilAModifierDiffers) {
    StartAlone();
    bool stillOpen = false;
    RunSheet({[&](HWND sheet) {
                  ChooseCommand(1);
                  ChooseKey(kKeyIndexL);
                  Ok();
                  stillOpen = IsWindow(sheet) && IsWindowVisible(sheet);
              },
              [&](HWND) {
                  Click(IDC_SHIFT);
                  Ok();
              }});
    ASSERT_EQ(1u, sim::User32().messageBoxes.size());
    EXPECT_EQ("Some shortcut key definitions are overlapping.", sim::User32().messageBoxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONHAND), sim::User32().messageBoxes[0].type & 0xF0u);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(static_cast<DWORD>('L'), Entry(1).vk);
    EXPECT_EQ(7u, Entry(1).flags);
    EXPECT_THAT(sim::Hook().calls, ElementsAre("RemoveShortcut 70/6", "AddShortcut 76/7"))
        << "only the changed entry is registered anew";
}

TEST_F(ShortcutKeyPageTest, NoChangeNoHookCallAndCancelDiscardsEdits) {
    StartAlone();
    RunSheet({[&](HWND) { Ok(); }});
    EXPECT_THAT(sim::Hook().calls, IsEmpty());
    RunSheet({[&](HWND) {
        ChooseKey(kKeyIndexG);
        Cancel();
    }});
    EXPECT_THAT(sim::Hook().calls, IsEmpty());
    EXPECT_EQ(static_cast<DWORD>('L'), Entry(0).vk);
}

TEST_F(ShortcutKeyPageTest, TheNewKeyWorksAtOnce) {
    world.Plug();
    ASSERT_TRUE(Start());
    RunSheet({[&](HWND) {
        ChooseTab(2);
        ChooseCommand(1);
        ChooseKey(kKeyIndexG);
        Ok();
    }});
    EXPECT_TRUE(world.input.TypeKey('G', SHORTCUT_CTRL | SHORTCUT_ALT));
    EXPECT_FALSE(world.input.TypeKey('F', SHORTCUT_CTRL | SHORTCUT_ALT)) << "the old one is free";
}

TEST_F(ShortcutKeyPageTest, AStoredKeyOutsideTheTableShowsNoKeyAndStaysUntilOneIsChosen) {
    Store("ShortcutKeys", "Key_2", 0x7C);
    StartAlone();
    int shown = 0;
    RunSheet({[&](HWND) {
        ChooseCommand(1);
        shown = Selection(IDC_KEY);
        Ok();
    }});
    EXPECT_EQ(CB_ERR, shown) << "not the other command's key";
    EXPECT_EQ(0x7Cu, Entry(1).vk);
    EXPECT_THAT(sim::Hook().calls, IsEmpty());
}

} // namespace
