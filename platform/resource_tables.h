// The tables a program's resources are compiled into: strings, menus and dialogs, English and
// Japanese side by side, in UTF-8. res/ fills them; the simulated Windows serves them to
// LoadStringA, LoadMenuA and DialogBoxParamA, and rcgen writes them as a resource script for
// the Windows build.
#pragma once

#include <cstddef>
#include <string>

struct ResourceString {
    unsigned id;
    const char* english;
    const char* japanese;
};

extern const ResourceString kStringTable[];
extern const std::size_t kStringTableSize;

// The entry for id, or nullptr when the table has none.
const ResourceString* FindResourceString(unsigned id);

// A popup's items follow it one level deeper; id 0 with no text is a separator.
struct MenuResourceItem {
    int level;
    unsigned id; // kMenuPopup for a popup
    const char* english;
    const char* japanese;
};

constexpr unsigned kMenuPopup = 0xFFFFFFFFu;

struct MenuResource {
    unsigned id;
    const MenuResourceItem* items;
    std::size_t count;
};

const MenuResource* FindMenuResource(unsigned id);

struct DialogControlResource {
    const char* className; // "BUTTON", "STATIC", ...
    int id;
    const char* english;
    const char* japanese;
    unsigned long style;
    int x, y, cx, cy;
};

// Where a control sits when a language's texts need another layout than the English one.
struct ControlPlacement {
    int x, y, cx, cy;
};

struct DialogResource {
    unsigned id;
    const char* englishCaption;
    const char* japaneseCaption;
    const char* englishFont;
    int englishFontSize;
    const char* japaneseFont;
    int japaneseFontSize;
    unsigned long style;
    int x, y, cx, cy;
    const DialogControlResource* controls;
    std::size_t controlCount;
    // The Japanese template's size and control positions, where they differ (else nullptr).
    const ControlPlacement* japaneseSize;
    const ControlPlacement* japanesePlacements;
};

const DialogResource* FindDialogResource(unsigned id);

// The items a dialog's combo boxes start with: the dialog's initialisation data, a resource
// of type 240 with the dialog's id.
struct DialogInitItem {
    int controlId;
    const char* english;
    const char* japanese;
};

struct DialogInitResource {
    unsigned dialogId;
    const DialogInitItem* items;
    std::size_t count;
};

const DialogInitResource* FindDialogInitResource(unsigned dialogId);

// The resource's bytes: for each item its control id (16 bits), the message that adds it
// (0x0403, a combo box's add-string, 16 bits), the length of the text with its terminating
// zero (32 bits) and the text, in the code page `encode` writes; a zero word ends the data.
std::string DialogInitData(const DialogInitResource& resource, bool japanese,
                           std::string (*encode)(const std::string& utf8));

// The icons the program carries.
extern const unsigned kIconIds[];
extern const std::size_t kIconCount;
bool IsIconResource(unsigned id);
