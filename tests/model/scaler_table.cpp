// scaler-table [COUNT]: prints the scaler values for a fixed, pseudo-random table of inputs, one
// line each. Built for both targets, so the Wine stage can compare the Windows build's
// arithmetic with the simulated build's line for line.
#include "model/ScalerFormula.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// A plain LCG: the same sequence from every compiler and standard library.
class Sequence {
  public:
    int Between(int low, int high) {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        const auto span = static_cast<std::uint64_t>(high - low + 1);
        return low + static_cast<int>((m_state >> 33) % span);
    }

  private:
    std::uint64_t m_state = 20261208;
};

const int kScreens[][2] = {{640, 480},   {800, 600},  {1024, 768}, {1280, 720},
                           {1280, 1024}, {1366, 768}, {1600, 900}, {1920, 1080}};

ScalerInput RandomInput(Sequence& random) {
    const int* screen = kScreens[random.Between(0, 7)];
    ScalerInput in{};
    in.screenWidth = screen[0];
    in.screenHeight = screen[1];
    in.area.left = random.Between(0, screen[0] - 1);
    in.area.right = random.Between(in.area.left, screen[0] - 1);
    in.area.top = random.Between(0, screen[1] - 1);
    in.area.bottom = random.Between(in.area.top, screen[1] - 1);
    in.a = static_cast<WORD>(random.Between(900, 1100));
    in.b = static_cast<WORD>(random.Between(280, 400));
    in.c = static_cast<WORD>(random.Between(400, 520));
    in.pal = random.Between(0, 1) == 1;
    in.tvVerticalSize =
        static_cast<WORD>(in.pal ? random.Between(480, 560) : random.Between(400, 480));
    return in;
}

void Print(const ScalerInput& in) {
    const ScalerValues v = ComputeScaler(in);
    std::printf("%d %d (%ld %ld %ld %ld) A %u B %u C %u Z %u %s: H %d V %d X %d\n", in.screenWidth,
                in.screenHeight, static_cast<long>(in.area.left), static_cast<long>(in.area.top),
                static_cast<long>(in.area.right), static_cast<long>(in.area.bottom), in.a, in.b,
                in.c, in.tvVerticalSize, in.pal ? "PAL" : "NTSC", v.horizontalScale,
                v.verticalScale, v.horizontalStart);
}

} // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 20000;
    // The three inputs that x87 extended precision was seen to get wrong, first.
    Print({800, 600, {0, 0, 544, 599}, 1000, 300, 500, 412, false});
    Print({1024, 768, {0, 0, 511, 767}, 1000, 383, 500, 412, false});
    Print({800, 600, {0, 0, 799, 569}, 1000, 300, 500, 480, false});
    Sequence random;
    for (long i = 0; i < count; ++i) {
        Print(RandomInput(random));
    }
    return 0;
}
