// The model's settings in the registry: defaults, loading, rescaling and saving.
#include "model/TvPresets.h"
#include "platform/sim/advapi32/advapi32_state.h"
#include "tests/model/doc_fixture.h"

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAreArray;
using testing_support::DocTest;
using testing_support::kProfile;

class SettingsTest : public DocTest {
  protected:
    void Store(const char* section, const char* name, DWORD value) {
        sim::Advapi32().registry.WriteDword(std::string(kProfile) + "\\" + section, name, value);
    }
    DWORD Stored(const char* section, const char* name) {
        DWORD value = 0xDEADBEEF;
        EXPECT_TRUE(sim::Advapi32().registry.ReadDword(std::string(kProfile) + "\\" + section, name,
                                                       &value))
            << section << "\\" << name;
        return value;
    }
    void StoreArea(int width, int height, RECT area) {
        Store("Selection", "HorizontalResolution", static_cast<DWORD>(width));
        Store("Selection", "VerticalResolution", static_cast<DWORD>(height));
        Store("Selection", "Left", static_cast<DWORD>(area.left));
        Store("Selection", "Top", static_cast<DWORD>(area.top));
        Store("Selection", "Right", static_cast<DWORD>(area.right));
        Store("Selection", "Bottom", static_cast<DWORD>(area.bottom));
    }
};

TEST_F(SettingsTest, EmptyRegistryGivesTheDefaultsAndTheNtscUnderscanPreset) {
    doc.LoadSettings();
    EXPECT_TRUE(IsRectEmpty(&doc.m_rcDisplayArea));
    EXPECT_EQ(32, doc.m_nContrast);
    EXPECT_EQ(0, doc.m_nBrightness);
    EXPECT_EQ(0, doc.m_nSharpness);
    EXPECT_EQ(32, doc.m_nSaturation);
    EXPECT_EQ(8, doc.m_nFlickerFilter);
    EXPECT_EQ(0, doc.m_nVideoStandard);
    EXPECT_EQ(TRUE, doc.m_bPedestal);
    EXPECT_EQ(0, doc.m_nTvPositionSize);
    EXPECT_TRUE(EqualRect(&g_rcTvNtscUnderscan, &doc.m_rcTvPosition));
    EXPECT_EQ(0, doc.m_byExternalOutput);
    EXPECT_FALSE(doc.m_bSuppressStripe);
}

class PedestalByLocaleTest : public ::testing::TestWithParam<std::pair<LCID, BOOL>> {};

TEST_P(PedestalByLocaleTest, JapaneseUsersGetNoPedestal) {
    sim::World world;
    world.SetUserLocale(GetParam().first);
    CMrgApp app;
    CMrgDoc doc;
    EXPECT_EQ(GetParam().second, doc.m_bPedestal);
}

INSTANTIATE_TEST_SUITE_P(Locales, PedestalByLocaleTest,
                         ::testing::Values(std::pair<LCID, BOOL>{0x0411, FALSE},
                                           std::pair<LCID, BOOL>{0x0409, TRUE},
                                           std::pair<LCID, BOOL>{0x0804, TRUE},
                                           // Japanese with another sort order is still Japanese
                                           std::pair<LCID, BOOL>{0x10411, FALSE}),
                         [](const auto& info) {
                             char name[16];
                             std::snprintf(name, sizeof name, "Lcid%05X",
                                           static_cast<unsigned>(info.param.first));
                             return std::string(name);
                         });

TEST_F(SettingsTest, OneSaveWritesEveryValue) {
    doc.LoadSettings();
    doc.SaveSettings();
    std::vector<std::string> names;
    for (const auto& [name, value] : sim::Advapi32().registry.ListValues(kProfile)) {
        names.push_back(name + "=" +
                        std::to_string(*reinterpret_cast<const DWORD*>(value->data.data())));
    }
    EXPECT_THAT(names, ElementsAreArray({
                           "Device\\Brightness=0",
                           "Device\\ChromaFilter=0",
                           "Device\\Contrast=32",
                           "Device\\ExternalOutput=0",
                           "Device\\FlickerFilter=8",
                           "Device\\LuminanceFilter=0",
                           "Device\\Pedestal=1",
                           "Device\\RgbGain=0",
                           "Device\\Saturation=32",
                           "Device\\Sharpness=0",
                           "Device\\SuppressVerticalStripePattern=0",
                           "Device\\TvHorizontalOffset=178",
                           "Device\\TvHorizontalSize=658",
                           "Device\\TvPositionSize=0",
                           "Device\\TvVerticalOffset=38",
                           "Device\\TvVerticalSize=412",
                           "Device\\VideoStandard=0",
                           "Selection\\AspectRatio=0",
                           "Selection\\Bottom=0",
                           "Selection\\HorizontalResolution=1024",
                           "Selection\\Left=0",
                           "Selection\\Right=0",
                           "Selection\\Top=0",
                           "Selection\\VerticalResolution=768",
                       }));
}

TEST_F(SettingsTest, StoredValuesComeBackAsTheyAreWithoutRangeChecks) {
    Store("Device", "Contrast", 99);
    Store("Device", "Brightness", static_cast<DWORD>(-128));
    Store("Device", "VideoStandard", 1);
    Store("Device", "TvHorizontalSize", 898);
    Store("Device", "SuppressVerticalStripePattern", 1);
    Store("Selection", "AspectRatio", 2);
    doc.LoadSettings();
    EXPECT_EQ(99, doc.m_nContrast);
    EXPECT_EQ(-128, doc.m_nBrightness);
    EXPECT_EQ(1, doc.m_nVideoStandard);
    EXPECT_EQ(898, doc.m_rcTvPosition.right);
    EXPECT_EQ(38, doc.m_rcTvPosition.top) << "missing keys keep their defaults";
    EXPECT_TRUE(doc.m_bSuppressStripe);
    EXPECT_TRUE(doc.m_suppression.Active());
    EXPECT_EQ(2, doc.m_nAspectRatio);
}

TEST_F(SettingsTest, ExternalOutputKeepsItsLowByte) {
    Store("Device", "ExternalOutput", 0x130);
    doc.LoadSettings();
    EXPECT_EQ(0x30, doc.m_byExternalOutput);
    doc.SaveSettings();
    EXPECT_EQ(0x30u, Stored("Device", "ExternalOutput"));
}

TEST_F(SettingsTest, StoredAreaIsRescaledToThePresentScreen) {
    StoreArea(1024, 768, {0, 0, 511, 383});
    UseScreen(800, 600);
    doc.LoadSettings();
    EXPECT_EQ(0, doc.m_rcDisplayArea.left);
    EXPECT_EQ(0, doc.m_rcDisplayArea.top);
    EXPECT_EQ(399, doc.m_rcDisplayArea.right);
    EXPECT_EQ(299, doc.m_rcDisplayArea.bottom);
    doc.SaveSettings();
    EXPECT_EQ(800u, Stored("Selection", "HorizontalResolution")) << "saved with its new size";
    EXPECT_EQ(399u, Stored("Selection", "Right"));
}

TEST_F(SettingsTest, EmptyStoredAreaIsNotRescaled) {
    StoreArea(1024, 768, {300, 200, 300, 100});
    UseScreen(800, 600);
    doc.LoadSettings();
    EXPECT_EQ(300, doc.m_rcDisplayArea.left);
    EXPECT_EQ(100, doc.m_rcDisplayArea.bottom);
    EXPECT_TRUE(IsRectEmpty(&doc.m_rcDisplayArea));
}

// A stored area without a usable resolution cannot be placed: the whole desktop is shown.
class LostResolutionTest : public SettingsTest, public ::testing::WithParamInterface<int> {};

TEST_P(LostResolutionTest, AreaFallsBackToTheWholeDesktop) {
    StoreArea(GetParam(), GetParam(), {10, 10, 200, 200});
    doc.LoadSettings();
    EXPECT_TRUE(IsRectEmpty(&doc.m_rcDisplayArea));
}

INSTANTIATE_TEST_SUITE_P(Resolutions, LostResolutionTest, ::testing::Values(0, -1, -768),
                         [](const auto& info) {
                             return info.param == 0 ? std::string("Zero")
                                                    : "Minus" + std::to_string(-info.param);
                         });

TEST_F(SettingsTest, MissingResolutionWithAStoredAreaFallsBackToo) {
    Store("Selection", "Right", 200);
    Store("Selection", "Bottom", 200);
    doc.LoadSettings();
    EXPECT_TRUE(IsRectEmpty(&doc.m_rcDisplayArea));
}

} // namespace
