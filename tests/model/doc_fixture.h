// A simulated machine with one converter, the application object and a document.
#pragma once

#include "model/MrgDoc.h"
#include "platform/sim/control/world.h"
#include "platform/sim/user32/user32_state.h"
#include "shell/MrgApp.h"
#include "tests/support/wire.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testing_support {

inline const char kProfile[] = "Software\\Velmora\\Corvane";

class DocTest : public ::testing::Test {
  protected:
    DocTest() { app.SetRegistryKey("Velmora"); }

    sim::Converter& Attach(const ChipConfig& config = sim::MainModelConfig()) {
        converter = &world.Plug(config);
        return *converter;
    }
    // Opens the attached converter as start-up does and forgets what that sent and showed.
    void Open() {
        ASSERT_EQ(1, doc.OpenDevice(OPEN_STARTUP));
        converter->ClearTraffic();
        sim::User32().messageBoxes.clear();
    }
    std::vector<std::string> WireLog() const { return Wire(*converter); }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const sim::MessageBoxShown& box : sim::User32().messageBoxes) {
            texts.push_back(box.text);
        }
        return texts;
    }
    // Uses a screen of that size, as the document sees it and as the system reports it.
    void UseScreen(int width, int height) {
        world.SetScreenSize(width, height);
        doc.m_cxScreen = width;
        doc.m_cyScreen = height;
    }

    sim::World world;
    CMrgApp app;
    CMrgDoc doc;
    sim::Converter* converter = nullptr;
};

} // namespace testing_support
