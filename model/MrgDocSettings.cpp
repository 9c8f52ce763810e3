// Loading and saving the model in the registry sections "Selection" and "Device".
#include "MrgAppBase.h"
#include "MrgDoc.h"
#include "Rescale.h"
#include "TvPresets.h"

namespace {

const char kSelection[] = "Selection";
const char kDevice[] = "Device";

int ReadInt(LPCSTR section, LPCSTR entry, int nDefault) {
    return static_cast<int>(GetMrgApp()->GetProfileInt(section, entry, nDefault));
}

void WriteInt(LPCSTR section, LPCSTR entry, int value) {
    GetMrgApp()->WriteProfileInt(section, entry, value);
}

// The "Device" values in their stored order, each bound to its field. Loading and saving
// walk the same table, so the two can never disagree about a name.
struct DeviceSetting {
    LPCSTR name;
    int CMrgDoc::*intField;
    BOOL CMrgDoc::*boolField;
    LONG RECT::*tvField;
};

const DeviceSetting kDeviceSettings[] = {
    {"Contrast", &CMrgDoc::m_nContrast, nullptr, nullptr},
    {"Brightness", &CMrgDoc::m_nBrightness, nullptr, nullptr},
    {"Sharpness", &CMrgDoc::m_nSharpness, nullptr, nullptr},
    {"Saturation", &CMrgDoc::m_nSaturation, nullptr, nullptr},
    {"FlickerFilter", &CMrgDoc::m_nFlickerFilter, nullptr, nullptr},
    {"LuminanceFilter", nullptr, &CMrgDoc::m_bLuminanceFilter, nullptr},
    {"ChromaFilter", nullptr, &CMrgDoc::m_bChromaFilter, nullptr},
    {"VideoStandard", &CMrgDoc::m_nVideoStandard, nullptr, nullptr},
    {"Pedestal", nullptr, &CMrgDoc::m_bPedestal, nullptr},
    {"RgbGain", nullptr, &CMrgDoc::m_bRgbGain, nullptr},
    {"TvPositionSize", &CMrgDoc::m_nTvPositionSize, nullptr, nullptr},
    {"TvHorizontalOffset", nullptr, nullptr, &RECT::left},
    {"TvVerticalOffset", nullptr, nullptr, &RECT::top},
    {"TvHorizontalSize", nullptr, nullptr, &RECT::right},
    {"TvVerticalSize", nullptr, nullptr, &RECT::bottom},
};

int& IntOf(CMrgDoc& doc, const DeviceSetting& setting) {
    return setting.intField ? doc.*setting.intField : doc.*setting.boolField;
}

} // namespace

void CMrgDoc::LoadSettings() {
    const int storedWidth = ReadInt(kSelection, "HorizontalResolution", -1);
    const int storedHeight = ReadInt(kSelection, "VerticalResolution", -1);
    m_rcDisplayArea.left = ReadInt(kSelection, "Left", 0);
    m_rcDisplayArea.top = ReadInt(kSelection, "Top", 0);
    m_rcDisplayArea.right = ReadInt(kSelection, "Right", 0);
    m_rcDisplayArea.bottom = ReadInt(kSelection, "Bottom", 0);
    // A stored area whose screen size is lost cannot be placed on this screen; show the
    // whole desktop rather than guess.
    if (!IsRectEmpty(&m_rcDisplayArea) &&
        !RescaleRect(m_rcDisplayArea, storedWidth, storedHeight, m_cxScreen, m_cyScreen)) {
        SetRectEmpty(&m_rcDisplayArea);
    }
    m_nAspectRatio = ReadInt(kSelection, "AspectRatio", m_nAspectRatio);

    for (const DeviceSetting& setting : kDeviceSettings) {
        if (setting.tvField) {
            m_rcTvPosition.*setting.tvField =
                ReadInt(kDevice, setting.name, g_rcTvNtscUnderscan.*setting.tvField);
        } else {
            int& field = IntOf(*this, setting);
            field = ReadInt(kDevice, setting.name, field);
        }
    }
    m_byExternalOutput =
        static_cast<BYTE>(ReadInt(kDevice, "ExternalOutput", m_byExternalOutput) & 0xFF);
    m_bSuppressStripe = ReadInt(kDevice, "SuppressVerticalStripePattern", m_bSuppressStripe);
    m_bSuppressActive = m_bSuppressStripe;
}

void CMrgDoc::SaveSettings() {
    // The resolution always goes with the rectangle, so a later start can rescale it.
    WriteInt(kSelection, "HorizontalResolution", m_cxScreen);
    WriteInt(kSelection, "VerticalResolution", m_cyScreen);
    WriteInt(kSelection, "Left", m_rcDisplayArea.left);
    WriteInt(kSelection, "Top", m_rcDisplayArea.top);
    WriteInt(kSelection, "Right", m_rcDisplayArea.right);
    WriteInt(kSelection, "Bottom", m_rcDisplayArea.bottom);
    WriteInt(kSelection, "AspectRatio", m_nAspectRatio);

    for (const DeviceSetting& setting : kDeviceSettings) {
        WriteInt(kDevice, setting.name,
                 setting.tvField ? m_rcTvPosition.*setting.tvField : IntOf(*this, setting));
    }
    WriteInt(kDevice, "ExternalOutput", m_byExternalOutput);
    WriteInt(kDevice, "SuppressVerticalStripePattern", m_bSuppressStripe);
}
