// Writes the resource script: string tables, menus and dialogs in English and Japanese, the
// icons, the version information and the manifest, in UTF-8.
#pragma once

#include <ostream>

void WriteResourceScript(std::ostream& out);
