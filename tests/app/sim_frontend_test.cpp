// corvane-sim's own parsing: key combinations, the command line and the registry file.
#include "app/sim/Interrupts.h"
#include "app/sim/KeyNames.h"
#include "app/sim/LineSource.h"
#include "app/sim/Options.h"
#include "app/sim/RegistryFile.h"
#include "app/sim/Text.h"
#include "platform/hook_library.h"
#include "platform/sim/picture/image.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::string_view_literals;

TEST(KeyNames, ParsesWhatPeopleType) {
    struct Case {
        const char* text;
        DWORD vk;
        DWORD flags;
    };
    const Case cases[] = {
        {"ctrl+alt+f", 'F', SHORTCUT_CTRL | SHORTCUT_ALT},
        {"Shift+F12", 0x7B, SHORTCUT_SHIFT},
        {"alt+control+L", 'L', SHORTCUT_CTRL | SHORTCUT_ALT},
        {"space", 0x20, 0},
        {"ctrl+pagedown", 0x22, SHORTCUT_CTRL},
        {"7", '7', 0},
    };
    for (const Case& c : cases) {
        const std::optional<KeyCombination> keys = ParseKeys(c.text);
        ASSERT_TRUE(keys) << c.text;
        EXPECT_EQ(c.vk, keys->vk) << c.text;
        EXPECT_EQ(c.flags, keys->flags) << c.text;
    }
    for (const char* bad : {"", "ctrl", "ctrl+ctrl+f", "f13", "f01", "a+b", "f+ctrl", "ctrl++f"}) {
        EXPECT_FALSE(ParseKeys(bad)) << '"' << bad << '"';
    }
}

std::optional<Options> Parse(std::vector<const char*> args, std::string& error) {
    args.insert(args.begin(), "corvane-sim");
    return ParseOptions(static_cast<int>(args.size()), const_cast<char**>(args.data()), false,
                        error);
}

TEST(Options, ReadsEveryOption) {
    std::string error;
    const auto options = Parse({"--lang", "ja", "--screen", "800x600", "--no-converter", "--wire",
                                "--fresh", "--tv", "tv.png", "script.txt"},
                               error);
    ASSERT_TRUE(options) << error;
    EXPECT_TRUE(options->japanese);
    EXPECT_EQ(800, options->screenWidth);
    EXPECT_EQ(600, options->screenHeight);
    EXPECT_FALSE(options->converter);
    EXPECT_TRUE(options->wire);
    EXPECT_TRUE(options->fresh);
    EXPECT_EQ("tv.png", options->tvPicture);
    EXPECT_TRUE(Parse({"--screen", "4320x7680"}, error)) << "an 8K screen on its side";
    const auto joined = Parse({"--lang=ja", "--screen=800x600", "--tv=a=b.png"}, error);
    ASSERT_TRUE(joined) << error;
    EXPECT_TRUE(joined->japanese);
    EXPECT_EQ(800, joined->screenWidth);
    EXPECT_EQ("a=b.png", joined->tvPicture) << "only the first = divides";
    EXPECT_FALSE(Parse({"--wire=yes"}, error)) << "an option without a value takes none";
    EXPECT_FALSE(Parse({}, error)->wallClock) << "unset: the terminal decides";
    EXPECT_EQ(true, Parse({"--clock", "wall"}, error)->wallClock);
    EXPECT_EQ(false, Parse({"--clock=virtual"}, error)->wallClock);
    EXPECT_EQ("script.txt", options->script);
}

TEST(Options, HelpVersionAndStandardInput) {
    std::string error;
    EXPECT_TRUE(Parse({"--help"}, error)->help);
    EXPECT_TRUE(Parse({"-h"}, error)->help);
    EXPECT_TRUE(Parse({"--version"}, error)->version);
    EXPECT_EQ("-", Parse({"-"}, error)->script) << "a lone dash is standard input";
}

TEST(Options, AnOptionMissingItsValueSaysSo) {
    for (const char* option : {"--lang", "--screen", "--registry"}) {
        std::string error;
        EXPECT_FALSE(Parse({option}, error));
        EXPECT_EQ(std::string(option) + " needs a value", error);
    }
}

TEST(Options, TheLocaleVariablesCountInPosixOrder) {
    EXPECT_TRUE(JapaneseLocale("ja_JP.UTF-8", "en_US.UTF-8", "en_US.UTF-8"));
    EXPECT_FALSE(JapaneseLocale("C", "ja_JP.UTF-8", "ja_JP.UTF-8")) << "LC_ALL first";
    EXPECT_TRUE(JapaneseLocale(nullptr, "ja_JP.UTF-8", "en_US.UTF-8"));
    EXPECT_TRUE(JapaneseLocale("", "", "ja_JP.UTF-8")) << "empty ones do not count";
    EXPECT_FALSE(JapaneseLocale(nullptr, nullptr, nullptr));
}

TEST(Options, RefusesWhatItCannotUse) {
    const std::vector<std::vector<const char*>> bad = {
        {"--lang", "de"},
        {"--screen", "800"},
        {"--screen", "0x600"},
        {"--screen", "800x600x"},
        {"--screen", "4294967297x768"},
        {"--screen", "+800x600"},
        {"--screen", "16384x16384"},
        {"--screen", "7680x7680"},
        {"--registry", ""},
        {"--tv", ""},
        {"--clock", "fast"},
        {"--registry", "r", "--fresh"},
        {"--verbose"},
        {"a", "b"},
        {"--lang"},
    };
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(Parse(args, error)) << args[0] << " " << (args.size() > 1 ? args[1] : "");
        EXPECT_FALSE(error.empty());
    }
}

TEST(RegistryFile, RoundTripsAndRefusesAMalformedFile) {
    const testing_support::TempFolder folder;
    const std::string path = folder / "registry";
    sim::Registry saved;
    saved.WriteDword("Software\\Velmora\\Corvane\\Device", "Brightness", 0xFFFFFF80u);
    saved.WriteDword("Software\\Velmora\\Corvane\\General", "Version", 65546);
    std::string error;
    ASSERT_TRUE(SaveRegistry(saved, path, error)) << error;

    sim::Registry loaded;
    ASSERT_TRUE(LoadRegistry(loaded, path, error)) << error;
    DWORD value = 0;
    ASSERT_TRUE(loaded.ReadDword("Software\\Velmora\\Corvane\\Device", "Brightness", &value));
    EXPECT_EQ(0xFFFFFF80u, value);
    ASSERT_TRUE(loaded.ReadDword("software\\velmora\\corvane\\general", "version", &value));
    EXPECT_EQ(65546u, value);

    std::ofstream(path) << "Software\\Velmora\\Corvane\\Device\\Contrast=lots\n";
    sim::Registry broken;
    EXPECT_FALSE(LoadRegistry(broken, path, error));
    EXPECT_NE(std::string::npos, error.find(":1:"));

    sim::Registry missing;
    EXPECT_TRUE(LoadRegistry(missing, path + ".none", error)) << "a first run has no file";
}

struct FileCase {
    const char* name;
    std::string_view contents;
    bool loads;
};

std::ostream& operator<<(std::ostream& out, const FileCase& c) {
    return out << c.name;
}

const FileCase kFileCases[] = {
    {"Plain", "Software\\A\\B=7\n", true},
    {"WindowsLineEnds", "Software\\A\\B=7\r\nSoftware\\A\\C=8\r\n", true},
    {"EmptyLinesSkipped", "\nSoftware\\A\\B=7\n\n", true},
    {"LargestValue", "Software\\A\\B=4294967295\n", true},
    {"EmptyValue", "Software\\A\\B=\n", false},
    {"NoKey", "\\=7\n", false},
    {"NoName", "Software\\A\\=7\n", false},
    {"TooLarge", "Software\\A\\B=4294967296\n", false},
    {"Negative", "Software\\A\\B=-1\n", false},
    {"NotANumber", "Software\\A\\B=7x\n", false},
    {"BytesAfterANul", "Software\\A\\B=40\0garbage\n"sv, false},
    {"LastLineCutOff", "Software\\A\\B=7\nSoftware\\A\\C=4", false},
    {"KeyFromTheRoot", "\\\\A\\B=7\n", false},
    {"EmptyKeyName", "Software\\\\A\\B=7\n", false},
    {"ControlCharacterInAName", "Software\\A\\B\rC=7\n", false},
    {"EqualsInAName", "Software\\A\\B=C=7\n", true},
};

class RegistryFileLines : public ::testing::TestWithParam<FileCase> {};

TEST_P(RegistryFileLines, LoadOrNameTheLine) {
    const testing_support::TempFolder folder;
    const std::string path = folder / "registry";
    std::ofstream(path, std::ios::binary) << GetParam().contents;
    sim::Registry registry;
    std::string error;
    EXPECT_EQ(GetParam().loads, LoadRegistry(registry, path, error)) << error;
    if (!GetParam().loads) {
        EXPECT_NE(std::string::npos, error.find(path + ":")) << error;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, RegistryFileLines, ::testing::ValuesIn(kFileCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RegistryFile, RefusesWhatIsNotARegularFile) {
    sim::Registry registry;
    std::string error;
    EXPECT_FALSE(LoadRegistry(registry, "/dev/null", error));
    EXPECT_NE(std::string::npos, error.find("not a regular file")) << error;
    const testing_support::TempFolder folder;
    EXPECT_FALSE(LoadRegistry(registry, folder.Path(), error)) << "a folder";
}

TEST(RegistryFile, SavingKeepsTheLinkAndTheModeAndOnFailureTheOldFile) {
    const testing_support::TempFolder folder;
    const std::string target = folder / "settings";
    const std::string link = folder / "registry";
    std::ofstream(target) << "Software\\A\\B=1\n";
    chmod(target.c_str(), 0640);
    ASSERT_EQ(0, symlink(target.c_str(), link.c_str()));
    sim::Registry registry;
    registry.WriteDword("Software\\A", "B", 2);
    std::string error;
    ASSERT_TRUE(SaveRegistry(registry, link, error)) << error;
    struct stat status {};
    ASSERT_EQ(0, lstat(link.c_str(), &status));
    EXPECT_TRUE(S_ISLNK(status.st_mode)) << "the link stays a link";
    ASSERT_EQ(0, stat(target.c_str(), &status));
    EXPECT_EQ(0640u, status.st_mode & 07777) << "the mode is kept";
    std::ifstream written(target);
    std::string line;
    std::getline(written, line);
    EXPECT_EQ("Software\\A\\B=2", line);

    // A disk that fills up in the middle of the write: no file may grow past 8 bytes.
    registry.WriteDword("Software\\A", "B", 3);
    rlimit limit{};
    ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &limit));
    const rlimit small{8, limit.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
    const bool saved = SaveRegistry(registry, link, error);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_NE(std::string::npos, error.find("cannot write " + target)) << error;
    std::ifstream kept(target);
    std::getline(kept, line);
    EXPECT_EQ("Software\\A\\B=2", line) << "the old file stays";
    EXPECT_EQ(2, std::distance(std::filesystem::directory_iterator(folder.Path()), {}))
        << "no temporary file is left";
}

} // namespace

namespace {

// The handlers' own logic, each case in a process of its own: a signal only asks to end,
// and a second Ctrl+C quits at once with the shell's code for it.
TEST(Text, WordsAreSplitAtSpacesAndQuotesKeepThemTogether) {
    using Words = std::vector<std::string>;
    EXPECT_EQ((Words{"show", "tv", "my tv.png"}), Split("show tv \"my tv.png\""));
    EXPECT_EQ((Words{"show", "tv", ""}), Split("show  tv\t\"\""));
    EXPECT_EQ((Words{"title", "a b"}), Split("title \"a b"));
    EXPECT_EQ((Words{"it's", "C#"}), Split(" it's C# "));
}

TEST(Text, HalfWidthKanaReadAsTheFullWidthAnInputMethodTypes) {
    EXPECT_EQ("オプション", FullWidthKana("ｵﾌﾟｼｮﾝ"));
    EXPECT_EQ("ガギグゲゴヴパ", FullWidthKana("ｶﾞｷﾞｸﾞｹﾞｺﾞｳﾞﾊﾟ"));
    EXPECT_EQ("ア゛(&O)", FullWidthKana("ｱﾞ(&O)")) << "a mark on a kana that takes none";
    EXPECT_EQ(PlainText("オプション(&O)..."), PlainText("ｵﾌﾟｼｮﾝ(&O)..."));
}

TEST(Text, ACommentBeginsWhereAHashFollowsASpace) {
    EXPECT_EQ("move 500 200", WithoutComment("move 500 200   # indicator: (500, 200)"));
    EXPECT_EQ("", WithoutComment("# a whole line"));
    EXPECT_EQ("window 1 2 3 4 title C#", WithoutComment("window 1 2 3 4 title C#"));
    EXPECT_EQ("ok", WithoutComment("ok\t# or cancel"));
}

TEST(LineSource, ALineTooLongForAnyCommandIsGivenEmptyAndTheNextFollows) {
    std::string input(LineSource::kLongestLine + 1, 'a');
    input += "\nshow tray\n" + std::string(LineSource::kLongestLine, 'b') + "\n";
    LineSource lines(fmemopen(input.data(), input.size(), "r"));
    EXPECT_EQ("", lines.Next(""));
    EXPECT_TRUE(lines.WasTooLong());
    EXPECT_EQ("show tray", lines.Next(""));
    EXPECT_FALSE(lines.WasTooLong());
    EXPECT_EQ(LineSource::kLongestLine, lines.Next("").value_or("").size()) << "the longest";
    EXPECT_FALSE(lines.Next(""));
}

// A caption shows as much of its title as fits, in whole characters; a Japanese one is set
// in the real font, a full-width character wider than a half-width one.
TEST(Picture, TextIsCutToTheWidthInWholeCharacters) {
    const int cell = sim::TextWidth("x", 1);
    EXPECT_EQ("ab", sim::FittingText("abc", 2 * cell, 1));
    const char kSun[] = "\xE6\x97\xA5";          // 日
    const char kHalfWidthKa[] = "\xEF\xBD\xB6"; // ｶ
    EXPECT_GT(sim::TextWidth(kSun, 1), sim::TextWidth(kHalfWidthKa, 1));
    EXPECT_EQ(std::string("a") + kSun,
              sim::FittingText(std::string("a") + kSun + "\xE6\x9C\xAC",
                               cell + sim::TextWidth(kSun, 1) + 1, 1));
    EXPECT_EQ("", sim::FittingText("abc", cell - 1, 1));
    EXPECT_EQ("abc", sim::FittingText("abc", 3 * cell, 1));
    const int fourCondensed = sim::TextWidth("abcd", 1, sim::Spacing::Condensed);
    EXPECT_EQ("abc", sim::FittingText("abcde", fourCondensed, 1));
    EXPECT_EQ("abcd", sim::FittingText("abcde", fourCondensed, 1, sim::Spacing::Condensed))
        << "condensed, four fit where three did";
}

TEST(InterruptsDeathTest, ASecondCtrlCQuitsAtOnce) {
    EXPECT_EXIT(
        {
            OnInterrupt(SIGINT);
            std::exit(InterruptRequested() ? 3 : 4);
        },
        ::testing::ExitedWithCode(3), "");
    EXPECT_EXIT(
        {
            OnInterrupt(SIGINT);
            OnInterrupt(SIGINT);
            std::exit(0);
        },
        ::testing::ExitedWithCode(130), "");
    EXPECT_EXIT(
        {
            OnInterrupt(SIGTERM);
            OnInterrupt(SIGTERM);
            OnInterrupt(SIGHUP);
            std::exit(InterruptRequested() ? 3 : 4);
        },
        ::testing::ExitedWithCode(3), "")
        << "termination and hang-up only ask, however often";
}

} // namespace
