#include "RcWriter.h"

#include "platform/resource_tables.h"
#include "res/resource.h"
#include "res/version.h"

#include <iconv.h>

#include <stdexcept>
#include <string>

namespace {

struct Language {
    const char* name;
    int primary;
    int sub;
    bool japanese;
};

const Language kLanguages[] = {
    {"English (United States)", 0x09, 0x01, false},
    {"Japanese", 0x11, 0x01, true},
};

const unsigned kDialogIds[] = {IDD_ABOUTBOX, IDD_SHORTCUTKEY, IDD_DEVICE, IDD_DEVICE_EX};
const unsigned kDialogInitIds[] = {IDD_SHORTCUTKEY, IDD_DEVICE_EX};

std::string Unchanged(const std::string& text) {
    return text;
}

// Japanese Windows reads the bytes of a dialog's initialisation data in code page 932.
std::string ToCodePage932(const std::string& utf8) {
    iconv_t converter = iconv_open("CP932", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("no UTF-8 to CP932 conversion on this machine");
    }
    std::string in = utf8;
    std::string out(in.size() * 2 + 1, '\0');
    char* inPointer = in.data();
    std::size_t inLeft = in.size();
    char* outPointer = out.data();
    std::size_t outLeft = out.size();
    const std::size_t converted = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(converter);
    if (converted == static_cast<std::size_t>(-1)) {
        throw std::runtime_error("not in code page 932: " + utf8);
    }
    out.resize(out.size() - outLeft);
    return out;
}

std::string DialogInitFileName(unsigned id, bool japanese) {
    return "dlginit" + std::to_string(id) + (japanese ? "_ja" : "_en") + ".bin";
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') {
            out += "\"\"";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void WriteStrings(std::ostream& out, bool japanese) {
    out << "STRINGTABLE\nBEGIN\n";
    for (std::size_t i = 0; i < kStringTableSize; ++i) {
        const ResourceString& entry = kStringTable[i];
        out << "    " << entry.id << ", " << Quoted(japanese ? entry.japanese : entry.english)
            << "\n";
    }
    out << "END\n\n";
}

void WriteMenuItems(std::ostream& out, const MenuResource& menu, std::size_t& next, int level,
                    bool japanese) {
    const std::string indent(static_cast<std::size_t>(level + 1) * 4, ' ');
    out << std::string(static_cast<std::size_t>(level) * 4, ' ') << "BEGIN\n";
    while (next < menu.count && menu.items[next].level == level) {
        const MenuResourceItem& item = menu.items[next++];
        if (item.english == nullptr) {
            out << indent << "MENUITEM SEPARATOR\n";
        } else if (item.id == kMenuPopup) {
            out << indent << "POPUP " << Quoted(japanese ? item.japanese : item.english) << "\n";
            WriteMenuItems(out, menu, next, level + 1, japanese);
        } else {
            out << indent << "MENUITEM " << Quoted(japanese ? item.japanese : item.english) << ", "
                << item.id << "\n";
        }
    }
    out << std::string(static_cast<std::size_t>(level) * 4, ' ') << "END\n";
}

void WriteMenu(std::ostream& out, unsigned id, bool japanese) {
    const MenuResource* menu = FindMenuResource(id);
    out << id << " MENU\n";
    std::size_t next = 0;
    WriteMenuItems(out, *menu, next, 0, japanese);
    out << "\n";
}

void WriteDialog(std::ostream& out, unsigned id, bool japanese) {
    const DialogResource* dialog = FindDialogResource(id);
    const ControlPlacement size =
        japanese && dialog->japaneseSize != nullptr
            ? *dialog->japaneseSize
            : ControlPlacement{dialog->x, dialog->y, dialog->cx, dialog->cy};
    out << id << " DIALOG " << dialog->x << ", " << dialog->y << ", " << size.cx << ", " << size.cy
        << "\n";
    out << "STYLE 0x" << std::hex << dialog->style << std::dec << "\n";
    out << "CAPTION " << Quoted(japanese ? dialog->japaneseCaption : dialog->englishCaption)
        << "\n";
    out << "FONT " << (japanese ? dialog->japaneseFontSize : dialog->englishFontSize) << ", "
        << Quoted(japanese ? dialog->japaneseFont : dialog->englishFont) << "\n";
    out << "BEGIN\n";
    for (std::size_t i = 0; i < dialog->controlCount; ++i) {
        const DialogControlResource& control = dialog->controls[i];
        const std::string text = japanese ? control.japanese : control.english;
        // "#128" names a resource (an icon) by number rather than a text.
        const std::string written = !text.empty() && text[0] == '#' ? text.substr(1) : Quoted(text);
        const ControlPlacement place =
            japanese && dialog->japanesePlacements != nullptr
                ? dialog->japanesePlacements[i]
                : ControlPlacement{control.x, control.y, control.cx, control.cy};
        out << "    CONTROL " << written << ", " << control.id << ", " << Quoted(control.className)
            << ", 0x" << std::hex << control.style << std::dec << ", " << place.x << ", " << place.y
            << ", " << place.cx << ", " << place.cy << "\n";
    }
    out << "END\n\n";
}

void WriteVersion(std::ostream& out) {
    out << "1 VERSIONINFO\n"
        << "FILEVERSION " << CORVANE_VERSION_RESOURCE << "\n"
        << "PRODUCTVERSION " << CORVANE_VERSION_RESOURCE << "\n"
        << "FILEOS 0x40004\nFILETYPE 0x1\nBEGIN\n    BLOCK \"StringFileInfo\"\n    BEGIN\n";
    for (const char* block : {"040904b0", "041104b0"}) {
        out << "        BLOCK \"" << block << "\"\n        BEGIN\n"
            << "            VALUE \"CompanyName\", \"Velmora\"\n"
            << "            VALUE \"FileDescription\", \"Corvane\"\n"
            << "            VALUE \"FileVersion\", \"" << CORVANE_VERSION_TEXT << "\"\n"
            << "            VALUE \"InternalName\", \"Corvane\"\n"
            << "            VALUE \"OriginalFilename\", \"corvane.exe\"\n"
            << "            VALUE \"ProductName\", \"Corvane\"\n"
            << "            VALUE \"ProductVersion\", \"" << CORVANE_VERSION_TEXT
            << "\"\n        END\n";
    }
    out << "    END\n    BLOCK \"VarFileInfo\"\n    BEGIN\n"
        << "        VALUE \"Translation\", 0x409, 1200, 0x411, 1200\n    END\nEND\n\n";
}

} // namespace

void WriteResourceScript(std::ostream& out) {
    out << "// Generated by rcgen from the tables in res/; edit those, not this.\n"
        << "#pragma code_page(65001)\n\n";
    for (const Language& language : kLanguages) {
        out << "// " << language.name << "\nLANGUAGE " << language.primary << ", " << language.sub
            << "\n\n";
        WriteStrings(out, language.japanese);
        WriteMenu(out, IDR_TRAYMENU, language.japanese);
        for (unsigned id : kDialogIds) {
            WriteDialog(out, id, language.japanese);
        }
        // Type 240: the combo boxes' items, which the dialogs read when they start.
        for (unsigned id : kDialogInitIds) {
            out << id << " 240 \"" << DialogInitFileName(id, language.japanese) << "\"\n";
        }
        out << "\n";
    }
    out << "// Neutral\nLANGUAGE 0, 0\n\n";
    for (std::size_t i = 0; i < kIconCount; ++i) {
        out << kIconIds[i] << " ICON \"" << IconFileName(kIconIds[i]) << "\"\n";
    }
    out << "1 24 \"corvane.manifest\"\n\n";
    WriteVersion(out);
}

std::string IconFileName(unsigned id) {
    return "icon" + std::to_string(id) + ".ico";
}

std::vector<DialogInitFile> DialogInitFiles() {
    std::vector<DialogInitFile> files;
    for (unsigned id : kDialogInitIds) {
        const DialogInitResource* resource = FindDialogInitResource(id);
        for (const bool japanese : {false, true}) {
            files.push_back(DialogInitFile{
                DialogInitFileName(id, japanese),
                DialogInitData(*resource, japanese, japanese ? ToCodePage932 : Unchanged)});
        }
    }
    return files;
}
