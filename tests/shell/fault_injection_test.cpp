// Every device operation with each of its transfers failing in turn, once with a system error
// and once with a short count: exactly one report, and the next open applies the whole model
// again.
#include "platform/sim/shell32/shell32_state.h"
#include "tests/shell/app_harness.h"

#include <functional>

namespace {

using testing_support::ScriptedUser;

struct Operation {
    const char* name;
    std::function<void(CMrgDoc&)> run;
    // A suspend reports nothing: the converter is going away either way.
    std::size_t reportsOfAFailure = 1;
    std::function<void(CMrgDoc&)> setup = [](CMrgDoc&) {};
};

const RECT kArea{100, 100, 500, 400};

const Operation kOperations[] = {
    {"OpenAndApply", [](CMrgDoc& doc) { doc.OpenDevice(0); }, 1,
     [](CMrgDoc& doc) { doc.CloseDevice(0); }},
    {"Contrast", [](CMrgDoc& doc) { doc.SetRegister(16, 40); }},
    {"FlickerFilter", [](CMrgDoc& doc) { doc.SetFlickerFilter(3); }},
    {"TestPattern", [](CMrgDoc& doc) { doc.SetTestPattern(TRUE); }},
    {"VideoStandard", [](CMrgDoc& doc) { doc.SetVideoStandard(1); }},
    {"TvPosition",
     [](CMrgDoc& doc) {
         doc.SetTvPositionSize(RECT{10, 20, 700, 460});
     }},
    {"Preview", [](CMrgDoc& doc) { doc.PreviewDisplayArea(&kArea); }},
    {"SetArea", [](CMrgDoc& doc) { doc.SetDisplayArea(&kArea); }},
    {"FullScreen", [](CMrgDoc& doc) { doc.OnFullScreen(); }},
    {"Reset", [](CMrgDoc& doc) { doc.ResetDisplayArea(); }},
    {"StatusCheck", [](CMrgDoc& doc) { doc.CheckOutputStatus(); }},
    {"ExternalInput", [](CMrgDoc& doc) { doc.OnExternalSVideoInput(); }},
    {"Suspend", [](CMrgDoc& doc) { doc.OnPowerSuspend(); }, 0},
    {"Close", [](CMrgDoc& doc) { doc.CloseDevice(0); }},
};

// The registers the model programs: the picture controls, the control block and the scaler.
const BYTE kModelRegisters[] = {0x26, 0x28, 0x2A, 0x2E, 0x60, 0x62, 0x64, 0x66,
                                0x68, 0x6A, 0x6C, 0x6E, 0x70, 0x72, 0x74, 0x76};

// One run of the program with a converter: the operation's transfers, the error balloons it
// caused, and the registers after the next open.
struct Outcome {
    std::size_t transfers = 0;
    std::size_t reports = 0;
    std::vector<WORD> afterReopen;
};

Outcome RunOnce(const Operation& operation, unsigned failAt, const sim::Fault& fault) {
    sim::World world;
    ScriptedUser user;
    world.SetUser(&user);
    Outcome outcome;
    {
        CMrgApp app;
        sim::Converter& converter = world.Plug();
        EXPECT_TRUE(AfxWinInit(app));
        auto* frame = static_cast<CMainFrame*>(app.m_pMainWnd);
        CMrgDoc& doc = *static_cast<CMrgDoc*>(frame->GetActiveDocument());
        operation.setup(doc);
        const std::size_t balloonsBefore = sim::Shell32().tray.balloons.size();
        converter.ClearTraffic();
        if (failAt != 0) {
            converter.FailNthTransfer(failAt, fault);
        }
        operation.run(doc);
        outcome.transfers = converter.Traffic().size();
        for (std::size_t i = balloonsBefore; i < sim::Shell32().tray.balloons.size(); ++i) {
            outcome.reports += sim::Shell32().tray.balloons[i].infoFlags == NIIF_ERROR ? 1 : 0;
        }
        converter.ClearFaults();
        doc.CloseDevice(0);
        world.LosePower(); // the converter forgets everything: the open must bring it all back
        doc.OpenDevice(0);
        for (const BYTE reg : kModelRegisters) {
            outcome.afterReopen.push_back(converter.Register(reg, world.Now()));
        }
        app.m_pMainWnd->DestroyWindow();
    }
    world.SetUser(nullptr);
    return outcome;
}

class FaultInjectionTest : public ::testing::TestWithParam<Operation> {};

TEST_P(FaultInjectionTest, EachFailingTransferIsReportedOnceAndTheNextOpenAppliesEverything) {
    const Outcome clean = RunOnce(GetParam(), 0, sim::Fault{});
    ASSERT_EQ(0u, clean.reports) << "nothing to report without a fault";
    int runs = 0;
    for (unsigned n = 1; n <= clean.transfers; ++n) {
        for (const sim::Fault& fault :
             {sim::Fault::Error(ERROR_GEN_FAILURE), sim::Fault::Short(0)}) {
            // A descriptor cut short is no failure: it names the other model.
            const bool shortDescriptor =
                !fault.error && std::string(GetParam().name) == "OpenAndApply" && n == 1;
            const Outcome failed = RunOnce(GetParam(), n, fault);
            EXPECT_EQ(shortDescriptor ? 0u : GetParam().reportsOfAFailure, failed.reports)
                << "transfer " << n << (fault.error ? " failing" : " cut short");
            if (!shortDescriptor) {
                EXPECT_EQ(clean.afterReopen, failed.afterReopen)
                    << "transfer " << n << ": the next open applies the whole model";
            }
            ++runs;
        }
    }
    RecordProperty("runs", runs);
}

INSTANTIATE_TEST_SUITE_P(Operations, FaultInjectionTest, ::testing::ValuesIn(kOperations),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
