// Every page of the Option sheet shows whole, in both languages (the sheet measures its pages
// in its own font, and the Japanese pages are set in a larger one), and the sheet stands in the
// middle of the screen.
#include "tests/options/option_harness.h"

namespace {

using testing_support::OptionSheetTest;

class SheetFitTest : public OptionSheetTest, public ::testing::WithParamInterface<sim::Language> {
  protected:
    // The page's controls that reach outside the sheet's client area, by id.
    std::vector<int> CutOff() const {
        RECT client{};
        GetClientRect(sheet, &client);
        MapWindowPoints(sheet, nullptr, reinterpret_cast<POINT*>(&client), 2);
        std::vector<int> outside;
        for (HWND control = GetWindow(Page(), GW_CHILD); control != nullptr;
             control = GetWindow(control, GW_HWNDNEXT)) {
            RECT rect{};
            GetWindowRect(control, &rect);
            if (rect.left < client.left || rect.top < client.top || rect.right > client.right ||
                rect.bottom > client.bottom) {
                outside.push_back(GetDlgCtrlID(control));
            }
        }
        return outside;
    }
};

TEST_P(SheetFitTest, EveryPageShowsEveryControlWhole) {
    world.SetLanguage(GetParam());
    StartWithConverter();
    std::vector<std::vector<int>> cutOff;
    RECT placed{};
    const auto look = [&](HWND) {
        cutOff.push_back(CutOff());
        GetWindowRect(sheet, &placed);
    };
    RunSheet({look, [&](HWND s) { ChooseTab(1), look(s); }, [&](HWND s) { ChooseTab(2), look(s); },
              [&](HWND) { Cancel(); }});
    ASSERT_EQ(3u, cutOff.size());
    EXPECT_NEAR(512, (placed.left + placed.right) / 2, 1) << "in the middle of the screen";
    EXPECT_NEAR(384, (placed.top + placed.bottom) / 2, 1);
    for (std::size_t page = 0; page < cutOff.size(); ++page) {
        EXPECT_TRUE(cutOff[page].empty())
            << "page " << page << ": " << cutOff[page].size() << " controls cut off, the first "
            << (cutOff[page].empty() ? 0 : cutOff[page][0]);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, SheetFitTest,
                         ::testing::Values(sim::Language::English, sim::Language::Japanese));

} // namespace
