#include "platform/sim/user32/desktop_painter.h"

#include "platform/sim/comctl32/comctl32.h"
#include "platform/sim/display/screen.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/menu.h"
#include "platform/sim/user32/user32_state.h"
#include "platform/sim/user32/window_manager.h"

#include <algorithm>
#include <vector>

namespace sim {

namespace {

constexpr std::uint32_t kFace = 0xF0F0F0;  // dialogs and controls
constexpr std::uint32_t kFrame = 0xD4D0C8; // window borders
constexpr std::uint32_t kEdge = 0x404040;
constexpr std::uint32_t kShadow = 0xA0A0A0;
constexpr std::uint32_t kActiveCaption = 0x0A246A;
constexpr std::uint32_t kInactiveCaption = 0x808080;
constexpr std::uint32_t kText = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

RECT ClientOnScreen(HWND handle) {
    RECT client{};
    GetClientRect(handle, &client);
    POINT origin{0, 0};
    ClientToScreen(handle, &origin);
    OffsetRect(&client, origin.x, origin.y);
    return client;
}

void Fill(Image& image, const RECT& r, std::uint32_t colour) {
    FillRect(image, r.left, r.top, r.right, r.bottom, colour);
}

// Text in a rectangle, its lines vertically centred, each at the left or centred; condensed
// where the control was sized for the real font's narrower text.
void Label(Image& image, const RECT& r, const std::string& text, std::uint32_t colour,
           bool centred) {
    std::vector<std::string> lines(1);
    for (const char c : text) {
        if (c == '\n') {
            lines.emplace_back();
        } else if (c != '\r') {
            lines.back() += c;
        }
    }
    const int width = r.right - r.left - 4;
    int y = (r.top + r.bottom - kGlyphCellHeight * static_cast<int>(lines.size())) / 2 + 1;
    for (const std::string& line : lines) {
        const Spacing spacing = TextWidth(line, 1) <= width ? Spacing::Normal : Spacing::Condensed;
        const std::string shown = FittingText(line, width, 1, spacing);
        const int x = centred ? (r.left + r.right - TextWidth(shown, 1, spacing)) / 2 : r.left + 2;
        DrawText(image, x, y, shown, colour, 1, spacing);
        y += kGlyphCellHeight;
    }
}

// A control's text as Windows 10 and 11 show it: "&" marks the access key, whose underline
// stays hidden until Alt is pressed, and "&&" is one "&".
std::string WithoutAccessKeyMarks(const std::string& text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
        }
        shown += text[i];
    }
    return shown;
}

// A top-level window: its border, the caption above the client area (if there is room for
// one), and the client area in the colour given.
void PaintFramed(const WindowManager& windows, const Window& w, std::uint32_t clientColour,
                 Image& image) {
    const RECT client = ClientOnScreen(w.handle);
    if (!EqualRect(&client, &w.rect)) {
        Fill(image, w.rect, kFrame);
        Outline(image, w.rect.left, w.rect.top, w.rect.right, w.rect.bottom, kEdge);
        const RECT caption{client.left, w.rect.top + 3, client.right, client.top - 1};
        if (caption.bottom - caption.top >= kGlyphCellHeight) {
            const bool active = w.handle == windows.Active() || w.handle == windows.Foreground();
            Fill(image, caption, active ? kActiveCaption : kInactiveCaption);
            Label(image, caption, w.text, kWhite, false);
        }
    }
    Fill(image, client, clientColour);
}

// A tab control's tabs along its top, the chosen one white, each with its text; the page
// area below them outlined. What it holds is asked of the control, as a screen reader would.
void PaintTabs(const Window& w, Image& image) {
    const HWND tabs = w.handle;
    const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    const int chosen = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
    int bottom = w.rect.top;
    for (int i = 0; i < count; ++i) {
        RECT tab{};
        SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tab));
        OffsetRect(&tab, w.rect.left, w.rect.top);
        Fill(image, tab, i == chosen ? kWhite : kFrame);
        Outline(image, tab.left, tab.top, tab.right, tab.bottom, kShadow);
        Label(image, tab, WithoutAccessKeyMarks(TabText(tabs, i)), kText, true);
        bottom = std::max(bottom, static_cast<int>(tab.bottom));
    }
    Outline(image, w.rect.left, bottom - 1, w.rect.right, w.rect.bottom, kShadow);
}

// A trackbar's channel across its middle and its thumb where the control has it.
void PaintTrackbar(const Window& w, Image& image) {
    const HWND bar = w.handle;
    // The thumb's centre on the screen at the position a message gives.
    const auto centreAt = [&](UINT message) {
        const int position = static_cast<int>(SendMessageA(bar, message, 0, 0));
        return static_cast<int>(w.rect.left) + TrackbarThumbCentreFor(bar, position);
    };
    const int mid = (w.rect.top + w.rect.bottom) / 2;
    Outline(image, centreAt(TBM_GETRANGEMIN), mid - 2, centreAt(TBM_GETRANGEMAX) + 1, mid + 2,
            kShadow);
    const int x = centreAt(TBM_GETPOS);
    Fill(image, RECT{x - 4, mid - 8, x + 5, mid + 8}, kFrame);
    Outline(image, x - 4, mid - 8, x + 5, mid + 8, w.enabled ? kEdge : kShadow);
}

// A drop-down list: its box with the item shown and the button that opens it.
void PaintComboBox(const Window& w, Image& image) {
    const RECT& r = w.rect;
    const RECT box{r.left, r.top, r.right, std::min(r.bottom, r.top + 21)};
    Fill(image, box, w.enabled ? kWhite : kFrame);
    Outline(image, box.left, box.top, box.right, box.bottom, kShadow);
    Outline(image, box.right - 17, box.top + 2, box.right - 2, box.bottom - 2, kShadow);
    Label(image, RECT{box.left, box.top, box.right - 18, box.bottom}, w.text,
          w.enabled ? kText : kShadow, false);
}

void PaintControl(const Window& w, Image& image) {
    const RECT& r = w.rect;
    if (w.className == WC_TABCONTROLA) {
        PaintTabs(w, image);
    } else if (w.className == TRACKBAR_CLASSA) {
        PaintTrackbar(w, image);
    } else if (w.className == "ComboBox") {
        PaintComboBox(w, image);
    } else if (w.className == "Static") {
        if (w.style & SS_SUNKEN) {
            Fill(image, r, kWhite);
            Outline(image, r.left, r.top, r.right, r.bottom, kShadow);
        }
        Label(image, r, (w.style & SS_NOPREFIX) ? w.text : WithoutAccessKeyMarks(w.text), kText,
              (w.style & SS_TYPEMASK) == SS_CENTER);
    } else if (w.className == "Button") {
        const DWORD type = w.style & BS_TYPEMASK;
        if (type == BS_GROUPBOX) {
            Outline(image, r.left, r.top + 4, r.right, r.bottom, kShadow);
            Label(image, RECT{r.left + 6, r.top, r.right, r.top + 9}, WithoutAccessKeyMarks(w.text),
                  kText, false);
        } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
            Outline(image, r.left, r.top, r.right, r.bottom, type ? kEdge : kShadow);
            Label(image, r, WithoutAccessKeyMarks(w.text), kText, true);
        } else {
            const int mid = (r.top + r.bottom) / 2;
            Fill(image, RECT{r.left, mid - 5, r.left + 10, mid + 5}, kWhite);
            Outline(image, r.left, mid - 5, r.left + 10, mid + 5, kEdge);
            if (w.buttonState & BST_CHECKED) {
                Fill(image, RECT{r.left + 3, mid - 2, r.left + 7, mid + 2}, kText);
            }
            Label(image, RECT{r.left + 12, r.top, r.right, r.bottom}, WithoutAccessKeyMarks(w.text),
                  kText, false);
        }
    } else if (!w.dialog) {
        Outline(image, r.left, r.top, r.right, r.bottom, kShadow);
    }
}

// What a window that paints itself has painted, where it stands, row by row.
void Compose(const Window& w, Image& image) {
    const int left = std::max(0, static_cast<int>(w.rect.left));
    const int right = std::min(image.width, static_cast<int>(w.rect.left) + w.surface.width);
    if (left >= right) {
        return;
    }
    for (int y = 0; y < w.surface.height; ++y) {
        const int row = static_cast<int>(w.rect.top) + y;
        if (row < 0 || row >= image.height) {
            continue;
        }
        const auto from = w.surface.pixels.begin() +
                          static_cast<std::ptrdiff_t>(y * w.surface.width + (left - w.rect.left));
        std::copy(from, from + (right - left),
                  image.pixels.begin() + static_cast<std::ptrdiff_t>(row * image.width + left));
    }
}

void PaintChildren(const WindowManager& windows, HWND parent, bool foreign, Image& image) {
    const std::vector<HWND> children = windows.Children(parent);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        const Window* child = windows.Find(*it);
        if (child == nullptr || !child->visible) {
            continue;
        }
        if (foreign) {
            PaintFramed(windows, *child, child->colour.value_or(kWhite), image);
        } else if (!child->paintsItself) { // else it is in its top-level window's surface
            PaintControl(*child, image);
        }
        PaintChildren(windows, *it, foreign, image);
    }
}

// An open popup menu over everything, where TrackPopupMenu placed it and moved into the
// screen as Windows moves it: each item's text, a check before a checked one, an arrow after
// a submenu, grey text for one disabled, separators as lines, the item the keys selected
// highlighted. Its submenus stay closed, as they are until the pointer rests on one.
constexpr int kMenuRow = 20;
constexpr int kMenuSeparator = 8;
constexpr int kMenuGutter = 26;
constexpr std::uint32_t kMenuBack = 0xF9F9F9;
constexpr std::uint32_t kMenuHighlight = 0xCCE8FF;
constexpr std::uint32_t kGreyText = 0x6D6D6D;

void PaintCheck(Image& image, int x, int y, std::uint32_t colour) {
    for (int i = 0; i < 3; ++i) {
        image.Set(x + i, y + 3 + i, colour);
        image.Set(x + i, y + 4 + i, colour);
    }
    for (int i = 0; i < 5; ++i) {
        image.Set(x + 3 + i, y + 4 - i, colour);
        image.Set(x + 3 + i, y + 5 - i, colour);
    }
}

void PaintOpenMenu(const User32State::OpenMenu& open, Image& image) {
    const auto found = User32().menus.find(open.menu);
    if (found == User32().menus.end()) {
        return;
    }
    const Menu* menu = &found->second;
    int width = 120;
    int height = 4;
    for (const MenuItem& item : menu->items) {
        width = std::max(width, TextWidth(WithoutAccessKeyMarks(item.text), 1) + 2 * kMenuGutter);
        height += item.separator ? kMenuSeparator : kMenuRow;
    }
    int left = open.flags & TPM_RIGHTALIGN    ? open.at.x - width
               : open.flags & TPM_CENTERALIGN ? open.at.x - width / 2
                                              : open.at.x;
    int top = open.flags & TPM_BOTTOMALIGN    ? open.at.y - height
              : open.flags & TPM_VCENTERALIGN ? open.at.y - height / 2
                                              : open.at.y;
    left = std::max(0, std::min(left, image.width - width));
    top = std::max(0, std::min(top, image.height - height));
    Fill(image, RECT{left, top, left + width, top + height}, kMenuBack);
    Outline(image, left, top, left + width, top + height, kShadow);
    int y = top + 2;
    for (std::size_t i = 0; i < menu->items.size(); ++i) {
        const MenuItem& item = menu->items[i];
        if (item.separator) {
            FillRect(image, left + kMenuGutter, y + kMenuSeparator / 2, left + width - 4,
                     y + kMenuSeparator / 2 + 1, kShadow);
            y += kMenuSeparator;
            continue;
        }
        const RECT row{left + 2, y, left + width - 2, y + kMenuRow};
        if (static_cast<int>(i) == open.selected) {
            Fill(image, row, kMenuHighlight);
        }
        const std::uint32_t colour = item.state & (MF_GRAYED | MF_DISABLED) ? kGreyText : kText;
        if (item.state & MF_CHECKED) {
            PaintCheck(image, left + 9, y + (kMenuRow - 9) / 2, colour);
        }
        Label(image, RECT{left + kMenuGutter - 2, y, left + width - kMenuGutter, y + kMenuRow},
              WithoutAccessKeyMarks(item.text), colour, false);
        if (item.submenu != nullptr) {
            DrawText(image, left + width - 14, y + (kMenuRow - kGlyphCellHeight) / 2 + 1, ">",
                     colour, 1);
        }
        y += kMenuRow;
    }
}

} // namespace

void PaintDesktop(const WindowManager& windows, Image& image) {
    std::fill(image.pixels.begin(), image.pixels.end(), kDesktopColour);
    const std::vector<HWND>& order = windows.ZOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const Window* w = windows.Find(*it);
        if (w == nullptr || !w->visible) {
            continue;
        }
        // Composed, as on every Windows since 8: what the window painted, black if nothing.
        const bool foreign = w->threadId != kProgramThread;
        if (w->paintsItself) {
            Compose(*w, image);
        } else if (foreign || w->dialog) {
            PaintFramed(windows, *w, foreign ? w->colour.value_or(kWhite) : kFace, image);
        }
        PaintChildren(windows, *it, foreign, image);
    }
    if (User32().menuTracking) {
        PaintOpenMenu(User32().openMenu, image);
    }
}

} // namespace sim
