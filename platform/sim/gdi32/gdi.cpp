// Device contexts, fonts and their metrics.
#include "platform/sim/gdi32/canvas.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/user32/user32_state.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace {

// What a device context holds before anything is selected into it.
HGDIOBJ SystemFont() {
    return reinterpret_cast<HGDIOBJ>(static_cast<std::uintptr_t>(0x018A));
}

} // namespace

HDC GetDC(HWND window) {
    if (window != nullptr && sim::Windows().Find(window) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    const HDC dc = static_cast<HDC>(sim::Kernel32().NewHandle());
    sim::Gdi32().deviceContexts[dc] =
        sim::DeviceContext{window, SystemFont(), R2_COPYPEN, POINT{0, 0}};
    return dc;
}

int ReleaseDC(HWND, HDC dc) {
    return sim::Gdi32().deviceContexts.erase(dc) == 1 ? 1 : 0;
}

int GetDeviceCaps(HDC, int index) {
    return index == LOGPIXELSY ? 96 : 0;
}

HFONT CreateFontIndirectA(const LOGFONTA* font) {
    if (font == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const HFONT handle = static_cast<HFONT>(sim::Kernel32().NewHandle());
    sim::Gdi32().fonts[handle] = *font;
    return handle;
}

// A font into any context; a bitmap into a memory context only, and into one at a time.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    sim::DeviceContext* context = sim::FindDc(dc);
    if (context == nullptr) {
        return nullptr;
    }
    sim::Gdi32State& gdi = sim::Gdi32();
    if (object == sim::StockBitmap() || gdi.bitmaps.count(object) != 0) {
        const bool elsewhere = std::any_of(
            gdi.deviceContexts.begin(), gdi.deviceContexts.end(),
            [&](const auto& other) { return other.first != dc && other.second.bitmap == object; });
        if (!context->memory || (object != sim::StockBitmap() && elsewhere)) {
            return nullptr;
        }
        return std::exchange(context->bitmap, object);
    }
    if (object != SystemFont() && gdi.fonts.count(object) == 0) {
        return nullptr;
    }
    return static_cast<HGDIOBJ>(std::exchange(context->font, object));
}

BOOL DeleteObject(HGDIOBJ object) {
    return sim::Gdi32().fonts.erase(object) == 1 || sim::Gdi32().bitmaps.erase(object) == 1;
}

BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics) {
    const sim::DeviceContext* context = sim::FindDc(dc);
    if (context == nullptr || metrics == nullptr) {
        return FALSE;
    }
    // A sans-serif face: cell 1.2 times the em height, average width 0.45 of it.
    const auto font = sim::Gdi32().fonts.find(static_cast<HGDIOBJ>(context->font));
    const LONG em = font == sim::Gdi32().fonts.end() || font->second.lfHeight == 0
                        ? 13
                        : std::abs(font->second.lfHeight);
    *metrics = TEXTMETRICA{};
    metrics->tmHeight = (em * 12 + 5) / 10;
    metrics->tmAscent = metrics->tmHeight * 4 / 5;
    metrics->tmDescent = metrics->tmHeight - metrics->tmAscent;
    metrics->tmInternalLeading = metrics->tmHeight - em;
    metrics->tmExternalLeading = 0;
    metrics->tmAveCharWidth = (em * 45 + 50) / 100;
    metrics->tmMaxCharWidth = em;
    metrics->tmWeight = 400;
    return TRUE;
}

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) {
        return -1;
    }
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    // Rounded half away from zero, as Windows does.
    const std::int64_t half = std::llabs(denominator) / 2;
    const std::int64_t rounded =
        ((product < 0) != (denominator < 0) ? product - (denominator < 0 ? -half : half)
                                            : product + (denominator < 0 ? -half : half)) /
        denominator;
    return static_cast<int>(rounded);
}
