// PropertySheetA, modal: a dialog with a tab for every page, OK and Cancel. A page's window
// is made from its template the first time its tab is chosen (WM_INITDIALOG with its
// PROPSHEETPAGEA), then asked PSN_SETACTIVE. Leaving a page asks it PSN_KILLACTIVE, which
// may refuse. OK asks the active page PSN_KILLACTIVE, then every page that has a window
// PSN_APPLY in page order, and returns 1; Cancel asks the active page PSN_QUERYCANCEL, then
// tells every page that has a window PSN_RESET, and returns 0. A page answers through
// DWLP_MSGRESULT.
#include "platform/resource_tables.h"
#include "platform/sim/comctl32/comctl32.h"
#include "platform/sim/display/screen.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/interaction.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/user32/dialog.h"
#include "platform/sim/user32/user32_state.h"

#include <algorithm>
#include <map>
#include <vector>

namespace sim {

namespace {

constexpr int kMargin = 6;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr DWORD kSheetStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | 0x80L; // DS_MODALFRAME
constexpr DWORD kPushButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kFrameStyles =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE | WS_BORDER | 0x80L;

struct Page {
    PROPSHEETPAGEA description;
    const DialogResource* resource;
    HWND window = nullptr;
};

struct Sheet {
    HWND window = nullptr;
    HWND tab = nullptr;
    std::vector<Page> pages;
    int active = -1;
};

// The sheets running, by window: a sheet lives only for its PropertySheetA call.
std::map<HWND, Sheet*>& Sheets() {
    static std::map<HWND, Sheet*> sheets;
    return sheets;
}

bool Japanese() {
    return sim::Kernel32().language == Language::Japanese;
}

const char* Caption(const DialogResource& resource) {
    return Japanese() ? resource.japaneseCaption : resource.englishCaption;
}

LRESULT Ask(const Sheet& sheet, int index, UINT code, LPARAM lParam = 0) {
    PSHNOTIFY notification{{sheet.window, 0, code}, lParam};
    return SendMessageA(sheet.pages[static_cast<std::size_t>(index)].window, WM_NOTIFY, 0,
                        reinterpret_cast<LPARAM>(&notification));
}

// The tab control's display area as it stands now (the program may have resized the tab),
// in the sheet's client coordinates.
RECT DisplayArea(const Sheet& sheet) {
    RECT area{};
    GetWindowRect(sheet.tab, &area);
    MapWindowPoints(nullptr, sheet.window, reinterpret_cast<POINT*>(&area), 2);
    AdjustTabRect(FALSE, area);
    return area;
}

void CreatePage(Sheet& sheet, int index) {
    Page& page = sheet.pages[static_cast<std::size_t>(index)];
    const DWORD style =
        (static_cast<DWORD>(page.resource->style) & ~kFrameStyles) | WS_CHILD | DS_CONTROL;
    page.window = CreateDialogWindow(*page.resource, Caption(*page.resource), style,
                                     DisplayArea(sheet), sheet.window, page.description.pfnDlgProc);
    SendMessageA(page.window, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(&page.description));
}

bool MayLeave(const Sheet& sheet) {
    return sheet.active < 0 || Ask(sheet, sheet.active, PSN_KILLACTIVE) == 0;
}

// A page that refuses PSN_SETACTIVE is not shown; the one before stays.
bool Activate(Sheet& sheet, int index) {
    if (sheet.pages[static_cast<std::size_t>(index)].window == nullptr) {
        CreatePage(sheet, index);
    }
    if (Ask(sheet, index, PSN_SETACTIVE) != 0) {
        return false;
    }
    // The page lies over the tab control's display area.
    const HWND shown = sheet.pages[static_cast<std::size_t>(index)].window;
    SetWindowPos(shown, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(shown, SW_SHOW);
    if (sheet.active >= 0 && sheet.active != index) {
        ShowWindow(sheet.pages[static_cast<std::size_t>(sheet.active)].window, SW_HIDE);
    }
    sheet.active = index;
    SendMessageA(sheet.tab, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    return true;
}

bool ChoosePage(Sheet& sheet, int index) {
    if (index < 0 || index >= static_cast<int>(sheet.pages.size())) {
        return false;
    }
    return MayLeave(sheet) && Activate(sheet, index);
}

void PressOk(Sheet& sheet) {
    if (!MayLeave(sheet)) {
        return;
    }
    for (int i = 0; i < static_cast<int>(sheet.pages.size()); ++i) {
        if (sheet.pages[static_cast<std::size_t>(i)].window != nullptr &&
            Ask(sheet, i, PSN_APPLY, TRUE) != PSNRET_NOERROR) {
            Activate(sheet, i);
            return;
        }
    }
    EndDialog(sheet.window, 1);
}

void PressCancel(Sheet& sheet) {
    if (sheet.active >= 0 && Ask(sheet, sheet.active, PSN_QUERYCANCEL) != 0) {
        return;
    }
    for (int i = 0; i < static_cast<int>(sheet.pages.size()); ++i) {
        if (sheet.pages[static_cast<std::size_t>(i)].window != nullptr) {
            Ask(sheet, i, PSN_RESET);
        }
    }
    EndDialog(sheet.window, 0);
}

INT_PTR Answer(HWND window, LONG_PTR result) {
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR OnNotify(Sheet& sheet, const NMHDR& header) {
    if (header.hwndFrom != sheet.tab) {
        return FALSE;
    }
    if (header.code == TCN_SELCHANGING) {
        return Answer(sheet.window, MayLeave(sheet) ? FALSE : TRUE);
    }
    if (header.code == TCN_SELCHANGE) {
        const int chosen = static_cast<int>(SendMessageA(sheet.tab, TCM_GETCURSEL, 0, 0));
        if (!Activate(sheet, chosen)) {
            SendMessageA(sheet.tab, TCM_SETCURSEL, static_cast<WPARAM>(sheet.active), 0);
        }
    }
    return TRUE;
}

INT_PTR CALLBACK SheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = Sheets().find(window);
    if (found == Sheets().end()) {
        return FALSE;
    }
    Sheet& sheet = *found->second;
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            PressOk(sheet);
        } else if (LOWORD(wParam) == IDCANCEL) {
            PressCancel(sheet);
        }
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(sheet, *reinterpret_cast<const NMHDR*>(lParam));
    case PSM_SETCURSEL:
        return Answer(window, ChoosePage(sheet, static_cast<int>(wParam)));
    case PSM_PRESSBUTTON:
        if (wParam == PSBTN_OK) {
            PressOk(sheet);
        } else if (wParam == PSBTN_CANCEL) {
            PressCancel(sheet);
        }
        return TRUE;
    case PSM_GETTABCONTROL:
        return Answer(window, reinterpret_cast<LONG_PTR>(sheet.tab));
    case PSM_GETCURRENTPAGEHWND:
        return Answer(window,
                      reinterpret_cast<LONG_PTR>(
                          sheet.active < 0
                              ? nullptr
                              : sheet.pages[static_cast<std::size_t>(sheet.active)].window));
    default:
        return FALSE;
    }
}

std::string SheetCaption(const PROPSHEETHEADERA& header) {
    if (header.pszCaption == nullptr) {
        return "";
    }
    std::string caption;
    if (IS_INTRESOURCE(header.pszCaption)) {
        char text[256] = "";
        LoadStringA(header.hInstance, LOWORD(reinterpret_cast<ULONG_PTR>(header.pszCaption)), text,
                    sizeof text);
        caption = text;
    } else {
        caption = header.pszCaption;
    }
    return (header.dwFlags & PSH_PROPTITLE) ? "Properties for " + caption : caption;
}

// The largest page decides the display area, measured as Windows measures it: in the sheet's
// own font, whatever font the pages have. The tabs go around it and the buttons below it, at
// the right. The sheet opens at its owner's corner, as Wine opens it.
void Layout(Sheet& sheet, HWND owner) {
    RECT page{0, 0, 0, 0};
    for (const Page& entry : sheet.pages) {
        const SIZE size = TemplateSize(*entry.resource, FontBaseUnits(kSystemDialogPoints));
        page.right = std::max<LONG>(page.right, size.cx);
        page.bottom = std::max<LONG>(page.bottom, size.cy);
    }
    RECT tab = page;
    AdjustTabRect(TRUE, tab);
    const int tabWidth = tab.right - tab.left;
    const int tabHeight = tab.bottom - tab.top;
    const int width = std::max(tabWidth, 2 * kButtonWidth + kMargin) + 2 * kMargin;
    const int height = kMargin + tabHeight + kMargin + kButtonHeight + kMargin;
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, kSheetStyle, FALSE, 0);
    const int frameWidth = frame.right - frame.left;
    const int frameHeight = frame.bottom - frame.top;
    // Its template has no DS_CENTER: the client area starts at the owner's client origin.
    POINT origin{0, 0};
    if (owner != nullptr) {
        ClientToScreen(owner, &origin);
    }
    const int left = std::max(0, static_cast<int>(origin.x + frame.left));
    const int top = std::max(0, static_cast<int>(origin.y + frame.top));
    sheet.window =
        CreateDialogWindow(DialogResource{}, "", kSheetStyle,
                           RECT{left, top, left + frameWidth, top + frameHeight}, owner, SheetProc);
    sheet.tab =
        sim::Windows().Create(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                              RECT{kMargin, kMargin, kMargin + tabWidth, kMargin + tabHeight},
                              sheet.window, IDC_TAB_CONTROL, nullptr, kProgramThread);
    const int buttonTop = kMargin + tabHeight + kMargin;
    const int cancelLeft = width - kMargin - kButtonWidth;
    const int okLeft = cancelLeft - kMargin - kButtonWidth;
    sim::Windows().Create(0, "Button", "OK", kPushButton | BS_DEFPUSHBUTTON,
                          RECT{okLeft, buttonTop, okLeft + kButtonWidth, buttonTop + kButtonHeight},
                          sheet.window, IDOK, nullptr, kProgramThread);
    sim::Windows().Create(
        0, "Button", Japanese() ? "キャンセル" : "Cancel", kPushButton,
        RECT{cancelLeft, buttonTop, cancelLeft + kButtonWidth, buttonTop + kButtonHeight},
        sheet.window, IDCANCEL, nullptr, kProgramThread);
}

} // namespace

} // namespace sim

INT_PTR PropertySheetA(LPCPROPSHEETHEADERA header) {
    using namespace sim;
    if (header == nullptr || (header->dwFlags & PSH_MODELESS) ||
        !(header->dwFlags & PSH_PROPSHEETPAGE) || header->ppsp == nullptr || header->nPages == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    Sheet sheet;
    for (UINT i = 0; i < header->nPages; ++i) {
        const PROPSHEETPAGEA& description = header->ppsp[i];
        const DialogResource* resource =
            IS_INTRESOURCE(description.pszTemplate)
                ? FindDialogResource(LOWORD(reinterpret_cast<ULONG_PTR>(description.pszTemplate)))
                : nullptr;
        if (resource == nullptr) {
            SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
            return -1;
        }
        sheet.pages.push_back(Page{description, resource, nullptr});
    }
    RegisterCommonControlClasses(sim::Windows()); // loading comctl32 registers them
    const HWND owner = header->hwndParent;
    Layout(sheet, owner);
    SetWindowTextA(sheet.window, SheetCaption(*header).c_str());
    Sheets()[sheet.window] = &sheet;
    for (const Page& page : sheet.pages) {
        const std::string title =
            (page.description.dwFlags & PSP_USETITLE) && page.description.pszTitle != nullptr
                ? page.description.pszTitle
                : Caption(*page.resource);
        TCITEMA item{TCIF_TEXT, 0, 0, const_cast<LPSTR>(title.c_str()), 0, 0, 0};
        SendMessageA(sheet.tab, TCM_INSERTITEMA, static_cast<WPARAM>(&page - sheet.pages.data()),
                     reinterpret_cast<LPARAM>(&item));
    }
    if (owner != nullptr) {
        EnableWindow(owner, FALSE);
    }
    // The sheet stands, still without a page.
    if ((header->dwFlags & PSH_USECALLBACK) && header->pfnCallback != nullptr) {
        header->pfnCallback(sheet.window, PSCB_INITIALIZED, 0);
    }
    const UINT start = header->nStartPage < header->nPages ? header->nStartPage : 0;
    Activate(sheet, static_cast<int>(start));
    ShowWindow(sheet.window, SW_SHOW);
    if (sim::Watcher() != nullptr) {
        sim::Watcher()->DialogOpened(sheet.window);
    }
    RunModalLoop(sheet.window);
    // A user who walks away from a sheet has cancelled it, and its pages hear so.
    if (!sim::Windows().Find(sheet.window)->dialogEnded) {
        PressCancel(sheet);
    }
    const Window* window = sim::Windows().Find(sheet.window);
    const INT_PTR result = window->dialogEnded ? window->dialogResult : 0;
    if (owner != nullptr) {
        EnableWindow(owner, TRUE);
    }
    Sheets().erase(sheet.window);
    DestroyWindow(sheet.window);
    if (sim::Watcher() != nullptr) {
        sim::Watcher()->DialogClosed();
    }
    return result;
}
