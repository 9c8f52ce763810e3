// Dialog templates, English and Japanese side by side; rectangles in dialog units.
#pragma once

#include <cstddef>

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
