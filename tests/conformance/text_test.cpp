// System texts, and stepping through the program's own texts in the ANSI code page (932 in
// Japanese, where a character may take one or two bytes).
#include "res/resource.h"
#include "tests/conformance/harness.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ProgramTexts() {
    std::vector<std::string> texts;
    for (UINT id = IDS_NO_DEVICE; id <= IDS_SHORTCUT_OVERLAP; ++id) {
        char text[512] = {};
        if (LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text) > 0) {
            texts.emplace_back(text);
        }
    }
    const HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAYMENU));
    for (int popup = 0; popup < 2; ++popup) {
        const HMENU items = GetSubMenu(menu, popup);
        for (int i = 0; i < GetMenuItemCount(items); ++i) {
            char text[128] = {};
            if (GetMenuStringA(items, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION) > 0) {
                texts.emplace_back(text);
            }
        }
    }
    DestroyMenu(menu);
    return texts;
}

} // namespace

CONFORMANCE_TEST(FormatMessageFromTheSystem) {
    char* text = nullptr;
    const DWORD flags =
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    const DWORD length = FormatMessageA(flags, nullptr, ERROR_FILE_NOT_FOUND, 0,
                                        reinterpret_cast<LPSTR>(&text), 0, nullptr);
    ok(length > 2 && text != nullptr, "a text for error 2");
    ok(text != nullptr && length == std::strlen(text), "its length");
    ok(text != nullptr && length > 2 && std::strcmp(text + length - 2, "\r\n") == 0,
       "ending in a line break");
    ok(LocalFree(text) == nullptr, "LocalFree frees it");
    text = nullptr;
    SetLastError(0xdeadbeef);
    ok(FormatMessageA(flags, nullptr, 0x20070100, 0, reinterpret_cast<LPSTR>(&text), 0, nullptr) ==
           0,
       "no system text for the program's own codes");
    ok(GetLastError() == ERROR_MR_MID_NOT_FOUND, "and says so: %lu", GetLastError());
}

CONFORMANCE_TEST(CharNextAStepsOverWholeCharacters) {
    const std::vector<std::string> texts = ProgramTexts();
    ok(texts.size() >= 18, "the program's messages and menu items: %u",
       static_cast<unsigned>(texts.size()));
    for (const std::string& text : texts) {
        int steps = 0;
        for (const char* p = text.c_str(); *p != '\0'; p = CharNextA(p)) {
            ++steps;
        }
        const int characters = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0) - 1;
        ok(steps == characters, "%d steps over %d characters", steps, characters);
    }
    const char empty[] = "";
    ok(CharNextA(empty) == empty, "CharNextA stays on the terminator");
}
