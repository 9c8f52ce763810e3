// corvane-sim: Corvane itself, on a simulated Windows with a simulated converter.
#include "Interrupts.h"
#include "LineSource.h"
#include "Options.h"
#include "RegistryFile.h"
#include "Simulator.h"
#include "framework/WinMain.h"
#include "framework/Wnd.h"
#include "platform/sim/advapi32/advapi32_state.h"
#include "res/version.h"
#include "shell/MrgApp.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool JapaneseByDefault() {
    return JapaneseLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

constexpr const char* kAbout =
    "Corvane on a simulated Windows with a simulated converter. It reads commands from SCRIPT,\n"
    "or from standard input; type \"help\" for them. A script stops at its first failing\n"
    "command, naming its line, and the exit status is 1.\n"
    "\n"
    "  --lang en|ja      the language of Windows, and so of Corvane (default: the locale's)\n"
    "  --screen WxH      the screen's size in pixels (default 1024x768)\n"
    "  --no-converter    start with no converter plugged in (\"plug\" plugs one in)\n"
    "  --wire            print every transfer to the converter\n"
    "  --bare-desktop    no other programs' windows on the desktop\n"
    "  --registry FILE   keep the settings in FILE (default ~/.config/corvane-sim/registry)\n"
    "  --fresh           start from empty settings and keep none\n"
    "  --tv FILE.png     keep FILE.png showing what the TV shows\n"
    "  --clock wall|virtual  time passes as on the wall clock (the default at a terminal), or\n"
    "                    only with \"wait\" (the default for a script: the same every run)\n"
    "  --keep-going      a script goes on after a failing command (the status is still 1)\n"
    "Options that take a value also take it as --name=value. NO_COLOR turns colour off.\n";

// The script's commands, or standard input for none or "-"; nullptr with the reason told.
std::FILE* OpenScript(const std::string& script) {
    if (script.empty() || script == "-") {
        return stdin;
    }
    struct stat status {};
    if (stat(script.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
        std::fprintf(stderr, "corvane-sim: %s is a folder, not a script\n", script.c_str());
        return nullptr;
    }
    std::FILE* input = std::fopen(script.c_str(), "r");
    if (input == nullptr) {
        std::fprintf(stderr, "corvane-sim: cannot read %s: %s\n", script.c_str(),
                     std::strerror(errno));
    }
    return input;
}

int Run(const Options& options) {
    std::FILE* input = OpenScript(options.script);
    if (input == nullptr) {
        return 2;
    }
    LineSource lines(input, options.script.empty() || options.script == "-" ? "standard input"
                                                                            : options.script);

    sim::World world;
    world.KeepTraffic(false); // --wire prints each transfer as it happens
    world.SetScreenSize(options.screenWidth, options.screenHeight);
    if (options.japanese) {
        world.SetLanguage(sim::Language::Japanese);
        world.SetUserLocale(0x0411);
    }
    const std::string registryPath =
        options.registryPath.empty() ? DefaultRegistryPath() : options.registryPath;
    std::string error;
    RegistryFile registryFile(sim::Advapi32().registry, registryPath);
    if (!options.fresh && (!registryFile.Claim(error) ||
                           !LoadRegistry(sim::Advapi32().registry, registryPath, error))) {
        std::fprintf(stderr, "corvane-sim: %s\n", error.c_str());
        return 2;
    }
    if (const std::string unwritable = options.fresh ? "" : registryFile.Unwritable();
        !unwritable.empty()) {
        std::fprintf(stderr, "corvane-sim: %s: the settings of this run will not be kept\n",
                     unwritable.c_str());
    }

    CMrgApp app;
    Simulator simulator(world, app, lines, stdout);
    if (!options.fresh) {
        simulator.KeepRegistryIn(&registryFile);
    }
    CatchInterrupts(lines.Interactive());
    simulator.SetWire(options.wire);
    simulator.SetErrorOutput(stderr);
    simulator.KeepGoing(options.keepGoing);
    if (options.wallClock.value_or(lines.Interactive())) {
        simulator.FollowWallClock();
    }
    simulator.KeepTvPicture(options.tvPicture);
    world.SetUser(&simulator);
    world.SetObserver(&simulator);
    if (options.converter) {
        world.Plug();
    }
    if (!options.bareDesktop) {
        simulator.GetDesktop().Furnish();
    }

    int exitCode = 0;
    try {
        exitCode = AfxWinMain(app);
    } catch (const SessionOver&) {
        // Windows ends the process here; what it would take down with it goes now.
        if (app.m_pMainWnd != nullptr) {
            app.m_pMainWnd->DestroyWindow();
        }
    }
    world.SetUser(nullptr);
    world.SetObserver(nullptr);
    if (!options.fresh && !registryFile.KeepChanges(error)) {
        std::fprintf(stderr, "corvane-sim: %s\n", error.c_str());
        return 2;
    }
    if (InterruptSignal() != 0) {
        return 128 + InterruptSignal();
    }
    return exitCode < 0 || simulator.CommandFailed() ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const std::optional<Options> options = ParseOptions(argc, argv, JapaneseByDefault(), error);
    if (!options) {
        std::fprintf(stderr, "corvane-sim: %s\n%s", error.c_str(), kUsage);
        return 2;
    }
    if (options->help) {
        std::printf("%s%s", kUsage, kAbout);
        return 0;
    }
    if (options->version) {
        std::printf("corvane-sim, Corvane %s\n", CORVANE_VERSION_TEXT);
        return 0;
    }
    return Run(*options);
}
