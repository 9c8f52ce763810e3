// The picture settings' ranges and factory values, and how finely their sliders step.
#pragma once

struct PICTURE_RANGE {
    int nMin;
    int nMax;
    int nDefault;
    int nPageDivisor; // tick frequency and page size: the range divided by this
    int nLineDivisor; // line size: the range divided by this
};

enum PictureSetting {
    PICTURE_CONTRAST,
    PICTURE_BRIGHTNESS,
    PICTURE_SHARPNESS,
    PICTURE_SATURATION,
    PICTURE_FLICKER_FILTER,
    PICTURE_SETTING_COUNT
};

extern const PICTURE_RANGE g_pictureRanges[PICTURE_SETTING_COUNT];
