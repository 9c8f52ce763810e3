// corvane-sim's files (the registry, the TV and screen pictures) replace their targets safely:
// never through a link planted in the folder, never over what is not a regular file, and only
// under a name that can be a file's.
#include "app/sim/FileReplacement.h"
#include "app/sim/PngFile.h"
#include "app/sim/RegistryFile.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using testing_support::TempFolder;

std::string Contents(const std::string& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Each writer the simulator has, over one target.
struct Writer {
    const char* name;
    std::string (*write)(const std::string& path);
};

std::string SaveARegistry(const std::string& path) {
    sim::Registry registry;
    registry.WriteDword("Software\\A", "B", 1);
    std::string error;
    SaveRegistry(registry, path, error);
    return error;
}

std::string WriteAPicture(const std::string& path) {
    return WritePng(path, sim::Image(2, 2, 0));
}

const Writer kWriters[] = {{"Registry", SaveARegistry}, {"Picture", WriteAPicture}};

class FileReplacement : public ::testing::TestWithParam<Writer> {};

TEST_P(FileReplacement, LinksPlantedBesideTheTargetLeadNowhere) {
    const TempFolder folder;
    const std::string victim = folder / "victim";
    std::ofstream(victim) << "untouched";
    const std::string target = folder / "target";
    for (const char* suffix : {".new", ".part", ".tmp", "~"}) {
        ASSERT_EQ(0, symlink(victim.c_str(), (target + suffix).c_str()));
    }
    EXPECT_EQ("", GetParam().write(target));
    EXPECT_EQ("untouched", Contents(victim));
    struct stat status {};
    ASSERT_EQ(0, lstat(target.c_str(), &status));
    EXPECT_TRUE(S_ISREG(status.st_mode));
}

TEST_P(FileReplacement, ADanglingLinkStaysALinkAndItsFileIsMade) {
    const TempFolder folder;
    const std::string link = folder / "link";
    ASSERT_EQ(0, symlink("made", link.c_str()));
    EXPECT_EQ("", GetParam().write(link));
    struct stat status {};
    ASSERT_EQ(0, lstat(link.c_str(), &status));
    EXPECT_TRUE(S_ISLNK(status.st_mode));
    EXPECT_EQ(0, stat((folder / "made").c_str(), &status));
}

TEST_P(FileReplacement, WhatIsNoRegularFileIsRefusedByItsOwnName) {
    const TempFolder folder;
    const std::string link = folder / "null";
    ASSERT_EQ(0, symlink("/dev/null", link.c_str()));
    for (const std::string& name : {std::string("/dev/null"), link, folder.Path()}) {
        const std::string target = name == link ? "/dev/null" : name;
        EXPECT_EQ(target + " is not a regular file", GetParam().write(name));
    }
    struct stat status {};
    ASSERT_EQ(0, stat("/dev/null", &status));
    EXPECT_TRUE(S_ISCHR(status.st_mode));
}

TEST_P(FileReplacement, OnlyANameThatCanBeAFilesIsTaken) {
    const TempFolder folder;
    EXPECT_EQ("a file name cannot be empty", GetParam().write(""));
    const std::string withNul = folder / std::string("a\0b", 3);
    EXPECT_EQ("a file name cannot hold a NUL byte", GetParam().write(withNul));
    EXPECT_NE(0, access((folder / "a").c_str(), F_OK)) << "nothing under the cut name";
    EXPECT_EQ("", GetParam().write(folder / std::string(255, 'n'))) << "the longest name";
}

INSTANTIATE_TEST_SUITE_P(Writers, FileReplacement, ::testing::ValuesIn(kWriters),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RegistryFileClaim, ASecondClaimOnOneFileIsRefusedUntilTheFirstEnds) {
    const TempFolder folder;
    sim::Registry registry;
    std::string error;
    auto first = std::make_unique<RegistryFile>(registry, folder / "registry");
    ASSERT_TRUE(first->Claim(error)) << error;
    RegistryFile second(registry, folder / "registry");
    EXPECT_FALSE(second.Claim(error));
    EXPECT_EQ("another corvane-sim keeps its settings in " + folder / "registry", error);
    first.reset();
    EXPECT_TRUE(second.Claim(error)) << error;
}

TEST(RegistryFileClaim, AFolderThatCannotHoldTheFileIsToldAtOnce) {
    const TempFolder folder;
    std::ofstream(folder / "file") << "";
    sim::Registry registry;
    RegistryFile file(registry, folder / "file/registry");
    std::string error;
    EXPECT_FALSE(file.Claim(error));
    EXPECT_NE(std::string::npos, error.find(folder / "file/registry")) << error;
}

} // namespace
