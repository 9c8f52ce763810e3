// FormatMessageA, LocalFree and LoadStringA in the simulated Windows.
#include "platform/sim/control/world.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/win32.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr DWORD kFromSystem = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM;

std::string SystemText(DWORD code, DWORD* length = nullptr) {
    LPSTR text = nullptr;
    const DWORD count = FormatMessageA(kFromSystem, nullptr, code, 0x0400,
                                       reinterpret_cast<LPSTR>(&text), 0, nullptr);
    if (length != nullptr) {
        *length = count;
    }
    if (count == 0) {
        return "<failed>";
    }
    std::string result(text);
    EXPECT_EQ(nullptr, LocalFree(text));
    return result;
}

TEST(SystemText, KnownCodesComeWithTheirLineEndInTheUsersLanguage) {
    sim::World world;
    DWORD length = 0;
    EXPECT_EQ("Access is denied.\r\n", SystemText(5, &length));
    EXPECT_EQ(19u, length);
    world.SetLanguage(sim::Language::Japanese);
    EXPECT_EQ("アクセスが拒否されました。\r\n", SystemText(5));
    EXPECT_EQ(0u, sim::Kernel32().localAllocations.size());
}

TEST(SystemText, UnknownCodeFailsWithNothingAllocated) {
    sim::World world;
    DWORD length = 99;
    EXPECT_EQ("<failed>", SystemText(61207, &length));
    EXPECT_EQ(0u, length);
    EXPECT_EQ(static_cast<DWORD>(ERROR_MR_MID_NOT_FOUND), GetLastError());
    EXPECT_EQ(0u, sim::Kernel32().localAllocations.size());
}

TEST(SystemText, LocalFreeOfAForeignPointerFails) {
    sim::World world;
    int local = 0;
    EXPECT_EQ(&local, LocalFree(&local));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}

TEST(SystemText, LoadStringCutsToTheBufferAndFollowsTheLanguage) {
    sim::World world;
    char buffer[8];
    EXPECT_EQ(6, LoadStringA(GetModuleHandleA(nullptr), IDS_OPTION_CAPTION, buffer, 8));
    EXPECT_STREQ("Option", buffer);
    EXPECT_EQ(3, LoadStringA(GetModuleHandleA(nullptr), IDS_NO_DEVICE, buffer, 4));
    EXPECT_STREQ("No ", buffer);
    EXPECT_EQ(0, LoadStringA(GetModuleHandleA(nullptr), 1, buffer, sizeof buffer));
    world.SetLanguage(sim::Language::Japanese);
    char japanese[64];
    ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), IDS_OPTION_CAPTION, japanese, 64), 0);
    EXPECT_STREQ("ｵﾌﾟｼｮﾝ", japanese);
}

} // namespace
