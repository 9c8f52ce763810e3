#include "StoredValues.h"

#include "TvPresets.h"

#include <type_traits>

namespace {

template <auto Field> int Get(const STORED_SETTINGS& settings) {
    return static_cast<int>(settings.*Field);
}

template <auto Field> void Set(STORED_SETTINGS& settings, int value) {
    using Type = std::remove_reference_t<decltype(settings.*Field)>;
    settings.*Field = static_cast<Type>(value);
}

template <auto Rect, auto Part> int GetPart(const STORED_SETTINGS& settings) {
    return static_cast<int>((settings.*Rect).*Part);
}

template <auto Rect, auto Part> void SetPart(STORED_SETTINGS& settings, int value) {
    (settings.*Rect).*Part = static_cast<LONG>(value);
}

const char kSelection[] = "Selection";
const char kDevice[] = "Device";

template <auto Field> constexpr STORED_VALUE Value(LPCSTR section, LPCSTR name, bool optionSheet) {
    return {section, name, &Get<Field>, &Set<Field>, false, 0, optionSheet};
}

template <auto Field>
constexpr STORED_VALUE ValueDefaulting(LPCSTR section, LPCSTR name, int dflt) {
    return {section, name, &Get<Field>, &Set<Field>, true, dflt, false};
}

// An area's corner reads 0 when not stored, whatever the field held.
template <auto Part> constexpr STORED_VALUE AreaValue(LPCSTR name) {
    return {kSelection,
            name,
            &GetPart<&STORED_SETTINGS::m_rcDisplayArea, Part>,
            &SetPart<&STORED_SETTINGS::m_rcDisplayArea, Part>,
            true,
            0,
            false};
}

// The TV position reads the NTSC underscan preset when not stored.
template <auto Part> STORED_VALUE TvValue(LPCSTR name) {
    return {kDevice,
            name,
            &GetPart<&STORED_SETTINGS::m_rcTvPosition, Part>,
            &SetPart<&STORED_SETTINGS::m_rcTvPosition, Part>,
            true,
            static_cast<int>(g_rcTvNtscUnderscan.*Part),
            true};
}

using S = STORED_SETTINGS;

} // namespace

const std::array<STORED_VALUE, kStoredValueCount> g_storedValues = {
    // A resolution not stored reads -1, which no rescaling accepts.
    ValueDefaulting<&S::m_cxScreen>(kSelection, "HorizontalResolution", -1),
    ValueDefaulting<&S::m_cyScreen>(kSelection, "VerticalResolution", -1),
    AreaValue<&RECT::left>("Left"),
    AreaValue<&RECT::top>("Top"),
    AreaValue<&RECT::right>("Right"),
    AreaValue<&RECT::bottom>("Bottom"),
    Value<&S::m_nAspectRatio>(kSelection, "AspectRatio", true),
    Value<&S::m_nContrast>(kDevice, "Contrast", true),
    Value<&S::m_nBrightness>(kDevice, "Brightness", true),
    Value<&S::m_nSharpness>(kDevice, "Sharpness", true),
    Value<&S::m_nSaturation>(kDevice, "Saturation", true),
    Value<&S::m_nFlickerFilter>(kDevice, "FlickerFilter", true),
    Value<&S::m_bLuminanceFilter>(kDevice, "LuminanceFilter", true),
    Value<&S::m_bChromaFilter>(kDevice, "ChromaFilter", true),
    Value<&S::m_nVideoStandard>(kDevice, "VideoStandard", true),
    Value<&S::m_bPedestal>(kDevice, "Pedestal", true),
    Value<&S::m_bRgbGain>(kDevice, "RgbGain", true),
    Value<&S::m_nTvPositionSize>(kDevice, "TvPositionSize", true),
    TvValue<&RECT::left>("TvHorizontalOffset"),
    TvValue<&RECT::top>("TvVerticalOffset"),
    TvValue<&RECT::right>("TvHorizontalSize"),
    TvValue<&RECT::bottom>("TvVerticalSize"),
    Value<&S::m_byExternalOutput>(kDevice, "ExternalOutput", false),
    Value<&S::m_bSuppressStripe>(kDevice, "SuppressVerticalStripePattern", true),
};
