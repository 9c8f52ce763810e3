// A modal dialog (the About box) closed every way a user closes one: a click on OK, Enter,
// Esc, the close box's SC_CLOSE and WM_CLOSE. The input is posted as the system posts a
// user's, and the dialog manager turns it into the dialog's commands.
#include "res/resource.h"
#include "tests/conformance/harness.h"

#include <cstdlib>
#include <string>

namespace {

enum class Closing { ClickOk, Enter, Escape, CloseBox, AltF4, CloseMessage };

struct DialogRun {
    explicit DialogRun(Closing how) : closing(how) {}
    Closing closing;
    HWND owner = nullptr;
    bool ownerDisabledWhileUp = false;
    WPARAM commandWParam = 0;
    LPARAM commandLParam = 0;
    HWND okButton = nullptr;
    HWND focusAtCommand = nullptr;
    LRESULT defaultId = 0;
    RECT placed{};
    std::string buttonClass;
    std::string dialogClass;
    HWND missingItem = nullptr;
};

DialogRun* g_run = nullptr;

void PostClosing(HWND dialog) {
    const HWND ok = GetDlgItem(dialog, IDOK);
    switch (g_run->closing) {
    case Closing::ClickOk:
        PostMessageA(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageA(ok, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        break;
    case Closing::Enter:
        PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 1);
        break;
    case Closing::Escape:
        PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 1);
        break;
    case Closing::CloseBox:
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case Closing::AltF4:
        PostMessageA(ok, WM_SYSKEYDOWN, VK_F4, MAKELPARAM(1, KF_ALTDOWN));
        break;
    case Closing::CloseMessage:
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        break;
    }
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        char name[32] = {};
        g_run->okButton = GetDlgItem(dialog, IDOK);
        g_run->ownerDisabledWhileUp = !IsWindowEnabled(g_run->owner);
        g_run->defaultId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
        GetWindowRect(dialog, &g_run->placed);
        GetClassNameA(g_run->okButton, name, sizeof name);
        g_run->buttonClass = name;
        GetClassNameA(dialog, name, sizeof name);
        g_run->dialogClass = name;
        g_run->missingItem = GetDlgItem(dialog, 4321);
        PostClosing(dialog);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        g_run->commandWParam = wParam;
        g_run->commandLParam = lParam;
        g_run->focusAtCommand = GetFocus();
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

INT_PTR RunAboutBox(DialogRun& run) {
    g_run = &run;
    run.owner =
        CreateWindowExA(0, conformance::LoggingClass(), "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        40, 30, 200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr),
                                           MAKEINTRESOURCEA(IDD_ABOUTBOX), run.owner, AboutProc, 0);
    ok(IsWindowEnabled(run.owner), "the owner is enabled again afterwards");
    DestroyWindow(run.owner);
    g_run = nullptr;
    return result;
}

} // namespace

CONFORMANCE_TEST(AboutBoxClosedByAClickOnOk) {
    DialogRun run(Closing::ClickOk);
    ok(RunAboutBox(run) == IDOK, "the result is IDOK");
    ok(run.commandWParam == MAKEWPARAM(IDOK, BN_CLICKED), "BN_CLICKED from OK");
    ok(run.commandLParam == reinterpret_cast<LPARAM>(run.okButton), "from the button's window");
    ok(run.ownerDisabledWhileUp, "the owner is disabled while the box is up");
    ok(run.defaultId == MAKELONG(IDOK, DC_HASDEFID), "OK is the default button: %08lx",
       static_cast<unsigned long>(run.defaultId));
    // DS_CENTER: in the middle of the screen, whatever the owner's place (the work area's
    // height depends on the taskbar, its width is the screen's).
    const long middle = (run.placed.left + run.placed.right) / 2;
    ok(std::abs(middle - GetSystemMetrics(SM_CXSCREEN) / 2) <= 1,
       "centred on the screen: its middle at %ld", middle);
    ok(run.buttonClass == "Button" && run.dialogClass == "#32770", "classes %s and %s",
       run.buttonClass.c_str(), run.dialogClass.c_str());
    ok(run.missingItem == nullptr, "GetDlgItem of no control");
}

CONFORMANCE_TEST(AboutBoxClosedByEnter) {
    DialogRun run(Closing::Enter);
    ok(RunAboutBox(run) == IDOK, "Enter presses the default button");
    ok(run.commandWParam == MAKEWPARAM(IDOK, BN_CLICKED) &&
           run.commandLParam == reinterpret_cast<LPARAM>(run.okButton),
       "as a click of OK");
    ok(run.focusAtCommand == run.okButton, "the first tab stop has the focus");
}

CONFORMANCE_TEST(AboutBoxClosedByEscape) {
    DialogRun run(Closing::Escape);
    ok(RunAboutBox(run) == IDCANCEL, "Esc cancels");
    ok(run.commandWParam == IDCANCEL && run.commandLParam == 0,
       "IDCANCEL, with no Cancel button to name");
}

CONFORMANCE_TEST(AboutBoxClosedByItsCloseBox) {
    DialogRun run(Closing::CloseBox);
    ok(RunAboutBox(run) == IDCANCEL, "SC_CLOSE cancels");
    ok(run.commandWParam == MAKEWPARAM(IDCANCEL, BN_CLICKED), "as IDCANCEL");
}

CONFORMANCE_TEST(AboutBoxClosedByAltF4) {
    DialogRun run(Closing::AltF4);
    ok(RunAboutBox(run) == IDCANCEL, "Alt+F4 on a control closes its dialog");
    ok(run.commandWParam == MAKEWPARAM(IDCANCEL, BN_CLICKED), "as IDCANCEL");
}

CONFORMANCE_TEST(AboutBoxClosedByWmClose) {
    DialogRun run(Closing::CloseMessage);
    ok(RunAboutBox(run) == IDCANCEL, "WM_CLOSE cancels rather than destroying the dialog");
    ok(run.commandWParam == MAKEWPARAM(IDCANCEL, BN_CLICKED), "as IDCANCEL");
}

namespace {

// What a window shown while the box is up finds: it is active and has the keyboard, and the
// box stays open (and its owner disabled) behind it.
struct ShownMeanwhile {
    HWND window = nullptr;
    HWND active = nullptr;
    HWND focus = nullptr;
    bool boxEnabled = false;
    bool ownerDisabled = false;
};
ShownMeanwhile g_shown;
HWND g_owner = nullptr;

INT_PTR CALLBACK ShowAWindowMeanwhile(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        PostMessageA(dialog, WM_APP, 0, 0); // once the box is up and active
        return TRUE;
    }
    if (message == WM_APP) {
        g_shown.window = CreateWindowExA(0, conformance::LoggingClass(), "another",
                                         WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 200, 200, 150,
                                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        g_shown.active = GetActiveWindow();
        g_shown.focus = GetFocus();
        g_shown.boxEnabled = IsWindowEnabled(dialog) != FALSE;
        g_shown.ownerDisabled = !IsWindowEnabled(g_owner);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

} // namespace

CONFORMANCE_TEST(AWindowShownWhileAModalBoxIsUpTakesTheKeyboard) {
    g_owner =
        CreateWindowExA(0, conformance::LoggingClass(), "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        40, 30, 200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUTBOX), g_owner,
                        ShowAWindowMeanwhile, 0);
    ok(result == IDCANCEL, "the box still ran to its end");
    ok(g_shown.window != nullptr && g_shown.active == g_shown.window,
       "the new window is active, not the box");
    ok(g_shown.focus == g_shown.window, "and has the keyboard focus");
    ok(g_shown.boxEnabled && g_shown.ownerDisabled, "the box stays usable, its owner disabled");
    DestroyWindow(g_shown.window);
    DestroyWindow(g_owner);
}
