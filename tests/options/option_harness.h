// The Option sheet opened from the tray with a converter attached (or none), worked by the
// simulated mouse and keyboard, and the register writes it caused read off the wire.
#pragma once

#include "app/sim/DialogCommands.h"
#include "tests/shell/app_harness.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

class OptionSheetTest : public AppTest {
  protected:
    // Starts the program with a converter and forgets the start-up traffic.
    void StartWithConverter() {
        converter = &world.Plug();
        ASSERT_TRUE(Start());
        converter->ClearTraffic();
    }
    // Opens the sheet from the tray; each action runs when the sheet next waits for the
    // user. The last one must close the sheet.
    void RunSheet(std::vector<std::function<void(HWND)>> actions) {
        for (auto& action : actions) {
            user.OnDialog([this, action](HWND sheet) {
                this->sheet = sheet;
                action(sheet);
            });
        }
        user.Choose(ID_OPTION);
        world.input.ClickTrayIcon(sim::MouseButton::Right);
    }

    HWND Page() const {
        return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    }
    HWND Control(int id) const { return GetDlgItem(Page(), id); }
    HWND Tabs() const {
        return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    }
    void Click(int id) { world.input.ClickWindow(Control(id)); }
    void ChooseTab(int index) { world.input.ClickTab(Tabs(), index); }
    void Ok() { world.input.ClickWindow(GetDlgItem(sheet, IDOK)); }
    void Cancel() { world.input.ClickWindow(GetDlgItem(sheet, IDCANCEL)); }
    bool Checked(int id) const {
        return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
    int Selection(int id) const {
        return static_cast<int>(SendMessageA(Control(id), CB_GETCURSEL, 0, 0));
    }
    int Position(int id) const {
        return static_cast<int>(SendMessageA(Control(id), TBM_GETPOS, 0, 0));
    }
    std::vector<std::string> TabNames() const { return DialogCommands::TabNames(Tabs()); }

    // The values written to the register behind a shadow index, in order.
    std::vector<WORD> Writes(int index) const {
        const BYTE address = Doc()->m_regs[index].m_byAddress;
        std::vector<WORD> values;
        for (const std::string& line : Wire(*converter)) {
            unsigned reg = 0, low = 0, high = 0;
            if (std::sscanf(line.c_str(), "40 10 94 00 00 00 | %2x %2x %2x", &reg, &low, &high) ==
                    3 &&
                reg == address) {
                values.push_back(static_cast<WORD>(low | (high << 8)));
            }
        }
        return values;
    }

    sim::Converter* converter = nullptr;
    HWND sheet = nullptr;
};

} // namespace testing_support
