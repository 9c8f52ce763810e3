#include "DialogCommands.h"

#include "Session.h"
#include "Text.h"
#include "platform/sim/comctl32/comctl32.h"
#include "platform/sim/control/world.h"
#include "res/resource.h"

#include <algorithm>
#include <cstdio>

namespace {

enum class Kind { Button, Check, Radio, Slider, List, Other };

Kind KindOf(HWND control) {
    char name[32] = {};
    GetClassNameA(control, name, sizeof name);
    const std::string className = Lower(name);
    if (className == "msctls_trackbar32") {
        return Kind::Slider;
    }
    if (className == "combobox") {
        return Kind::List;
    }
    if (className != "button") {
        return Kind::Other;
    }
    switch (GetWindowLongA(control, GWL_STYLE) & 0xF) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        return Kind::Button;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
        return Kind::Check;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return Kind::Radio;
    default:
        return Kind::Other;
    }
}

const char* KindName(Kind kind) {
    switch (kind) {
    case Kind::Button:
        return "button";
    case Kind::Check:
        return "check";
    case Kind::Radio:
        return "radio";
    case Kind::Slider:
        return "slider";
    case Kind::List:
        return "list";
    default:
        return "";
    }
}

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The page a sheet shows, or the dialog itself.
HWND PageOf(HWND dialog) {
    const auto page = reinterpret_cast<HWND>(SendMessageA(dialog, PSM_GETCURRENTPAGEHWND, 0, 0));
    return page != nullptr ? page : dialog;
}

HWND TabsOf(HWND dialog) {
    return reinterpret_cast<HWND>(SendMessageA(dialog, PSM_GETTABCONTROL, 0, 0));
}

struct Control {
    HWND window;
    Kind kind;
    std::string name; // its text, or the label before it; the first line of two
};

// A control's name as the user reads it: no "&", no Japanese "(&K)" suffix, one line.
std::string Shown(const std::string& text) {
    std::string line = text.substr(0, text.find('\n'));
    const std::size_t open = line.rfind("(&");
    if (open != std::string::npos && open + 4 == line.size() && line.back() == ')') {
        line.erase(open);
    }
    return WithoutAmpersands(line);
}

// The controls a user works, in the page's order. Sliders and lists are named by the text
// that labels them; the arrow buttons by their group's label and the way they point.
std::vector<Control> ControlsOf(HWND page) {
    std::vector<Control> controls;
    std::string label;
    std::string group;
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const Kind kind = KindOf(child);
        const std::string text = TextOf(child);
        if (kind == Kind::Other) {
            char name[32] = {};
            GetClassNameA(child, name, sizeof name);
            label = Lower(name) == "static" ? Shown(text) : "";
            group = label.empty() ? group : label;
            continue;
        }
        std::string name = kind == Kind::Slider || kind == Kind::List ? label : Shown(text);
        if (kind == Kind::Button && name.empty()) {
            static const char* const kArrows[] = {"up", "left", "right", "down"};
            const HANDLE icon =
                reinterpret_cast<HANDLE>(SendMessageA(child, BM_GETIMAGE, IMAGE_ICON, 0));
            for (int i = 0; i < 4; ++i) {
                if (icon != nullptr &&
                    icon == LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCE(IDI_ARROW_UP + i),
                                       IMAGE_ICON, 16, 16, 0)) {
                    name = group + " " + kArrows[i];
                }
            }
        }
        controls.push_back(Control{child, kind, name});
        label.clear();
    }
    return controls;
}

std::string Joined(const Words& words, std::size_t first, std::size_t end) {
    std::string joined;
    for (std::size_t i = first; i < end; ++i) {
        joined += (joined.empty() ? "" : " ") + words[i];
    }
    return joined;
}

// A control named by its id or its text, as menu items are named.
std::optional<Control> Find(HWND page, const std::string& name) {
    long id = 0;
    const bool byId = ParseNumber(name, 1, 65535, id);
    for (const Control& control : ControlsOf(page)) {
        if (byId ? GetDlgCtrlID(control.window) == id
                 : WithoutAccessKeySuffix(control.name) == WithoutAccessKeySuffix(name)) {
            return control;
        }
    }
    return std::nullopt;
}

std::string Describe(const Control& control) {
    const HWND w = control.window;
    std::string line = "control: " + std::to_string(GetDlgCtrlID(w)) + " " +
                       KindName(control.kind) + " \"" + control.name + "\"";
    switch (control.kind) {
    case Kind::Check:
    case Kind::Radio:
        line += SendMessageA(w, BM_GETCHECK, 0, 0) == BST_CHECKED ? " checked" : " unchecked";
        break;
    case Kind::Slider:
        line += " at " + std::to_string(SendMessageA(w, TBM_GETPOS, 0, 0)) + " of " +
                std::to_string(SendMessageA(w, TBM_GETRANGEMIN, 0, 0)) + " to " +
                std::to_string(SendMessageA(w, TBM_GETRANGEMAX, 0, 0));
        break;
    case Kind::List: {
        const std::string chosen = TextOf(w);
        line += chosen.empty() ? " showing nothing" : " showing \"" + chosen + "\"";
        line += ", " + std::to_string(SendMessageA(w, CB_GETCOUNT, 0, 0)) + " items";
        break;
    }
    default:
        break;
    }
    return line + (IsWindowEnabled(w) ? "" : ", disabled");
}

// The control a command names, enabled; else the error.
std::string Target(HWND dialog, const std::string& name, Kind wanted, bool anyButton,
                   std::optional<Control>& found) {
    found = Find(PageOf(dialog), name);
    if (!found) {
        return "no control " + Quoted(name) + " on this page (\"show dialog\" lists them)";
    }
    const bool fits = anyButton ? found->kind == Kind::Button || found->kind == Kind::Check ||
                                      found->kind == Kind::Radio
                                : found->kind == wanted;
    if (!fits) {
        return Quoted(name) + " is a " + KindName(found->kind);
    }
    if (!IsWindowEnabled(found->window)) {
        return Quoted(name) + " is disabled";
    }
    return "";
}

std::string ClickTab(sim::World& world, HWND dialog, const Words& words) {
    const HWND tabs = TabsOf(dialog);
    if (tabs == nullptr) {
        return "this dialog has no tabs";
    }
    const std::string wanted = WithoutAccessKeySuffix(Joined(words, 1, words.size()));
    const std::vector<std::string> names = DialogCommands::TabNames(tabs);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (WithoutAccessKeySuffix(names[i]) == wanted) {
            world.input.ClickTab(tabs, static_cast<int>(i));
            return "";
        }
    }
    return "no tab " + Quoted(Joined(words, 1, words.size()));
}

// The item of a list with that text, or that index; -1 when there is none.
long ItemOf(HWND list, const std::string& wanted) {
    const long items = static_cast<long>(SendMessageA(list, CB_GETCOUNT, 0, 0));
    long index = -1;
    if (ParseNumber(wanted, 0, items - 1, index)) {
        return index;
    }
    for (long i = 0; i < items; ++i) {
        char text[128] = {};
        SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        if (WithoutAccessKeySuffix(text) == WithoutAccessKeySuffix(wanted)) {
            return i;
        }
    }
    return -1;
}

// "0 \"First\", 1 \"Second\"": what select takes, by number or by text.
std::string ItemsOf(HWND list) {
    std::string items;
    const long count = static_cast<long>(SendMessageA(list, CB_GETCOUNT, 0, 0));
    for (long i = 0; i < count; ++i) {
        char text[256] = {};
        SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items += (i == 0 ? "" : ", ") + std::to_string(i) + " \"" + text + "\"";
    }
    return items;
}

// Both the list's name and the item's text may run to several words: the first way of
// cutting them that names a list and one of its items is taken. No list's name is longer than
// the longest on the page, so only that many cuts are tried, however long the line.
std::string ChooseItem(sim::World& world, HWND dialog, const Words& words) {
    std::size_t longestName = 1; // an id
    for (const Control& control : ControlsOf(PageOf(dialog))) {
        if (control.kind == Kind::List) {
            longestName = std::max(longestName, Split(control.name).size());
        }
    }
    std::string error;
    for (std::size_t cut = std::min(words.size() - 1, longestName + 1); cut >= 2; --cut) {
        std::optional<Control> list;
        const std::string problem = Target(dialog, Joined(words, 1, cut), Kind::List, false, list);
        if (!problem.empty()) {
            error = error.empty() ? problem : error;
            continue;
        }
        const long index = ItemOf(list->window, Joined(words, cut, words.size()));
        if (index < 0) {
            error = "the list has no item " + Quoted(Joined(words, cut, words.size())) +
                    "; its items are " + ItemsOf(list->window);
            continue;
        }
        world.input.ChooseListItem(list->window, static_cast<int>(index));
        return "";
    }
    return error;
}

} // namespace

namespace DialogCommands {

std::vector<std::string> TabNames(HWND tabs) {
    std::vector<std::string> names;
    const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        names.push_back(sim::TabText(tabs, i));
    }
    return names;
}

std::vector<std::string> Completions(HWND dialog) {
    std::vector<std::string> lines{"show dialog"};
    if (const HWND tabs = TabsOf(dialog)) {
        for (const std::string& name : TabNames(tabs)) {
            lines.push_back("tab " + WithoutAmpersands(FullWidthKana(name)));
        }
    }
    for (const Control& control : ControlsOf(PageOf(dialog))) {
        const std::string name = FullWidthKana(control.name);
        if (name.empty() || !IsWindowEnabled(control.window)) {
            continue;
        }
        switch (control.kind) {
        case Kind::Button:
        case Kind::Radio:
            lines.push_back("press " + name);
            break;
        case Kind::Check:
            lines.push_back("check " + name);
            lines.push_back("uncheck " + name);
            break;
        case Kind::Slider:
            lines.push_back("slider " + name + " ");
            break;
        case Kind::List:
            lines.push_back("select " + name + " ");
            break;
        default:
            break;
        }
    }
    return lines;
}

// "ok" clicks the OK button, "cancel" presses Esc and "close" clicks the close box, as a
// user would.
std::string Ok(Session& s, const Words&) {
    s.World().input.ClickWindow(GetDlgItem(s.OpenDialog(), IDOK));
    return "";
}

std::string Cancel(Session& s, const Words&) {
    s.World().input.TypeKey(VK_ESCAPE);
    return "";
}

std::string Close(Session& s, const Words&) {
    s.World().input.ClickCloseBox(s.OpenDialog());
    return "";
}

std::string Tab(Session& s, const Words& words) {
    return ClickTab(s.World(), s.OpenDialog(), words);
}

std::string Press(Session& s, const Words& words) {
    const std::string keyword = Lower(words[0]);
    std::optional<Control> control;
    const std::string error =
        Target(s.OpenDialog(), Joined(words, 1, words.size()), Kind::Button, true, control);
    if (!error.empty()) {
        return error;
    }
    const bool checked = SendMessageA(control->window, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (keyword == "press" || checked != (keyword == "check")) {
        s.World().input.ClickWindow(control->window);
    }
    return "";
}

std::string Hold(Session& s, const Words& words) {
    long ms = 0;
    if (!ParseNumber(words.back(), 1, 600000, ms)) {
        return "hold takes a button and the milliseconds to hold it";
    }
    std::optional<Control> control;
    const std::string error =
        Target(s.OpenDialog(), Joined(words, 1, words.size() - 1), Kind::Button, true, control);
    if (error.empty()) {
        s.World().input.HoldWindow(control->window, static_cast<DWORD>(ms));
    }
    return error;
}

std::string Slider(Session& s, const Words& words) {
    std::optional<Control> control;
    const std::string error =
        Target(s.OpenDialog(), Joined(words, 1, words.size() - 1), Kind::Slider, false, control);
    if (!error.empty()) {
        return error;
    }
    const long low = static_cast<long>(SendMessageA(control->window, TBM_GETRANGEMIN, 0, 0));
    const long high = static_cast<long>(SendMessageA(control->window, TBM_GETRANGEMAX, 0, 0));
    long position = 0;
    if (!ParseNumber(words.back(), low, high, position)) {
        return "the position runs from " + std::to_string(low) + " to " + std::to_string(high);
    }
    s.World().input.DragThumb(control->window, static_cast<int>(position));
    const auto reached = static_cast<long>(SendMessageA(control->window, TBM_GETPOS, 0, 0));
    if (reached != position) {
        s.Print("note: the thumb stops at " + std::to_string(reached) +
                ", the nearest a drag reaches; the arrow keys step finer");
    }
    return "";
}

std::string Select(Session& s, const Words& words) {
    return ChooseItem(s.World(), s.OpenDialog(), words);
}

void Show(Session& s, HWND dialog) {
    s.Print("dialog: " + TextOf(dialog));
    if (const HWND tabs = TabsOf(dialog)) {
        std::string line = "tabs:";
        const auto current = static_cast<std::size_t>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
        const std::vector<std::string> names = DialogCommands::TabNames(tabs);
        for (std::size_t i = 0; i < names.size(); ++i) {
            line += " \"" + names[i] + "\"" + (i == current ? " (shown)" : "");
        }
        s.Print(line);
    }
    for (const Control& control : ControlsOf(PageOf(dialog))) {
        s.Print(Describe(control));
    }
}

} // namespace DialogCommands
