#include "platform/resource_tables.h"

#include "resource.h"
#include "version.h"

#include <iterator>

namespace {

// Styles as the resource compiler writes them: WS_CHILD | WS_VISIBLE plus the control's own.
// Every control but the second and later radio buttons of a group starts a group of its own
// (WS_GROUP), so that each radio group ends where it should.
constexpr unsigned long kChild = 0x50000000ul;
constexpr unsigned long kGroup = 0x00020000ul;   // WS_GROUP
constexpr unsigned long kTabStop = 0x00010000ul; // WS_TABSTOP
constexpr unsigned long kIcon = kChild | 0x3ul;  // SS_ICON
constexpr unsigned long kText = kChild | 0x0ul;  // SS_LEFT
constexpr unsigned long kLabel = kChild | kGroup;
constexpr unsigned long kDefault = kChild | kTabStop | 0x1ul; // BS_DEFPUSHBUTTON
constexpr unsigned long kPush = kChild | kGroup | kTabStop;
constexpr unsigned long kIconPush = kPush | 0x40ul;                       // BS_ICON
constexpr unsigned long kCheck = kChild | kGroup | kTabStop | 0x3ul;      // BS_AUTOCHECKBOX
constexpr unsigned long kTwoLineCheck = kCheck | 0x2000ul;                // BS_MULTILINE
constexpr unsigned long kFirstRadio = kChild | kGroup | kTabStop | 0x9ul; // BS_AUTORADIOBUTTON
constexpr unsigned long kRadio = kChild | 0x9ul;
constexpr unsigned long kGroupBox = kChild | kGroup | 0x7ul; // BS_GROUPBOX
// CBS_DROPDOWNLIST with WS_VSCROLL.
constexpr unsigned long kDropDownList = kChild | kGroup | kTabStop | 0x00200000ul | 0x3ul;
constexpr unsigned long kSlider = kChild | kGroup | kTabStop | 0x1ul; // TBS_AUTOTICKS
// DS_MODALFRAME | DS_CENTER | WS_POPUP | caption: in the middle of the screen, not at the
// corner of its owner (the hidden frame, which covers the screen).
constexpr unsigned long kModal = 0x80C80880ul;
constexpr unsigned long kPage = 0x40C00000ul; // WS_CHILD | WS_CAPTION

const char kTrackbar[] = "msctls_trackbar32";

const DialogControlResource kAboutControls[] = {
    {"STATIC", -1, "#128", "#128", kIcon, 11, 17, 20, 20},
    {"STATIC", -1, "Corvane Version " CORVANE_VERSION_TEXT, "Corvane Version " CORVANE_VERSION_TEXT,
     kText, 40, 10, 119, 8},
    {"STATIC", IDC_ABOUT_NOTICE, "Copyright (C) 2026 Velmora", "Copyright (C) 2026 Velmora", kText,
     40, 25, 119, 8},
    {"BUTTON", 1, "OK", "OK", kDefault, 178, 7, 50, 14},
};

const DialogControlResource kShortcutKeyControls[] = {
    {"BUTTON", IDC_SHIFT, "&Shift", "Shift(&S)", kCheck, 7, 7, 38, 10},
    {"BUTTON", IDC_CTRL, "C&trl", "Ctrl(&T)", kCheck, 7, 22, 35, 10},
    {"BUTTON", IDC_ALT, "A&lt", "Alt(&L)", kCheck, 7, 37, 33, 10},
    {"STATIC", -1, "&Key", "ｷｰ(&K)", kLabel, 7, 55, 20, 8},
    {"COMBOBOX", IDC_KEY, "", "", kDropDownList, 7, 66, 55, 61},
    {"STATIC", -1, "&Command", "ｺﾏﾝﾄﾞ(&C)", kLabel, 61, 7, 34, 8},
    {"COMBOBOX", IDC_COMMAND, "", "", kDropDownList, 61, 18, 83, 37},
    {"BUTTON", IDC_DEFAULT, "&Default", "ﾃﾞﾌｫﾙﾄ(&D)", kPush, 150, 7, 50, 14},
    {"BUTTON", IDC_RESTORE, "&Restore", "元に戻す(&R)", kPush, 150, 24, 50, 14},
};

// The Japanese page is narrower: the Command box and the buttons move in.
const ControlPlacement kShortcutKeyJapaneseSize{0, 0, 181, 127};
const ControlPlacement kShortcutKeyJapanese[] = {
    {7, 7, 38, 10}, {7, 22, 35, 10},  {7, 37, 33, 10},  {7, 55, 20, 8},    {7, 66, 55, 61},
    {61, 7, 40, 8}, {61, 18, 57, 37}, {124, 7, 50, 14}, {124, 24, 50, 14},
};

const DialogControlResource kDeviceControls[] = {
    {"STATIC", -1, "&Contrast", "ｺﾝﾄﾗｽﾄ(&C)", kLabel, 7, 10, 50, 8},
    {kTrackbar, IDC_CONTRAST, "", "", kSlider, 60, 7, 132, 15},
    {"STATIC", -1, "&Brightness", "明るさ(&B)", kLabel, 7, 30, 50, 8},
    {kTrackbar, IDC_BRIGHTNESS, "", "", kSlider, 60, 27, 132, 15},
    {"STATIC", -1, "&Sharpness", "ｼｬｰﾌﾟﾈｽ(&S)", kLabel, 7, 50, 50, 8},
    {kTrackbar, IDC_SHARPNESS, "", "", kSlider, 60, 47, 132, 15},
    {"STATIC", -1, "Sa&turation", "彩度(&T)", kLabel, 7, 70, 50, 8},
    {kTrackbar, IDC_SATURATION, "", "", kSlider, 60, 67, 132, 15},
    {"STATIC", -1, "&Flicker Filter", "ﾌﾘｯｶｰ ﾌｨﾙﾀ(&F)", kLabel, 7, 90, 50, 8},
    {kTrackbar, IDC_FLICKER_FILTER, "", "", kSlider, 60, 87, 132, 15},
    {"BUTTON", IDC_LUMINANCE_FILTER, "&Luminance Filter", "輝度ﾌｨﾙﾀ(&L)", kCheck, 7, 114, 90, 10},
    {"BUTTON", IDC_CHROMA_FILTER, "C&hroma Filter", "色ﾌｨﾙﾀ(&H)", kCheck, 7, 130, 90, 10},
    {"BUTTON", -1, "Aspect Ratio", "ｱｽﾍﾟｸﾄ比", kGroupBox, 105, 108, 87, 54},
    {"BUTTON", IDC_ASPECT_4_3, "&4:3", "4:3(&4)", kFirstRadio, 113, 120, 70, 10},
    {"BUTTON", IDC_ASPECT_16_9, "&16:9", "16:9(&1)", kRadio, 113, 133, 70, 10},
    {"BUTTON", IDC_ASPECT_CUSTOM, "Custo&m", "ｶｽﾀﾑ(&M)", kRadio, 113, 146, 70, 10},
    {"BUTTON", IDC_DEFAULT, "&Default", "ﾃﾞﾌｫﾙﾄ(&D)", kPush, 7, 172, 50, 14},
    {"BUTTON", IDC_RESTORE, "&Restore", "元に戻す(&R)", kPush, 62, 172, 50, 14},
};

const DialogControlResource kDeviceExControls[] = {
    {"BUTTON", -1, "Video Standard", "ﾋﾞﾃﾞｵ方式", kGroupBox, 7, 7, 80, 40},
    {"BUTTON", IDC_NTSC, "&NTSC", "NTSC(&N)", kFirstRadio, 15, 19, 60, 10},
    {"BUTTON", IDC_PAL, "&PAL", "PAL(&P)", kRadio, 15, 32, 60, 10},
    {"BUTTON", IDC_PEDESTAL, "P&edestal", "ﾍﾟﾃﾞｽﾀﾙ(&E)", kCheck, 97, 14, 83, 10},
    {"BUTTON", IDC_RGB_GAIN, "&RGB Gain", "RGBｹﾞｲﾝ(&R)", kCheck, 97, 30, 83, 10},
    {"BUTTON", IDC_TEST_PATTERN, "&Test Pattern", "ﾃｽﾄ ﾊﾟﾀｰﾝ(&T)", kCheck, 7, 55, 70, 10},
    {"COMBOBOX", IDC_TEST_PATTERN_TYPE, "", "", kDropDownList, 80, 53, 100, 100},
    {"BUTTON", -1, "TV Output Position And Size", "TV出力の位置とｻｲｽﾞ", kGroupBox, 7, 72, 173, 72},
    {"BUTTON", IDC_UNDERSCAN, "&Underscan", "ｱﾝﾀﾞｰｽｷｬﾝ(&U)", kFirstRadio, 15, 86, 62, 10},
    {"BUTTON", IDC_OVERSCAN, "&Overscan", "ｵｰﾊﾞｰｽｷｬﾝ(&O)", kRadio, 15, 102, 62, 10},
    {"BUTTON", IDC_ARRANGE, "Arran&ge", "調整(&G)", kRadio, 15, 118, 62, 10},
    {"STATIC", -1, "Position", "位置", kLabel, 86, 84, 40, 8},
    {"BUTTON", IDC_POSITION_UP, "", "", kIconPush, 100, 95, 14, 14},
    {"BUTTON", IDC_POSITION_LEFT, "", "", kIconPush, 86, 109, 14, 14},
    {"BUTTON", IDC_POSITION_RIGHT, "", "", kIconPush, 114, 109, 14, 14},
    {"BUTTON", IDC_POSITION_DOWN, "", "", kIconPush, 100, 123, 14, 14},
    {"STATIC", -1, "Size", "ｻｲｽﾞ", kLabel, 136, 84, 40, 8},
    {"BUTTON", IDC_SIZE_UP, "", "", kIconPush, 150, 95, 14, 14},
    {"BUTTON", IDC_SIZE_LEFT, "", "", kIconPush, 136, 109, 14, 14},
    {"BUTTON", IDC_SIZE_RIGHT, "", "", kIconPush, 164, 109, 14, 14},
    {"BUTTON", IDC_SIZE_DOWN, "", "", kIconPush, 150, 123, 14, 14},
    {"BUTTON", IDC_SUPPRESS_STRIPE,
     "&Suppress Vertical Stripe Pattern\n(effective after closing the dialog)",
     "縦縞ﾊﾟﾀｰﾝを抑制する(&S)\n(ﾀﾞｲｱﾛｸﾞを閉じた後に有効)", kTwoLineCheck, 7, 154, 173, 20},
};

const DialogResource kDialogs[] = {
    {IDD_ABOUTBOX, "Corvane Version Information", "Corvaneのﾊﾞｰｼﾞｮﾝ情報", "Arial", 8,
     "ＭＳ Ｐゴシック", 9, kModal, 0, 0, 235, 55, kAboutControls, std::size(kAboutControls),
     nullptr, nullptr},
    {IDD_SHORTCUTKEY, "Shortcut Key", "ｼｮｰﾄｶｯﾄ ｷｰ", "Arial", 8, "ＭＳ Ｐゴシック", 9, kPage, 0, 0,
     207, 127, kShortcutKeyControls, std::size(kShortcutKeyControls), &kShortcutKeyJapaneseSize,
     kShortcutKeyJapanese},
    {IDD_DEVICE, "Normal", "標準", "Arial", 8, "ＭＳ Ｐゴシック", 9, kPage, 0, 0, 199, 193,
     kDeviceControls, std::size(kDeviceControls), nullptr, nullptr},
    {IDD_DEVICE_EX, "Extension", "拡張", "Arial", 8, "ＭＳ Ｐゴシック", 9, kPage, 0, 0, 187, 225,
     kDeviceExControls, std::size(kDeviceExControls), nullptr, nullptr},
};

static_assert(std::size(kShortcutKeyJapanese) == std::size(kShortcutKeyControls),
              "a Japanese place for every control");

// The Key box offers the shortcut keys, the same in both languages.
const DialogInitItem kShortcutKeyItems[] = {
    {IDC_KEY, "Backspace", "Backspace"},
    {IDC_KEY, "Enter", "Enter"},
    {IDC_KEY, "Space", "Space"},
    {IDC_KEY, "Page Up", "Page Up"},
    {IDC_KEY, "Page Down", "Page Down"},
    {IDC_KEY, "End", "End"},
    {IDC_KEY, "Home", "Home"},
    {IDC_KEY, "Left", "Left"},
    {IDC_KEY, "Up", "Up"},
    {IDC_KEY, "Right", "Right"},
    {IDC_KEY, "Down", "Down"},
    {IDC_KEY, "0", "0"},
    {IDC_KEY, "1", "1"},
    {IDC_KEY, "2", "2"},
    {IDC_KEY, "3", "3"},
    {IDC_KEY, "4", "4"},
    {IDC_KEY, "5", "5"},
    {IDC_KEY, "6", "6"},
    {IDC_KEY, "7", "7"},
    {IDC_KEY, "8", "8"},
    {IDC_KEY, "9", "9"},
    {IDC_KEY, "A", "A"},
    {IDC_KEY, "B", "B"},
    {IDC_KEY, "C", "C"},
    {IDC_KEY, "D", "D"},
    {IDC_KEY, "E", "E"},
    {IDC_KEY, "F", "F"},
    {IDC_KEY, "G", "G"},
    {IDC_KEY, "H", "H"},
    {IDC_KEY, "I", "I"},
    {IDC_KEY, "J", "J"},
    {IDC_KEY, "K", "K"},
    {IDC_KEY, "L", "L"},
    {IDC_KEY, "M", "M"},
    {IDC_KEY, "N", "N"},
    {IDC_KEY, "O", "O"},
    {IDC_KEY, "P", "P"},
    {IDC_KEY, "Q", "Q"},
    {IDC_KEY, "R", "R"},
    {IDC_KEY, "S", "S"},
    {IDC_KEY, "T", "T"},
    {IDC_KEY, "U", "U"},
    {IDC_KEY, "V", "V"},
    {IDC_KEY, "W", "W"},
    {IDC_KEY, "X", "X"},
    {IDC_KEY, "Y", "Y"},
    {IDC_KEY, "Z", "Z"},
    {IDC_KEY, "F1", "F1"},
    {IDC_KEY, "F2", "F2"},
    {IDC_KEY, "F3", "F3"},
    {IDC_KEY, "F4", "F4"},
    {IDC_KEY, "F5", "F5"},
    {IDC_KEY, "F6", "F6"},
    {IDC_KEY, "F7", "F7"},
    {IDC_KEY, "F8", "F8"},
    {IDC_KEY, "F9", "F9"},
    {IDC_KEY, "F10", "F10"},
    {IDC_KEY, "F11", "F11"},
    {IDC_KEY, "F12", "F12"},
    {IDC_COMMAND, "Left Button Menu", "左ﾎﾞﾀﾝ ﾒﾆｭｰ"},
    {IDC_COMMAND, "Full Screen", "全画面"},
};

const DialogInitItem kTestPatternItems[] = {
    {IDC_TEST_PATTERN_TYPE, "All Waveforms", "全波形"},
    {IDC_TEST_PATTERN_TYPE, "100% Color Bars", "100% ｶﾗｰ ﾊﾞｰ"},
    {IDC_TEST_PATTERN_TYPE, "75% Color Bars", "75% ｶﾗｰ ﾊﾞｰ"},
    {IDC_TEST_PATTERN_TYPE, "Cross Hatch", "ｸﾛｽ ﾊｯﾁ"},
    {IDC_TEST_PATTERN_TYPE, "Red Gradient", "赤ｸﾞﾗﾃﾞｰｼｮﾝ"},
    {IDC_TEST_PATTERN_TYPE, "Green Gradient", "緑ｸﾞﾗﾃﾞｰｼｮﾝ"},
    {IDC_TEST_PATTERN_TYPE, "Blue Gradient", "青ｸﾞﾗﾃﾞｰｼｮﾝ"},
};

const DialogInitResource kDialogInits[] = {
    {IDD_SHORTCUTKEY, kShortcutKeyItems, std::size(kShortcutKeyItems)},
    {IDD_DEVICE_EX, kTestPatternItems, std::size(kTestPatternItems)},
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

const DialogInitResource* FindDialogInitResource(unsigned dialogId) {
    for (const DialogInitResource& init : kDialogInits) {
        if (init.dialogId == dialogId) {
            return &init;
        }
    }
    return nullptr;
}
