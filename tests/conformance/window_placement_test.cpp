// What a program that follows another's window reads of it as that window is moved, resized,
// hidden and closed: its client area on the screen (children with it), whether it is visible,
// whether it is there at all.
#include "tests/conformance/harness.h"

namespace {

RECT ClientOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT corners[2] = {{client.left, client.top}, {client.right, client.bottom}};
    MapWindowPoints(window, nullptr, corners, 2);
    return RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

bool Moved(const RECT& before, const RECT& after, int dx, int dy, int dw, int dh) {
    return after.left == before.left + dx && after.top == before.top + dy &&
           after.right == before.right + dx + dw && after.bottom == before.bottom + dy + dh;
}

} // namespace

CONFORMANCE_TEST(AWindowIsReadWhereItWasMovedOrResizedAndGoneOnceHiddenOrClosed) {
    const HWND window = CreateWindowExA(0, conformance::LoggingClass(), "Followed",
                                        WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
                                        nullptr, nullptr, nullptr, nullptr);
    const HWND child = CreateWindowExA(0, conformance::LoggingClass(), "", WS_CHILD | WS_VISIBLE,
                                       10, 20, 50, 40, window, nullptr, nullptr, nullptr);
    const RECT client = ClientOnScreen(window);
    const RECT childClient = ClientOnScreen(child);

    ok(SetWindowPos(window, nullptr, 150, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE),
       "moved");
    const RECT moved = ClientOnScreen(window);
    ok(Moved(client, moved, 50, 30, 0, 0), "the client area moved with it: %ld %ld %ld %ld",
       moved.left, moved.top, moved.right, moved.bottom);
    ok(Moved(childClient, ClientOnScreen(child), 50, 30, 0, 0), "and its child with it");

    ok(SetWindowPos(window, nullptr, 0, 0, 400, 260, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE),
       "resized");
    const RECT resized = ClientOnScreen(window);
    ok(Moved(moved, resized, 0, 0, 100, 60), "the client area grew by as much: %ld %ld %ld %ld",
       resized.left, resized.top, resized.right, resized.bottom);
    ok(Moved(childClient, ClientOnScreen(child), 50, 30, 0, 0), "the child stayed in its place");

    ShowWindow(window, SW_HIDE);
    ok(IsWindow(window) && !IsWindowVisible(window) && !IsWindowVisible(child),
       "hidden: neither it nor its child is visible, and it is still there");
    ShowWindow(window, SW_SHOWNA);
    ok(IsWindowVisible(child), "shown again, the child is visible with it");

    DestroyWindow(window);
    ok(!IsWindow(window) && !IsWindow(child) && !IsWindowVisible(window),
       "closed: neither it nor its child is there any more");
}
