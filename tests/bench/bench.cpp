// make bench: what the simulator's pictures and the program's previews cost, printed. Figures
// are processor time of this process (other work on the machine does not count), the best of a
// few runs; nothing here passes or fails.
#include "app/sim/LineSource.h"
#include "app/sim/Simulator.h"
#include "framework/WinMain.h"
#include "platform/sim/control/world.h"
#include "shell/MrgApp.h"
#include "tests/support/busy_frame.h"

#include <ctime>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

constexpr int kRuns = 5;

double CpuMilliseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

template <typename Work> double BestOf(Work work) {
    double best = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        const double start = CpuMilliseconds(CLOCK_PROCESS_CPUTIME_ID);
        work();
        best = std::min(best, CpuMilliseconds(CLOCK_PROCESS_CPUTIME_ID) - start);
    }
    return best;
}

// The heaviest frame the converter makes.
double TvFrame() {
    const testing_support::BusyFrame busy;
    sim::TvRenderer renderer;
    return BestOf([&] { renderer.Render(busy.pal, busy.settings, busy.screen); });
}

// corvane-sim run on a script in memory, its output thrown away; `tvFile` as --tv.
void RunSimulator(const std::string& script, const std::string& tvFile) {
    std::FILE* input = fmemopen(const_cast<char*>(script.data()), script.size(), "r");
    std::FILE* output = std::fopen("/dev/null", "w");
    {
        LineSource lines(input);
        sim::World world;
        world.KeepTraffic(false);
        CMrgApp app;
        Simulator simulator(world, app, lines, output);
        simulator.KeepTvPicture(tvFile);
        world.SetUser(&simulator);
        world.SetObserver(&simulator);
        world.Plug();
        simulator.GetDesktop().Furnish();
        AfxWinMain(app);
        world.SetUser(nullptr);
        world.SetObserver(nullptr);
    }
    std::fclose(output); // the line source closed its input
}

// Select Area with the anchor set, then `moves` pointer moves, each a preview on the TV.
std::string PreviewScript(int moves) {
    std::string script = "wait 7000\ntray left\nchoose select area\nclick 100 100\n";
    for (int i = 0; i < moves; ++i) {
        script += "move " + std::to_string(300 + (i % 2) * 100) + " 300\n";
    }
    return script + "key esc\nexit\n";
}

// The cost of one move over the same script without the moves.
double PerMove(int moves, const std::string& tvFile) {
    const double with = BestOf([&] { RunSimulator(PreviewScript(moves), tvFile); });
    const double without = BestOf([&] { RunSimulator(PreviewScript(0), tvFile); });
    return (with - without) / moves;
}

// What a part of a script costs over the script without it (corvane-sim started and ended).
double PartOfScript(const std::string& part) {
    const double with = BestOf([&] { RunSimulator(part + "exit\n", ""); });
    const double without = BestOf([&] { RunSimulator("exit\n", ""); });
    return with - without;
}

std::string ManyWords(int count) {
    std::string words;
    for (int i = 0; i < count; ++i) {
        words += " w";
    }
    return words;
}

} // namespace

int main() {
    char folder[] = "/tmp/corvane-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::perror("corvane-bench: mkdtemp");
        return 1;
    }
    const std::string tvFile = std::string(folder) + "/tv.png";
    constexpr int kMoves = 40;
    std::printf("bench: a 720 x 576 PAL TV frame, every filter on: %.2f ms\n", TvFrame());
    const double preview = PerMove(kMoves, "");
    std::printf("bench: a preview (Select Area, one pointer move, the scaler programmed): "
                "%.2f ms\n",
                preview);
    const double withTv = PerMove(kMoves, tvFile);
    std::printf("bench: the same with --tv (the TV rendered and its PNG rewritten): %.2f ms, "
                "%.2f ms of it for --tv\n",
                withTv, withTv - preview);
    const std::string screenFile = std::string(folder) + "/screen.png";
    std::printf("bench: show screen with a window titled in 100,000 characters: %.2f ms\n",
                PartOfScript("window 100 100 600 400 title " + std::string(100000, 'x') +
                             "\nshow screen " + screenFile + "\n"));
    std::printf("bench: select on the Extension page, 10,000 words: %.2f ms\n",
                PartOfScript("tray right\nchoose option...\ntab extension\nselect 1017" +
                             ManyWords(10000) + "\ncancel\n"));
    std::printf("bench: an hour of waiting (3,600 status polls): %.2f ms\n",
                PartOfScript("wait 3600000\n"));
    unlink(tvFile.c_str());
    unlink(screenFile.c_str());
    rmdir(folder);
    return 0;
}
