// A message box takes activation from its owner while it is up and gives it back when it
// closes: the owner hears WM_ACTIVATE with WA_INACTIVE, then WA_ACTIVE. A program whose
// window reacts to deactivation sees a report as a deactivation.
#include "tests/conformance/harness.h"

#include <vector>

namespace {

// Closes the box as a user would, from inside its modal loop (in the simulation the user
// answers the box before any timer is due).
void CALLBACK AnswerTheBox(HWND owner, UINT, UINT_PTR id, DWORD) {
    KillTimer(owner, id);
    if (const HWND box = GetActiveWindow(); box != nullptr && box != owner) {
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
}

} // namespace

CONFORMANCE_TEST(AMessageBoxTakesActivationFromItsOwnerAndGivesItBack) {
    const HWND owner =
        CreateWindowExA(0, conformance::LoggingClass(), "owner", WS_POPUP | WS_VISIBLE, 100, 100,
                        200, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(owner);
    conformance::PumpMessages(100);
    ok(GetActiveWindow() == owner, "the owner is active first");
    conformance::Log().Clear();
    SetTimer(owner, 1, 300, AnswerTheBox);
    ok(MessageBoxA(owner, "A report", "Corvane", MB_OK | MB_ICONERROR) == IDOK, "answered OK");
    conformance::PumpMessages(100);
    std::vector<conformance::LoggedMessage> activations;
    for (const conformance::LoggedMessage& m : conformance::Log().Messages()) {
        if (m.window == owner && m.message == WM_ACTIVATE) {
            activations.push_back(m);
        }
    }
    ok(activations.size() == 2, "two activation changes: %s",
       conformance::Log().Describe().c_str());
    if (activations.size() == 2) {
        ok(LOWORD(activations[0].wParam) == WA_INACTIVE && activations[0].lParam != 0 &&
               reinterpret_cast<HWND>(activations[0].lParam) != owner,
           "deactivated for the box");
        ok(LOWORD(activations[1].wParam) != WA_INACTIVE, "activated again when it closed");
    }
    ok(GetActiveWindow() == owner, "the owner is active again");
    ok(IsWindowEnabled(owner), "and enabled");
    DestroyWindow(owner);
}
