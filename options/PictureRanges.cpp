#include "PictureRanges.h"

const PICTURE_RANGE g_pictureRanges[PICTURE_SETTING_COUNT] = {
    {0, 63, 32, 16, 32},    // contrast
    {-128, 127, 0, 20, 40}, // brightness
    {0, 31, 0, 12, 24},     // sharpness
    {0, 63, 32, 16, 32},    // saturation
    {0, 8, 8, 8, 8},        // flicker filter
};
