// The resource script and icons rcgen writes for the Windows build.
#include "tools/rcgen/Icons.h"
#include "tools/rcgen/RcWriter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>

namespace {

std::string Script() {
    std::ostringstream out;
    WriteResourceScript(out);
    return out.str();
}

TEST(Rcgen, WritesBothLanguagesFromTheSameTables) {
    const std::string script = Script();
    for (const char* expected : {
             "#pragma code_page(65001)",
             "LANGUAGE 9, 1",
             "LANGUAGE 17, 1",
             "    57344, \"Corvane\"",
             "    128, \"Corvane\\n\\nPelbrin\\n\\n\\nPelbrin.Document\\nCorvane Document\"",
             "    61210, \"ｵﾌﾟｼｮﾝ\"",
             "        POPUP \"&Change Display Area...\"",
             "            MENUITEM \"ﾏｳｽ追跡ﾓｰﾄﾞ1(&1)\", 32777",
             "        MENUITEM SEPARATOR",
             "        MENUITEM \"E&xit Application\", 57665",
             "CAPTION \"Corvaneのﾊﾞｰｼﾞｮﾝ情報\"",
             "FONT 9, \"ＭＳ Ｐゴシック\"",
             "    CONTROL 128, -1, \"STATIC\", 0x50000003, 11, 17, 20, 20",
             "133 ICON \"icon133.ico\"",
             "1 24 \"corvane.manifest\"",
             "FILEVERSION 1, 10, 2, 0",
             "PRODUCTVERSION 1, 10, 2, 0",
             "VALUE \"ProductVersion\", \"1.10.2\"",
             "\"Corvane Version 1.10.2\"",
         }) {
        EXPECT_NE(std::string::npos, script.find(expected)) << expected;
    }
}

std::uint32_t Read32(const std::string& data, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(data[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 3])) << 24;
}

TEST(Rcgen, IconsAreWellFormedAndTellReadyFromNoDevice) {
    const std::string tray = MakeIcon(IconKind::Ready, false);
    const std::string main = MakeIcon(IconKind::Ready, true);
    const std::string none = MakeIcon(IconKind::NoDevice, false);
    EXPECT_EQ(1, tray[4]) << "one image";
    EXPECT_EQ(2, main[4]) << "16 and 32 pixels";
    EXPECT_EQ(16, static_cast<unsigned char>(tray[6]));
    EXPECT_EQ(32, static_cast<unsigned char>(main[6 + 16]));
    // Each entry's size and offset describe the data that follows.
    const std::uint32_t size = Read32(tray, 6 + 8);
    const std::uint32_t offset = Read32(tray, 6 + 12);
    EXPECT_EQ(tray.size(), offset + size);
    EXPECT_EQ(40u, Read32(tray, offset)) << "a BITMAPINFOHEADER";
    EXPECT_EQ(16u * 16 * 4 + 16 * 4 + 40, size) << "32-bit pixels and a padded mask";
    EXPECT_NE(tray, none);
    EXPECT_EQ(tray.size(), none.size());
}

} // namespace
