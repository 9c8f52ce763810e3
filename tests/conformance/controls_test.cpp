// The system's control classes the program creates: a static text (the view's indicator)
// and push buttons.
#include "tests/conformance/harness.h"

#include <string>

using conformance::Expected;
using conformance::Log;

namespace {

constexpr int kButtonId = 1001;

HWND CreateParent() {
    const HWND parent =
        CreateWindowExA(0, conformance::LoggingClass(), "parent", WS_POPUP | WS_VISIBLE, 100, 100,
                        300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowPos(parent, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return parent;
}

HWND CreateControl(const char* className, DWORD style, HWND parent, int id) {
    return CreateWindowExA(0, className, "", WS_CHILD | style, 10, 10, 120, 24, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

} // namespace

CONFORMANCE_TEST(StaticTextWithTheIndicatorsStyles) {
    const HWND parent = CreateParent();
    const HWND indicator =
        CreateControl("STATIC", SS_SUNKEN | SS_CENTERIMAGE | SS_CENTER, parent, 1000);
    ok(indicator != nullptr, "a static control is created: %lu", GetLastError());
    ok(GetDlgCtrlID(indicator) == 1000, "its id");
    ok(!IsWindowVisible(indicator), "hidden until shown");
    char name[16] = {};
    GetClassNameA(indicator, name, sizeof name);
    ok(std::string(name) == "Static", "class %s", name);
    SetWindowTextA(indicator, "(0, 0) - (159, 89) 160 x 90");
    char text[64] = {};
    GetWindowTextA(indicator, text, sizeof text);
    ok(std::string(text) == "(0, 0) - (159, 89) 160 x 90", "its text: %s", text);
    LOGFONTA font{};
    font.lfHeight = -11;
    const HFONT handle = CreateFontIndirectA(&font);
    SendMessageA(indicator, WM_SETFONT, reinterpret_cast<WPARAM>(handle), FALSE);
    ok(reinterpret_cast<HFONT>(SendMessageA(indicator, WM_GETFONT, 0, 0)) == handle,
       "it keeps the font it is given");
    ShowWindow(indicator, SW_SHOW);
    ok(WindowFromPoint(POINT{100 + 20, 100 + 20}) == parent,
       "a static text lets the mouse through to its parent");
    DestroyWindow(parent);
    DeleteObject(handle);
}

CONFORMANCE_TEST(PushButtonsClickAndTellTheirState) {
    const HWND parent = CreateParent();
    const HWND button = CreateControl("BUTTON", WS_VISIBLE | BS_PUSHBUTTON, parent, kButtonId);
    ok(WindowFromPoint(POINT{100 + 20, 100 + 20}) == button, "a button takes the mouse");
    EnableWindow(button, FALSE);
    ok(WindowFromPoint(POINT{100 + 20, 100 + 20}) == parent,
       "a disabled child leaves the mouse to its parent");
    EnableWindow(button, TRUE);
    ok(SendMessageA(button, WM_GETDLGCODE, 0, 0) == (DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON),
       "an ordinary push button");
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    ok((SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0, "pushed");
    SendMessageA(button, BM_SETSTATE, FALSE, 0);
    ok((SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) == 0, "released");
    Log().Clear();
    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    conformance::PumpMessages(0);
    ok((SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0, "pushed while held");
    ok(GetCapture() == button, "and holding the mouse");
    PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    conformance::PumpMessages(0);
    ok(GetCapture() == nullptr, "the mouse is let go");
    ok_sequence(
        Log(),
        (std::vector<Expected>{{WM_KILLFOCUS, true},
                               {WM_COMMAND, false, true, MAKEWPARAM(kButtonId, BN_CLICKED)}}),
        "a click tells the parent");
    Log().Clear();
    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(500, 5));
    conformance::PumpMessages(0);
    ok(Log().Messages().empty(), "released off the button is no click: %s",
       Log().Describe().c_str());
    DestroyWindow(parent);
}

CONFORMANCE_TEST(HeldButtonDisabledLetsGoWithoutAClick) {
    const HWND parent = CreateParent();
    const HWND button = CreateControl("BUTTON", WS_VISIBLE | BS_PUSHBUTTON, parent, kButtonId);
    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    conformance::PumpMessages(0);
    ok(GetCapture() == button && GetFocus() == button, "held, with the mouse and the focus");
    EnableWindow(button, FALSE);
    ok(GetCapture() == nullptr, "disabling it lets the mouse go");
    ok((SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) == 0, "it is no longer pushed");
    ok(GetFocus() != button, "and it gives up the focus");
    Log().Clear();
    PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    conformance::PumpMessages(0);
    ok(Log().Messages().empty() || Log().Describe().find("0x0111") == std::string::npos,
       "releasing it then is no click: %s", Log().Describe().c_str());
    DestroyWindow(parent);
}
