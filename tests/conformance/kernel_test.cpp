// A named mutex: one object in the session, whose second creator learns that it existed.
#include "tests/conformance/harness.h"

CONFORMANCE_TEST(ANamedMutexTellsItsSecondCreatorItExisted) {
    const char name[] = "Local\\CorvaneConformance.Mutex";
    SetLastError(0xdeadbeef);
    const HANDLE first = CreateMutexA(nullptr, FALSE, name);
    ok(first != nullptr, "CreateMutexA");
    ok(GetLastError() == ERROR_SUCCESS, "a new one: %lu", GetLastError());
    const HANDLE second = CreateMutexA(nullptr, FALSE, name);
    ok(second != nullptr && second != first, "a second handle to it");
    ok(GetLastError() == ERROR_ALREADY_EXISTS, "which existed: %lu", GetLastError());
    ok(CloseHandle(second) && CloseHandle(first), "CloseHandle");
    const HANDLE again = CreateMutexA(nullptr, FALSE, name);
    ok(GetLastError() == ERROR_SUCCESS, "gone with its last handle: %lu", GetLastError());
    CloseHandle(again);
}

// A standing power request replaces the thread's last one and is returned by the next; a
// one-time request leaves it standing.
CONFORMANCE_TEST(AStandingDisplayRequestIsKeptUntilReplaced) {
    const EXECUTION_STATE before = SetThreadExecutionState(ES_CONTINUOUS | ES_DISPLAY_REQUIRED);
    ok(before != 0, "the previous state");
    ok(SetThreadExecutionState(ES_DISPLAY_REQUIRED) == (ES_CONTINUOUS | ES_DISPLAY_REQUIRED),
       "a one-time request returns the standing one");
    ok(SetThreadExecutionState(ES_CONTINUOUS) == (ES_CONTINUOUS | ES_DISPLAY_REQUIRED),
       "which is still standing");
    ok(SetThreadExecutionState(ES_CONTINUOUS) == ES_CONTINUOUS, "and gone once given up");
    SetThreadExecutionState(before & ES_CONTINUOUS ? before : ES_CONTINUOUS);
}
