// PropertySheetA as the Option sheet runs it: pages made when first shown, asked before they
// are left, and told of OK and Cancel in page order. Each run is scripted by messages the
// first page posts while it starts, as a user's clicks would arrive.
#include "res/resource.h"
#include "tests/conformance/harness.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

enum class Script { SwitchRefusedThenOk, CancelOnFirstPage, TabClickRefused };

struct SheetRun {
    explicit SheetRun(Script how) : script(how) {}
    Script script;
    std::vector<std::string> events; // "init 1", "setactive 1", ...
    int refusalsLeft = 0;            // of page 1's PSN_KILLACTIVE
    LPARAM pageParam[3] = {};
    HWND pages[3] = {};
    HWND sheet = nullptr;
    HWND tab = nullptr;
    HWND activeAtApply = nullptr;
    std::string firstTabText;
    std::string firstPageText;
    int tabCount = 0;
    bool childPage = false;
    bool pageWhenInitialized = false;
};

SheetRun* g_run = nullptr;

// Told once the sheet stands, before its first page is made.
int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM) {
    if (message == PSCB_INITIALIZED) {
        g_run->events.push_back("initialized");
        g_run->pageWhenInitialized = SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
    }
    return 0;
}

int PageIndex(HWND page) {
    for (int i = 0; i < 3; ++i) {
        if (g_run->pages[i] == page) {
            return i;
        }
    }
    return -1;
}

void Note(const char* what, int page) {
    char text[32];
    std::snprintf(text, sizeof text, "%s %d", what, page);
    g_run->events.push_back(text);
}

void PostScript(HWND sheet) {
    switch (g_run->script) {
    case Script::SwitchRefusedThenOk:
        PostMessageA(sheet, PSM_SETCURSEL, 1, 0);
        PostMessageA(sheet, PSM_SETCURSEL, 0, 0); // refused by page 1
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        break;
    case Script::CancelOnFirstPage:
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        break;
    case Script::TabClickRefused: {
        RECT item{};
        SendMessageA(g_run->tab, TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        PostMessageA(sheet, PSM_SETCURSEL, 1, 0);
        PostMessageA(g_run->tab, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(g_run->tab, WM_LBUTTONUP, 0, at);
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        break;
    }
    }
}

INT_PTR Answer(HWND page, LONG_PTR result) {
    SetWindowLongPtrA(page, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR OnNotify(HWND page, const NMHDR& header) {
    const int index = PageIndex(page);
    switch (header.code) {
    case PSN_SETACTIVE:
        Note("setactive", index);
        return Answer(page, 0);
    case PSN_KILLACTIVE: {
        Note("killactive", index);
        const bool refuse = index == 1 && g_run->refusalsLeft > 0;
        g_run->refusalsLeft -= refuse ? 1 : 0;
        return Answer(page, refuse ? TRUE : FALSE);
    }
    case PSN_APPLY:
        Note("apply", index);
        g_run->activeAtApply =
            reinterpret_cast<HWND>(SendMessageA(GetParent(page), PSM_GETCURRENTPAGEHWND, 0, 0));
        return Answer(page, PSNRET_NOERROR);
    case PSN_RESET:
        Note("reset", index);
        return Answer(page, 0);
    case PSN_QUERYCANCEL:
        Note("querycancel", index);
        return Answer(page, FALSE);
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* description = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
        const int index = static_cast<int>(description->lParam);
        g_run->pages[index] = page;
        g_run->pageParam[index] = description->lParam;
        Note("init", index);
        if (index == 0) {
            g_run->sheet = GetParent(page);
            g_run->childPage = (GetWindowLongA(page, GWL_STYLE) & WS_CHILD) != 0;
            g_run->tab =
                reinterpret_cast<HWND>(SendMessageA(g_run->sheet, PSM_GETTABCONTROL, 0, 0));
            g_run->tabCount = static_cast<int>(SendMessageA(g_run->tab, TCM_GETITEMCOUNT, 0, 0));
            char text[64] = {};
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(g_run->tab, TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
            g_run->firstTabText = text;
            GetWindowTextA(page, text, sizeof text);
            g_run->firstPageText = text;
            PostScript(g_run->sheet);
        }
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        return OnNotify(page, *reinterpret_cast<const NMHDR*>(lParam));
    }
    return FALSE;
}

INT_PTR RunSheet(SheetRun& run) {
    g_run = &run;
    InitCommonControls();
    const unsigned templates[] = {IDD_DEVICE, IDD_DEVICE_EX, IDD_SHORTCUTKEY};
    PROPSHEETPAGEA pages[3] = {};
    for (int i = 0; i < 3; ++i) {
        pages[i].dwSize = sizeof(PROPSHEETPAGEA);
        pages[i].hInstance = GetModuleHandleA(nullptr);
        pages[i].pszTemplate = MAKEINTRESOURCEA(templates[i]);
        pages[i].pfnDlgProc = PageProc;
        pages[i].lParam = i;
    }
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK;
    header.pfnCallback = SheetCallback;
    header.hInstance = GetModuleHandleA(nullptr);
    header.pszCaption = "Option";
    header.nPages = 3;
    header.ppsp = pages;
    const INT_PTR result = PropertySheetA(&header);
    g_run = nullptr;
    return result;
}

std::string Joined(const std::vector<std::string>& events) {
    std::string text;
    for (const std::string& event : events) {
        text += (text.empty() ? "" : ", ") + event;
    }
    return text;
}

} // namespace

CONFORMANCE_TEST(PropertySheetRefusedSwitchThenOk) {
    SheetRun run(Script::SwitchRefusedThenOk);
    run.refusalsLeft = 1;
    const INT_PTR result = RunSheet(run);
    ok(result > 0, "OK: a positive result, %ld", static_cast<long>(result));
    ok(Joined(run.events) == "initialized, init 0, setactive 0, killactive 0, init 1, "
                             "setactive 1, killactive 1, killactive 1, apply 0, apply 1",
       "pages made when shown, a refused switch, OK in page order: %s", Joined(run.events).c_str());
    ok(run.pageParam[0] == 0 && run.pageParam[1] == 1, "each page gets its own description");
    ok(run.activeAtApply == run.pages[1], "the refusing page stayed the current one");
    ok(run.childPage, "a page is a child of the sheet");
    ok(!run.pageWhenInitialized, "the callback hears of the sheet before its first page");
    ok(run.tabCount == 3, "a tab per page: %d", run.tabCount);
    ok(!run.firstTabText.empty() && run.firstTabText == run.firstPageText,
       "named by its template's caption: %s, %s", run.firstTabText.c_str(),
       run.firstPageText.c_str());
}

CONFORMANCE_TEST(PropertySheetCancelledOnItsFirstPage) {
    SheetRun run(Script::CancelOnFirstPage);
    const INT_PTR result = RunSheet(run);
    ok(result == 0, "Cancel: 0, %ld", static_cast<long>(result));
    ok(Joined(run.events) == "initialized, init 0, setactive 0, querycancel 0, reset 0",
       "pages never shown hear nothing: %s", Joined(run.events).c_str());
}

CONFORMANCE_TEST(PropertySheetTabClickRefusedByThePage) {
    SheetRun run(Script::TabClickRefused);
    run.refusalsLeft = 1;
    RunSheet(run);
    ok(Joined(run.events) == "initialized, init 0, setactive 0, killactive 0, init 1, "
                             "setactive 1, killactive 1, querycancel 1, reset 0, reset 1",
       "a click on another tab asks the page, which keeps the sheet: %s",
       Joined(run.events).c_str());
}
