// The tables a program's resources are compiled into: strings, menus and dialogs, English and
// Japanese side by side, in UTF-8. res/ fills them; the simulated Windows serves them to
// LoadStringA, LoadMenuA and DialogBoxParamA, and rcgen writes them as a resource script for
// the Windows build.
#pragma once

#include <cstddef>

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
};

const DialogResource* FindDialogResource(unsigned id);
