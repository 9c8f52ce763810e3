// Menu resources, English and Japanese side by side, as a flat list with nesting levels.
#pragma once

#include <cstddef>

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
