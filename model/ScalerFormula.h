// How a desktop rectangle becomes the converter's four scaler values.
#pragma once

#include "../platform/win32.h"

struct ScalerInput {
    int screenWidth;     // W
    int screenHeight;    // S
    RECT area;           // inclusive right and bottom, already clamped to the screen
    WORD a;              // indirect value 18
    WORD b;              // indirect value 25
    WORD c;              // indirect value 27
    WORD tvVerticalSize; // Z
    bool pal;
};

struct ScalerValues {
    int horizontalScale; // H
    int verticalScale;   // V
    int horizontalStart; // X
    int verticalStart;   // the rectangle's top
};

ScalerValues ComputeScaler(const ScalerInput& input);

// Toward zero into 64 bits, keeping the low 32 as a signed int; not-a-number, infinities and
// values beyond 64 bits give 0, as the processor's conversion does.
int TruncateScalerValue(double value);
