// The registry functions as Win32 defines them, on the simulated HKEY_CURRENT_USER.
#include "platform/sim/advapi32/advapi32_state.h"
#include "platform/sim/control/world.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

namespace {

class RegistryTest : public ::testing::Test {
  protected:
    HKEY Create(const char* path, DWORD* disposition = nullptr) {
        HKEY key = nullptr;
        EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_WRITE,
                                                 nullptr, &key, disposition));
        return key;
    }
    sim::World world;
};

TEST_F(RegistryTest, CreateMakesEveryLevelAndSaysWhetherItWasNew) {
    DWORD disposition = 0;
    HKEY key = Create("Software\\Velmora\\Corvane", &disposition);
    EXPECT_EQ(static_cast<DWORD>(REG_CREATED_NEW_KEY), disposition);
    RegCloseKey(key);
    key = Create("software\\VELMORA\\corvane", &disposition);
    EXPECT_EQ(static_cast<DWORD>(REG_OPENED_EXISTING_KEY), disposition) << "names ignore case";
    RegCloseKey(key);
    ASSERT_NE(nullptr, sim::Advapi32().registry.Find("Software\\Velmora"));
    EXPECT_EQ("Velmora", sim::Advapi32().registry.Find("Software\\Velmora")->name)
        << "kept as first written";
}

TEST_F(RegistryTest, OpenFailsForAMissingKey) {
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Nobody", 0, KEY_READ, &key));
    HKEY software = Create("Software");
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExA(software, nullptr, 0, KEY_READ, &key));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(key)) << "closed twice";
    RegCloseKey(software);
}

TEST_F(RegistryTest, QueryReportsSizeTypeAndShortBuffers) {
    HKEY key = Create("Software\\Test");
    const DWORD stored = 65546;
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, "Version", 0, REG_DWORD,
                                            reinterpret_cast<const BYTE*>(&stored), 4));
    DWORD type = 0;
    DWORD size = 0;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, "version", nullptr, &type, nullptr, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    EXPECT_EQ(4u, size);
    BYTE small[2] = {};
    size = sizeof small;
    EXPECT_EQ(ERROR_MORE_DATA, RegQueryValueExA(key, "Version", nullptr, &type, small, &size));
    EXPECT_EQ(4u, size);
    DWORD value = 0;
    size = sizeof value;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, "Version", nullptr, &type,
                                              reinterpret_cast<BYTE*>(&value), &size));
    EXPECT_EQ(stored, value);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegQueryValueExA(key, "Missing", nullptr, &type, nullptr, &size));
    RegCloseKey(key);
}

TEST_F(RegistryTest, ListingIsSortedAndRelativeToTheKey) {
    sim::Advapi32().registry.WriteDword("Software\\A\\Device", "Zeta", 1);
    sim::Advapi32().registry.WriteDword("Software\\A\\Device", "alpha", 2);
    sim::Advapi32().registry.WriteDword("Software\\A", "Top", 3);
    sim::Advapi32().registry.WriteDword("Software\\B", "Other", 4);
    std::vector<std::string> names;
    for (const auto& [name, value] : sim::Advapi32().registry.ListValues("Software\\A")) {
        names.push_back(name);
    }
    EXPECT_EQ((std::vector<std::string>{"Device\\alpha", "Device\\Zeta", "Top"}), names);
}

} // namespace
