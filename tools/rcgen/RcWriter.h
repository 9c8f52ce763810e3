// Writes the resource script: string tables, menus and dialogs in English and Japanese, the
// icons, the version information and the manifest, in UTF-8.
#pragma once

#include <ostream>
#include <string>
#include <vector>

void WriteResourceScript(std::ostream& out);

// The file an icon is written to, as the script names it.
std::string IconFileName(unsigned id);

// A dialog's initialisation data in one language, in that language's code page (932 for
// Japanese), as the script names the file.
struct DialogInitFile {
    std::string name;
    std::string bytes;
};
std::vector<DialogInitFile> DialogInitFiles();
