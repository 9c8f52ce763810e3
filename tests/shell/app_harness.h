// The whole program in a simulated machine, with a scripted user at its modal moments.
#pragma once

#include "framework/WinMain.h"
#include "model/MrgDoc.h"
#include "platform/sim/advapi32/advapi32_state.h"
#include "platform/sim/control/world.h"
#include "platform/sim/shell32/shell32_state.h"
#include "platform/sim/user32/user32_state.h"
#include "res/resource.h"
#include "shell/MainFrame.h"
#include "shell/MrgApp.h"
#include "tests/support/wire.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// Answers menus and dialogs from queues; with nothing queued it dismisses menus and presses
// Enter in dialogs.
class ScriptedUser : public sim::InteractionDriver {
  public:
    void Choose(UINT id) {
        menuAnswers.push_back([id](HMENU) { return id; });
    }
    void OnDialog(std::function<void(HWND)> action) { dialogActions.push_back(std::move(action)); }

    UINT ChooseFromMenu(HMENU menu, HWND) override {
        menusSeen.push_back(sim::DescribeMenu(menu));
        if (menuAnswers.empty()) {
            return 0;
        }
        const auto answer = menuAnswers.front();
        menuAnswers.pop_front();
        return answer(menu);
    }
    int AnswerMessageBox(const sim::MessageBoxShown&) override { return IDOK; }
    // With nothing queued the user presses Enter once, then walks away.
    bool ActInDialog(HWND dialog) override {
        if (dialogActions.empty()) {
            if (dialog == lastDialogEntered) {
                return false;
            }
            lastDialogEntered = dialog;
            sim::World::Current().input.TypeKey(VK_RETURN);
            return true;
        }
        const auto action = dialogActions.front();
        dialogActions.pop_front();
        action(dialog);
        return true;
    }
    bool Idle() override { return false; }

    std::deque<std::function<UINT(HMENU)>> menuAnswers;
    std::deque<std::function<void(HWND)>> dialogActions;
    std::vector<std::vector<std::string>> menusSeen;
    HWND lastDialogEntered = nullptr;
};

inline const char kProfile[] = "Software\\Velmora\\Corvane";

class AppTest : public ::testing::Test {
  protected:
    AppTest() { world.SetUser(&user); }
    ~AppTest() override {
        // Whatever a test left standing goes the way the process's end would take it.
        if (app.m_pMainWnd != nullptr) {
            app.m_pMainWnd->DestroyWindow();
        }
        world.SetUser(nullptr);
    }

    BOOL Start() { return AfxWinInit(app); }
    // Exit from the right-button menu, then the message loop to its end.
    int Exit() {
        user.Choose(ID_APP_EXIT);
        world.input.ClickTrayIcon(sim::MouseButton::Right);
        return app.Run();
    }
    CMainFrame* Frame() const { return static_cast<CMainFrame*>(app.m_pMainWnd); }
    CMrgDoc* Doc() const {
        return Frame() ? static_cast<CMrgDoc*>(Frame()->GetActiveDocument()) : nullptr;
    }
    std::vector<std::string> Balloons() const {
        std::vector<std::string> texts;
        for (const sim::Balloon& balloon : sim::Shell32().tray.balloons) {
            texts.push_back((balloon.infoFlags == NIIF_ERROR ? "error: " : "info: ") +
                            balloon.text);
        }
        return texts;
    }
    std::vector<std::string> MessageBoxes() const {
        std::vector<std::string> texts;
        for (const sim::MessageBoxShown& box : sim::User32().messageBoxes) {
            texts.push_back(box.text);
        }
        return texts;
    }
    DWORD Stored(const std::string& section, const std::string& name) {
        DWORD value = 0xDEADBEEF;
        sim::Advapi32().registry.ReadDword(std::string(kProfile) + "\\" + section, name, &value);
        return value;
    }
    void Store(const std::string& section, const std::string& name, DWORD value) {
        sim::Advapi32().registry.WriteDword(std::string(kProfile) + "\\" + section, name, value);
    }
    // A display area stored at 1024 x 768: the screen's top-left quarter.
    void StoreTopLeftQuarter() {
        Store("Selection", "HorizontalResolution", 1024);
        Store("Selection", "VerticalResolution", 768);
        Store("Selection", "Right", 511);
        Store("Selection", "Bottom", 383);
    }
    std::vector<std::string> LastMenu() const {
        return user.menusSeen.empty() ? std::vector<std::string>{} : user.menusSeen.back();
    }

    sim::World world;
    ScriptedUser user;
    CMrgApp app;
};

} // namespace testing_support
