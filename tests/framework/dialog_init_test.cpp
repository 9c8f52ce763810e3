// A dialog's initialisation data read into its combo boxes: whole, cut short anywhere, or
// naming what the program's dialogs do not hold.
#include "framework/DialogInit.h"
#include "platform/sim/control/world.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kCombo = 1005;

struct Case {
    const char* name;
    std::string bytes;
    BOOL whole;
    int items;
};

std::ostream& operator<<(std::ostream& out, const Case& c) {
    return out << c.name;
}

std::string Record(WORD id, WORD message, const std::string& text, DWORD length) {
    std::string out;
    for (unsigned value : {unsigned{id}, unsigned{message}}) {
        out += static_cast<char>(value & 0xFF);
        out += static_cast<char>(value >> 8);
    }
    for (int i = 0; i < 4; ++i) {
        out += static_cast<char>((length >> (8 * i)) & 0xFF);
    }
    return out + text;
}

std::string Item(const std::string& text) {
    return Record(kCombo, 0x0403, text + '\0', static_cast<DWORD>(text.size() + 1));
}

const std::string kEnd(2, '\0');

const Case kCases[] = {
    {"TwoItems", Item("Left") + Item("Right") + kEnd, TRUE, 2},
    {"Nothing", "", TRUE, 0},
    {"OnlyTheEnd", kEnd, TRUE, 0},
    {"HeaderCutShort", Item("Left").substr(0, 5), FALSE, 0},
    {"TextLongerThanTheData", Record(kCombo, 0x0403, "Le", 400), FALSE, 0},
    {"TextWithoutItsZero", Record(kCombo, 0x0403, "Left", 4) + kEnd, FALSE, 0},
    {"AListBoxRecordIsPassedOver",
     Record(kCombo, 0x0401, std::string("x\0", 2), 2) + Item("Left") + kEnd, TRUE, 1},
    {"NoEndAfterTheLastItem", Item("Left"), FALSE, 1},
};

class DialogInitTest : public ::testing::TestWithParam<Case> {
  protected:
    DialogInitTest() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.lpszClassName = "DialogInitParent";
        RegisterClassA(&windowClass);
        parent = CreateWindowExA(0, "DialogInitParent", "", WS_POPUP, 0, 0, 300, 200, nullptr,
                                 nullptr, nullptr, nullptr);
        combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 100, 100,
                                parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCombo)),
                                nullptr, nullptr);
    }
    int Items() const { return static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0)); }

    sim::World world;
    HWND parent = nullptr;
    HWND combo = nullptr;
};

TEST_P(DialogInitTest, ReadsWhatIsThereAndNothingBeyond) {
    const Case& c = GetParam();
    EXPECT_EQ(c.whole, ExecuteDlgInit(parent, reinterpret_cast<const BYTE*>(c.bytes.data()),
                                      static_cast<DWORD>(c.bytes.size())));
    EXPECT_EQ(c.items, Items());
}

INSTANTIATE_TEST_SUITE_P(Data, DialogInitTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogInitTest, TheShortcutKeyPageGetsItsKeysAndCommandsInTheMachinesLanguage) {
    world.SetLanguage(sim::Language::Japanese);
    const HWND command = CreateWindowExA(
        0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 100, 100, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_COMMAND)), nullptr, nullptr);
    ExecuteDlgInit(parent, IDD_SHORTCUTKEY);
    EXPECT_EQ(59, Items());
    char text[64] = {};
    SendMessageA(command, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ("左ﾎﾞﾀﾝ ﾒﾆｭｰ", text);
    ExecuteDlgInit(parent, IDD_ABOUTBOX);
    EXPECT_EQ(59, Items()) << "a dialog without such data adds nothing";
}

} // namespace
