// corvane-sim's pictures: a PNG written and read back, an unwritable one refused without a
// partial file left, and the terminal picture's size and colours.
#include "app/sim/PngFile.h"
#include "app/sim/TerminalPicture.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

TEST(PngFile, WritesEveryPixelAndReadsBackTheSame) {
    sim::Image image(7, 5, 0x102030);
    image.Set(0, 0, 0xFF0000);
    image.Set(6, 4, 0x00FF80);
    const testing_support::TempFolder folder;
    const std::string path = folder / "tv.png";
    ASSERT_EQ("", WritePng(path, image));

    png_image read{};
    read.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&read, path.c_str()));
    read.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(read));
    ASSERT_TRUE(png_image_finish_read(&read, nullptr, bytes.data(), 0, nullptr));
    ASSERT_EQ(7u, read.width);
    ASSERT_EQ(5u, read.height);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            const std::size_t i = static_cast<std::size_t>((y * 7 + x) * 3);
            const std::uint32_t pixel =
                static_cast<std::uint32_t>(bytes[i] << 16 | bytes[i + 1] << 8 | bytes[i + 2]);
            EXPECT_EQ(image.At(x, y), pixel) << x << ", " << y;
        }
    }
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(folder.Path()), {}))
        << "no temporary file is left";
}

TEST(PngFile, OnlyAPictureOrAnEmptyFileIsWrittenOver) {
    const testing_support::TempFolder folder;
    std::ofstream(folder / "notes.txt") << "my notes";
    EXPECT_EQ(folder / "notes.txt" + " is not a PNG file; it is left as it is",
              WritePng(folder / "notes.txt", sim::Image(2, 2, 0)));
    std::ifstream notes(folder / "notes.txt");
    EXPECT_EQ("my notes", std::string(std::istreambuf_iterator<char>(notes), {}));
    std::ofstream(folder / "empty.png").close();
    EXPECT_EQ("", WritePng(folder / "empty.png", sim::Image(2, 2, 0)));
    EXPECT_EQ("", WritePng(folder / "empty.png", sim::Image(3, 3, 0))) << "a PNG again";
}

TEST(PngFile, AFileThatCannotBeWrittenIsRefusedWithTheReason) {
    const std::string error = WritePng("/nonexistent-folder/tv.png", sim::Image(4, 4, 0));
    EXPECT_NE(std::string::npos, error.find("cannot write /nonexistent-folder/tv.png")) << error;
    const testing_support::TempFolder folder;
    EXPECT_NE("", WritePng(folder / "empty.png", sim::Image())) << "an image with no pixels";
}

// Two pixel rows per character: the upper as the foreground colour, the lower as the
// background, in the proportions the picture is shown in.
TEST(TerminalPicture, HalfBlocksKeepTheShownProportionsAndColours) {
    sim::Image image(720, 480, 0);
    FillRect(image, 0, 0, 720, 240, 0xFF0000); // the upper half red
    const std::vector<std::string> lines = TerminalPicture(image, 64, 4.0 / 3.0, true);
    ASSERT_EQ(24u, lines.size()) << "64 columns at 4:3 are 48 blocks high";
    EXPECT_NE(std::string::npos, lines.front().find("\x1b[38;2;255;0;0m\x1b[48;2;255;0;0m"));
    EXPECT_NE(std::string::npos, lines.back().find("\x1b[38;2;0;0;0m\x1b[48;2;0;0;0m"));
    EXPECT_EQ(std::string::npos, lines.back().find("255;0;0")) << "no red in the lower half";
    const std::vector<std::string> palette = TerminalPicture(image, 64, 4.0 / 3.0, false);
    EXPECT_NE(std::string::npos, palette.front().find("\x1b[38;5;196m")) << "red in the cube";
}

} // namespace
