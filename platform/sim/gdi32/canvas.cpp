#include "platform/sim/gdi32/canvas.h"

#include "platform/sim/display/screen.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/desktop_painter.h"
#include "platform/sim/user32/user32_state.h"

namespace sim {

namespace {

// The window's client origin on the screen; a context of no window is the screen's.
POINT ScreenOrigin(const DeviceContext& context) {
    POINT origin{0, 0};
    if (context.window != nullptr) {
        ClientToScreen(context.window, &origin);
    }
    return origin;
}

} // namespace

void ComposeScreen() {
    PaintDesktop(Windows(), PrimaryScreen().Windows());
}

std::optional<std::uint32_t> ReadPixel(const DeviceContext& context, int x, int y) {
    if (context.memory) {
        const auto bitmap = Gdi32().bitmaps.find(context.bitmap);
        if (bitmap == Gdi32().bitmaps.end() || !bitmap->second.Contains(x, y)) {
            return std::nullopt;
        }
        return bitmap->second.At(x, y);
    }
    const POINT origin = ScreenOrigin(context);
    const Screen& screen = PrimaryScreen();
    if (!screen.Contains(x + origin.x, y + origin.y)) {
        return std::nullopt;
    }
    return screen.Pixel(x + origin.x, y + origin.y);
}

Canvas CanvasOf(const DeviceContext& context) {
    if (context.memory) {
        const auto bitmap = Gdi32().bitmaps.find(context.bitmap);
        return Canvas{bitmap == Gdi32().bitmaps.end() ? nullptr : &bitmap->second, POINT{0, 0}};
    }
    if (context.window == nullptr) {
        return Canvas{};
    }
    Window* top = Windows().Find(GetAncestor(context.window, GA_ROOT));
    if (top == nullptr || !top->paintsItself) {
        return Canvas{};
    }
    const POINT origin = ScreenOrigin(context);
    return Canvas{&top->surface, POINT{origin.x - top->rect.left, origin.y - top->rect.top}};
}

Pixels CopyOfWhatItShows(const DeviceContext& context) {
    if (context.memory) {
        const Canvas bitmap = CanvasOf(context);
        return Pixels{bitmap.image ? *bitmap.image : Image(), POINT{0, 0}};
    }
    ComposeScreen();
    return Pixels{PrimaryScreen().Picture(), ScreenOrigin(context)};
}

DeviceContext* FindDc(HDC dc) {
    auto& contexts = Gdi32().deviceContexts;
    const auto found = contexts.find(dc);
    return found == contexts.end() ? nullptr : &found->second;
}

} // namespace sim
