// The document's shadow of the converter's control registers, indexed by parameter number.
#pragma once

#include "../platform/win32.h"

constexpr int SHADOW_REGISTER_COUNT = 20;

enum ShadowRegisterIndex {
    REGIDX_CONTROL = 0,
    REGIDX_STATUS = 1,
    REGIDX_OUTPUT = 2,
    REGIDX_OUTPUT2 = 3,
    REGIDX_AREA_HSTART = 4,
    REGIDX_AREA_VSTART = 5,
    REGIDX_HSCALE = 6,
    REGIDX_VSCALE = 7,
    REGIDX_TV_HSIZE = 10,
    REGIDX_TV_VSIZE = 11,
    REGIDX_TV_HOFFSET = 14,
    REGIDX_TV_VOFFSET = 15,
    REGIDX_CONTRAST = 16,
    REGIDX_BRIGHTNESS = 17,
    REGIDX_SHARPNESS = 18,
    REGIDX_SATURATION = 19,
};

struct SHADOW_REGISTER {
    BYTE m_byAddress;
    WORD m_wValue;
};

// Bits of the control register (0x60).
constexpr WORD CONTROL_TEST_PATTERN = 0x0004;
constexpr WORD CONTROL_SUPPRESSION_OFF = 0x0002;
constexpr WORD CONTROL_ACK_NEW_TIMING = 0x0008;
constexpr WORD CONTROL_RESUMED = 0x0020;
// Bits of the status register (0x62).
constexpr WORD STATUS_NEW_TIMING = 0x0008;
constexpr WORD STATUS_OUTPUT_READY = 0x0010;
// Bits of the output registers (0x64, 0x66).
constexpr WORD OUTPUT_LUMINANCE_FILTER = 0x0020;
constexpr WORD OUTPUT_CHROMA_FILTER = 0x0040;
constexpr WORD OUTPUT_PEDESTAL = 0x0080;
constexpr WORD OUTPUT_PAL = 0x0800;
constexpr WORD OUTPUT_SUSPENDED = 0x0018;
constexpr WORD OUTPUT2_RGB_GAIN = 0x0002;

// Register 0x08: bit 0 switches stripe suppression on.
constexpr BYTE REG_SUPPRESSION = 0x08;
constexpr WORD SUPPRESSION_ON = 0x0001;

// The external input selection lives at auxiliary address 12, after two fixed bytes.
constexpr BYTE AUX_EXTERNAL_INPUT = 12;
constexpr BYTE AUX_EXTERNAL_INPUT_PREFIX = 0x38;
constexpr BYTE EXTERNAL_SVIDEO = 0x20;
constexpr BYTE EXTERNAL_COMPOSITE = 0x10;
