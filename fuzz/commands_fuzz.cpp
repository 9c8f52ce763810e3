// corvane-sim's command interpreter: the input is a script, run against the whole program
// with a converter, as `corvane-sim --fresh SCRIPT` runs it. Waits are capped so that one
// input stays quick; everything else is as typed.
#include "app/sim/LineSource.h"
#include "app/sim/Simulator.h"
#include "framework/WinMain.h"
#include "framework/Wnd.h"
#include "shell/MrgApp.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>

namespace {

// "wait N" with N over a minute becomes a minute: a day of status polls is no finding.
std::string CappedWaits(const std::string& script) {
    std::istringstream in(script);
    std::string out;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("wait ", 0) == 0 && line.size() > 10) {
            line = "wait 60000";
        }
        out += line + "\n";
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string script = CappedWaits(std::string(reinterpret_cast<const char*>(data), size));
    std::FILE* input = fmemopen(&script[0], script.size() + 1, "r");
    std::FILE* output = std::fopen("/dev/null", "w");
    if (input == nullptr || output == nullptr) {
        return 0;
    }
    {
        sim::World world;
        LineSource lines(input);
        CMrgApp app;
        Simulator simulator(world, app, lines, output);
        simulator.KeepGoing(true); // a wrong command is no reason to stop looking
        world.SetUser(&simulator);
        world.SetObserver(&simulator);
        world.Plug();
        try {
            AfxWinMain(app);
        } catch (const SessionOver&) {
            if (app.m_pMainWnd != nullptr) {
                app.m_pMainWnd->DestroyWindow();
            }
        }
        world.SetUser(nullptr);
        world.SetObserver(nullptr);
    }
    std::fclose(output);
    return 0;
}
