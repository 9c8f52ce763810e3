// The key table of the Shortcut Key page and the overlap rule.
#include "shell/ShortcutCommands.h"

#include <gtest/gtest.h>

namespace {

TEST(ShortcutKeys, TableHasItsFiftyNineKeysInOrder) {
    EXPECT_EQ(0u, FindKeyIndex(0x08));
    EXPECT_EQ(10u, FindKeyIndex(0x28));
    EXPECT_EQ(11u, FindKeyIndex('0'));
    EXPECT_EQ(21u, FindKeyIndex('A'));
    EXPECT_EQ(46u, FindKeyIndex('Z'));
    EXPECT_EQ(47u, FindKeyIndex(0x70));
    EXPECT_EQ(58u, FindKeyIndex(0x7B));
    EXPECT_EQ(KEY_CODE_COUNT, FindKeyIndex(0x7C)) << "F13 is not offered";
    EXPECT_EQ(KEY_CODE_COUNT, FindKeyIndex(0)) << "nor is no key at all";
}

TEST(ShortcutKeys, OverlapNeedsTheSameKeyAndTheSameModifiers) {
    const SHORTCUT_KEY same[] = {{'F', 6}, {'F', 6}};
    const SHORTCUT_KEY shifted[] = {{'F', 6}, {'F', 7}};
    const SHORTCUT_KEY otherKey[] = {{'L', 6}, {'F', 6}};
    EXPECT_TRUE(ShortcutsOverlap(same, 2));
    EXPECT_FALSE(ShortcutsOverlap(shifted, 2));
    EXPECT_FALSE(ShortcutsOverlap(otherKey, 2));
    EXPECT_FALSE(ShortcutsOverlap(same, 1));
}

TEST(ShortcutKeys, DefaultsAreCtrlAltLAndCtrlAltF) {
    EXPECT_EQ(static_cast<DWORD>('L'), DEFAULT_SHORTCUTS[0].vk);
    EXPECT_EQ(6u, DEFAULT_SHORTCUTS[0].flags);
    EXPECT_EQ(static_cast<LPARAM>(WM_LBUTTONUP), SHORTCUT_COMMANDS[0].lParam);
    EXPECT_EQ(static_cast<DWORD>('F'), DEFAULT_SHORTCUTS[1].vk);
    EXPECT_EQ(static_cast<WPARAM>(32782), SHORTCUT_COMMANDS[1].wParam);
}

} // namespace
