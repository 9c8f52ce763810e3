#include "platform/resource_tables.h"

#include "resource.h"

#include <iterator>

namespace {

// Styles as the resource compiler writes them: WS_CHILD | WS_VISIBLE plus the control's own.
constexpr unsigned long kChild = 0x50000000ul;
constexpr unsigned long kIcon = kChild | 0x3ul;        // SS_ICON
constexpr unsigned long kText = kChild | 0x0ul;        // SS_LEFT
constexpr unsigned long kDefault = kChild | 0x10001ul; // WS_TABSTOP | BS_DEFPUSHBUTTON
constexpr unsigned long kModal = 0x80C80080ul;         // DS_MODALFRAME | WS_POPUP | caption

const DialogControlResource kAboutControls[] = {
    {"STATIC", -1, "#128", "#128", kIcon, 11, 17, 20, 20},
    {"STATIC", -1, "Corvane Version 1.10", "Corvane Version 1.10", kText, 40, 10, 119, 8},
    {"STATIC", IDC_ABOUT_NOTICE, "Copyright (C) 2026 Velmora", "Copyright (C) 2026 Velmora", kText,
     40, 25, 119, 8},
    {"BUTTON", 1, "OK", "OK", kDefault, 178, 7, 50, 14},
};

const DialogResource kDialogs[] = {
    {IDD_ABOUTBOX, "Corvane Version Information", "Corvaneのﾊﾞｰｼﾞｮﾝ情報", "Arial", 8,
     "ＭＳ Ｐゴシック", 9, kModal, 0, 0, 235, 55, kAboutControls, std::size(kAboutControls)},
};

} // namespace

const DialogResource* FindDialogResource(unsigned id) {
    for (const DialogResource& dialog : kDialogs) {
        if (dialog.id == id) {
            return &dialog;
        }
    }
    return nullptr;
}
