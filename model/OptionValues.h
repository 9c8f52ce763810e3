// What the Option sheet edits: a copy of the document's stored settings and the shortcut
// definitions. The document hands them to the sheet before it runs and takes them back after
// OK; while it runs, the pages change the converter directly.
#pragma once

#include "ShortcutKeyTable.h"
#include "StoredSettings.h"

#include <vector>

struct OPTION_VALUES {
    STORED_SETTINGS settings;
    // The Shortcut Key page: one pair for each of the application's entries, in list order.
    std::vector<SHORTCUT_KEY> shortcutKeys;
};
