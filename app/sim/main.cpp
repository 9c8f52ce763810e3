// corvane-sim: Corvane itself, on a simulated Windows with a simulated converter.
#include "LineSource.h"
#include "Options.h"
#include "RegistryFile.h"
#include "Simulator.h"
#include "framework/WinMain.h"
#include "framework/Wnd.h"
#include "shell/MrgApp.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool JapaneseByDefault() {
    const char* lang = std::getenv("LANG");
    return lang != nullptr && std::strncmp(lang, "ja", 2) == 0;
}

int Run(const Options& options) {
    std::FILE* input = stdin;
    if (!options.script.empty() && (input = std::fopen(options.script.c_str(), "r")) == nullptr) {
        std::fprintf(stderr, "corvane-sim: cannot read %s: %s\n", options.script.c_str(),
                     std::strerror(errno));
        return 2;
    }
    LineSource lines(input);

    sim::World world;
    world.SetScreenSize(options.screenWidth, options.screenHeight);
    if (options.japanese) {
        world.SetLanguage(sim::Language::Japanese);
        world.SetUserLocale(0x0411);
    }
    const std::string registryPath =
        options.registryPath.empty() ? DefaultRegistryPath() : options.registryPath;
    std::string error;
    if (!options.fresh && !LoadRegistry(world.registry, registryPath, error)) {
        std::fprintf(stderr, "corvane-sim: %s\n", error.c_str());
        return 2;
    }

    CMrgApp app;
    Simulator simulator(world, app, lines, stdout);
    simulator.SetWire(options.wire);
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
    if (!options.fresh && !SaveRegistry(world.registry, registryPath, error)) {
        std::fprintf(stderr, "corvane-sim: %s\n", error.c_str());
        return 2;
    }
    return exitCode < 0 ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const std::optional<Options> options = ParseOptions(argc, argv, JapaneseByDefault(), error);
    if (!options) {
        std::fprintf(stderr, "corvane-sim: %s\n%s", error.c_str(), kUsage);
        return 2;
    }
    return Run(*options);
}
