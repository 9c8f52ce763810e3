#include "MrgDoc.h"

#include "../device/DeviceException.h"
#include "MrgAppBase.h"

IMPLEMENT_DYNCREATE(CMrgDoc, CDocument)

namespace {

BYTE ShadowAddress(int index) {
    // 0x60..0x7E in steps of two, then the picture controls; saturation is 0x2E, not 0x2C.
    static const BYTE kPictureRegisters[] = {0x26, 0x28, 0x2A, 0x2E};
    return index < 16 ? static_cast<BYTE>(0x60 + 2 * index) : kPictureRegisters[index - 16];
}

BOOL DefaultPedestal() {
    // Japanese TV sets expect no setup level.
    return PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())) == LANG_JAPANESE ? FALSE : TRUE;
}

} // namespace

CMrgDoc::CMrgDoc() {
    m_cxScreen = GetSystemMetrics(SM_CXSCREEN);
    m_cyScreen = GetSystemMetrics(SM_CYSCREEN);
    m_bPedestal = DefaultPedestal();
    for (int i = 0; i < SHADOW_REGISTER_COUNT; ++i) {
        m_regs[i] = {ShadowAddress(i), 0};
    }
}

CMrgDoc::~CMrgDoc() = default;

int CMrgDoc::WithDevice(const std::function<void()>& operation) {
    if (!m_pDevice) {
        // The sheet's controls act at once on a converter that may have gone meanwhile; its
        // removal notice said so, once.
        if (!m_optionSheet.open) {
            GetMrgApp()->ReportDeviceError(DEVICE_ERROR_NO_DEVICE);
        }
        return 0;
    }
    // A failure inside an update bracket skips its end: the brackets the operation opened are
    // unwound, so that the next one ends with stripe suppression in force again.
    const int depth = m_suppression.Depth();
    try {
        operation();
        return 1;
    } catch (const CDeviceException& e) {
        m_suppression.UnwindTo(depth);
        GetMrgApp()->ReportDeviceError(e.m_dwError);
        return 0;
    }
}
