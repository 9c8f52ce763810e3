// The controls of the Option sheet's pages that hold a choice: check boxes, radio buttons in
// groups, icon buttons, group boxes and drop-down lists.
#include "tests/conformance/harness.h"

#include <string>

using conformance::Log;

namespace {

HWND CreateParent() {
    const HWND parent =
        CreateWindowExA(0, conformance::LoggingClass(), "parent", WS_POPUP | WS_VISIBLE, 100, 100,
                        300, 260, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowPos(parent, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return parent;
}

HWND CreateChild(const char* className, DWORD style, int y, int height, HWND parent, int id) {
    return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 10, y, 120, height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

void Click(HWND control) {
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    conformance::PumpMessages(0);
}

bool Checked(HWND button) {
    return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int Commands(WORD id, WORD code) {
    int count = 0;
    for (const conformance::LoggedMessage& m : Log().Messages()) {
        count += m.message == WM_COMMAND && m.wParam == MAKEWPARAM(id, code) ? 1 : 0;
    }
    return count;
}

} // namespace

CONFORMANCE_TEST(AutomaticCheckBoxTurnsOverOnEachClick) {
    const HWND parent = CreateParent();
    const HWND box = CreateChild("BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 10, 16, parent, 2001);
    ok(SendMessageA(box, WM_GETDLGCODE, 0, 0) == DLGC_BUTTON, "a check box is a plain button");
    Log().Clear();
    Click(box);
    ok(Checked(box), "checked by the first click");
    ok(Commands(2001, BN_CLICKED) == 1, "and the parent told: %s", Log().Describe().c_str());
    Click(box);
    ok(!Checked(box), "cleared by the second");
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    Log().Clear();
    SendMessageA(box, BM_SETCHECK, BST_UNCHECKED, 0);
    ok(!Checked(box) && Commands(2001, BN_CLICKED) == 0, "BM_SETCHECK tells nobody");
    DestroyWindow(parent);
}

CONFORMANCE_TEST(AutomaticRadioButtonsClearTheRestOfTheirGroupOnly) {
    const HWND parent = CreateParent();
    const HWND first = CreateChild("BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, 10, 16, parent, 2011);
    const HWND second = CreateChild("BUTTON", BS_AUTORADIOBUTTON, 30, 16, parent, 2012);
    const HWND third = CreateChild("BUTTON", BS_AUTORADIOBUTTON, 50, 16, parent, 2013);
    const HWND other = CreateChild("BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, 70, 16, parent, 2014);
    ok((SendMessageA(first, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0, "radio buttons say so");
    SendMessageA(first, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(other, BM_SETCHECK, BST_CHECKED, 0);
    Log().Clear();
    Click(third);
    ok(Checked(third) && !Checked(first) && !Checked(second), "one of a group checked");
    ok(Checked(other), "the next group keeps its choice");
    ok(Commands(2013, BN_CLICKED) == 1, "the click told: %s", Log().Describe().c_str());
    Click(third);
    ok(Checked(third), "clicking the checked one keeps it");
    DestroyWindow(parent);
}

CONFORMANCE_TEST(GroupBoxLetsTheMouseThroughAndIconButtonsKeepTheirIcon) {
    const HWND parent = CreateParent();
    const HWND frame = CreateChild("BUTTON", BS_GROUPBOX, 10, 100, parent, -1);
    const HWND inside = CreateChild("BUTTON", BS_AUTORADIOBUTTON, 40, 16, parent, 2021);
    ok(SendMessageA(frame, WM_GETDLGCODE, 0, 0) == DLGC_STATIC, "a group box is static");
    ok(WindowFromPoint(POINT{100 + 15, 100 + 45}) == inside, "the button inside takes the mouse");
    ok(WindowFromPoint(POINT{100 + 15, 100 + 90}) == parent, "the frame lets it through");
    const HWND arrow = CreateChild("BUTTON", BS_ICON, 150, 20, parent, 2022);
    const HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
    ok(SendMessageA(arrow, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)) == 0,
       "no icon before");
    ok(reinterpret_cast<HICON>(SendMessageA(arrow, BM_GETIMAGE, IMAGE_ICON, 0)) == icon,
       "the icon it was given");
    DestroyWindow(parent);
}

CONFORMANCE_TEST(DropDownListHoldsItemsAndStepsWithTheArrowKeys) {
    const HWND parent = CreateParent();
    const HWND combo =
        CreateChild("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 10, 120, parent, 2031);
    RECT rect{};
    GetWindowRect(combo, &rect);
    ok(rect.bottom - rect.top < 40, "the field is one line high, not the list's height: %ld",
       static_cast<long>(rect.bottom - rect.top));
    for (const char* item : {"Left Button Menu", "Full Screen", "Cross Hatch"}) {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    ok(SendMessageA(combo, CB_GETCOUNT, 0, 0) == 3, "three items");
    ok(SendMessageA(combo, CB_GETCURSEL, 0, 0) == CB_ERR, "none chosen at first");
    ok(SendMessageA(combo, CB_SETCURSEL, 1, 0) == 1, "choosing an item answers its index");
    char text[32] = {};
    ok(SendMessageA(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text)) == 11 &&
           std::string(text) == "Full Screen",
       "its text: %s", text);
    GetWindowTextA(combo, text, sizeof text);
    ok(std::string(text) == "Full Screen", "the field shows it: %s", text);
    ok(SendMessageA(combo, CB_SETCURSEL, 59, 0) == CB_ERR, "an index past the end");
    ok(SendMessageA(combo, CB_GETCURSEL, 0, 0) == 1,
       "keeps the choice, though the documentation says it clears it: %ld",
       static_cast<long>(SendMessageA(combo, CB_GETCURSEL, 0, 0)));
    ok(SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0) == CB_ERR,
       "-1 answers CB_ERR");
    ok(SendMessageA(combo, CB_GETCURSEL, 0, 0) == CB_ERR, "and chooses none");
    GetWindowTextA(combo, text, sizeof text);
    ok(text[0] == '\0', "the field is empty: %s", text);
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SetFocus(combo);
    Log().Clear();
    PostMessageA(combo, WM_KEYDOWN, VK_DOWN, 1);
    conformance::PumpMessages(0);
    ok(SendMessageA(combo, CB_GETCURSEL, 0, 0) == 1, "Down chooses the next item");
    ok(Commands(2031, CBN_SELCHANGE) == 1, "and tells the parent once: %s",
       Log().Describe().c_str());
    Log().Clear();
    SendMessageA(combo, CB_SETCURSEL, 2, 0);
    ok(Commands(2031, CBN_SELCHANGE) == 0, "CB_SETCURSEL tells nobody");
    DestroyWindow(parent);
}
