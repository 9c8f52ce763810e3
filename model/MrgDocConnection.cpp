// Opening the converter and applying the whole model to it; closing it again.
#include "../device/DeviceException.h"
#include "MrgAppBase.h"
#include "MrgDoc.h"
#include "TvPresets.h"

void CMrgDoc::ApplyFirstRunModel() {
    // The alternative model comes set to its region's standard: on the very first start,
    // take that instead of our NTSC default.
    CMrgAppBase* app = GetMrgApp();
    if (!m_pDevice->m_bAltModel || !app->m_bFirstRun) {
        return;
    }
    app->m_bFirstRun = FALSE;
    m_nVideoStandard = (m_regs[REGIDX_OUTPUT].m_wValue & OUTPUT_PAL) ? 1 : 0;
    if (m_nVideoStandard) {
        m_rcTvPosition = g_rcTvPalUnderscan;
    }
}

bool CMrgDoc::ApplyModel() {
    return SetRegister(REGIDX_CONTRAST, m_nContrast) &&
           SetRegister(REGIDX_BRIGHTNESS, m_nBrightness) &&
           SetRegister(REGIDX_SHARPNESS, m_nSharpness) &&
           SetRegister(REGIDX_SATURATION, m_nSaturation) && SetFlickerFilter(m_nFlickerFilter) &&
           SetLuminanceFilter(m_bLuminanceFilter) && SetChromaFilter(m_bChromaFilter) &&
           SetVideoStandard(m_nVideoStandard) && SetPedestal(m_bPedestal) &&
           SetRgbGain(m_bRgbGain) && SetTvPositionSize(m_rcTvPosition) &&
           SetExternalOutput(m_byExternalOutput) &&
           (IsRectEmpty(&m_rcDisplayArea) ? ResetDisplayArea()
                                          : PreviewDisplayArea(&m_rcDisplayArea));
}

int CMrgDoc::OpenDevice(int nReason) {
    if (m_pDevice) {
        return 0;
    }
    try {
        m_pDevice = std::make_unique<CDevice>();
        m_pDevice->Open();
        ++m_nOpenCount;
        m_pDevice->ReadDeviceDescriptor();
        ++m_nInitCount;
        for (SHADOW_REGISTER& reg : m_regs) {
            m_pDevice->ReadRegister(reg.m_byAddress, &reg.m_wValue);
        }
        BeginUpdate();
        if (nReason == OPEN_RESUME) {
            WriteControlWith(CONTROL_RESUMED);
        }
        if (m_regs[REGIDX_STATUS].m_wValue & STATUS_NEW_TIMING) {
            WriteControlWith(CONTROL_ACK_NEW_TIMING);
        }
        if (m_regs[REGIDX_OUTPUT].m_wValue & OUTPUT_SUSPENDED) {
            StoreAndWrite(REGIDX_OUTPUT,
                          static_cast<WORD>(m_regs[REGIDX_OUTPUT].m_wValue & ~OUTPUT_SUSPENDED));
        }
        ApplyFirstRunModel();
    } catch (const CDeviceException& e) {
        GetMrgApp()->ReportDeviceError(e.m_dwError);
        return -1;
    }
    m_optionSheet.converterOpened = m_optionSheet.open;
    if (!ApplyModel()) {
        return -1;
    }
    // A transfer failing during the wait fails the open like any other step of it.
    if (m_bSuppressStripe && !WithDevice([&] { WaitForOutputReady(); })) {
        return -1;
    }
    if (!EndDeviceUpdate()) {
        return -1;
    }
    m_bPreview = FALSE;
    return 1;
}

int CMrgDoc::CloseDevice(int nReason) {
    if (!m_pDevice) {
        return 0;
    }
    if (m_nInitCount) {
        if (nReason == CLOSE_SUSPEND) {
            // Leave the output switched off for the suspend; the next open clears it.
            try {
                BeginUpdate();
                m_pDevice->WriteRegister(
                    m_regs[REGIDX_OUTPUT].m_byAddress,
                    static_cast<WORD>(m_regs[REGIDX_OUTPUT].m_wValue | OUTPUT_SUSPENDED));
            } catch (const CDeviceException&) {
                // Closing reports nothing: the device is going away either way.
            }
        }
        m_suppression.CloseAll();
        --m_nInitCount;
    }
    if (m_nOpenCount) {
        m_pDevice->Close();
        --m_nOpenCount;
    }
    m_pDevice.reset();
    return 1;
}
