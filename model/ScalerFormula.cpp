#include "ScalerFormula.h"

#include <cmath>
#include <cstdint>

int TruncateScalerValue(double value) {
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (!std::isfinite(value) || value >= kTwoTo63 || value < -kTwoTo63) {
        return 0;
    }
    const auto whole = static_cast<std::int64_t>(value);
    return static_cast<int>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole)));
}

ScalerValues ComputeScaler(const ScalerInput& input) {
    const double W = input.screenWidth;
    const double S = input.screenHeight;
    const double l = input.area.left;
    const double w = static_cast<double>(input.area.right) - input.area.left + 1;
    const double h = static_cast<double>(input.area.bottom) - input.area.top + 1;
    const double A = input.a;
    const double B = input.b;
    const double C = input.c;
    const double Z = input.tvVerticalSize;
    const double k = input.pal ? 4.0 : 5.0;

    // 0.012048192771084338 is the double nearest 1/83, applied as a product.
    int H =
        TruncateScalerValue((218.0 - (B - 300.0) * 89.0 * 0.012048192771084338) * (W / w - 1.0));
    if (H > static_cast<int>(input.b)) {
        H = input.b;
    }
    int V = TruncateScalerValue(((S / h - 1.0) / (S / (Z - k) - 1.0)) * C);
    if (V > static_cast<int>(input.c)) {
        V = input.c;
    }
    const int X = TruncateScalerValue((l / W) * (49800.0 / A));
    return {H, V, X, input.area.top};
}
