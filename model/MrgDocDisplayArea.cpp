// Programming the converter's scaler for a desktop rectangle, and following the screen.
#include "../device/DeviceException.h"
#include "MrgAppBase.h"
#include "MrgDoc.h"
#include "Rescale.h"
#include "ScalerFormula.h"

namespace {

constexpr BYTE INDIRECT_H_DIVISOR = 18;
constexpr BYTE INDIRECT_H_LIMIT = 25;
constexpr BYTE INDIRECT_V_LIMIT = 27;
constexpr DWORD SCALE_SETTLE_MS = 50;

} // namespace

int CMrgDoc::ProgramScaler(const RECT* pRect) {
    return WithDevice([&] {
        BeginUpdate();
        ScalerInput input{
            m_cxScreen,           m_cyScreen, *pRect, 0, 0, 0, m_regs[REGIDX_TV_VSIZE].m_wValue,
            m_nVideoStandard != 0};
        m_pDevice->ReadIndirect(INDIRECT_H_DIVISOR, &input.a);
        m_pDevice->ReadIndirect(INDIRECT_H_LIMIT, &input.b);
        m_pDevice->ReadIndirect(INDIRECT_V_LIMIT, &input.c);
        const ScalerValues values = ComputeScaler(input);
        StoreAndWrite(REGIDX_HSCALE, static_cast<WORD>(values.horizontalScale));
        StoreAndWrite(REGIDX_VSCALE, static_cast<WORD>(values.verticalScale));
        Sleep(SCALE_SETTLE_MS);
        StoreAndWrite(REGIDX_AREA_HSTART, static_cast<WORD>(values.horizontalStart));
        StoreAndWrite(REGIDX_AREA_VSTART, static_cast<WORD>(values.verticalStart));
        EndUpdate();
    });
}

int CMrgDoc::PreviewDisplayArea(const RECT* pRect) {
    if (!m_pDevice) {
        GetMrgApp()->ReportDeviceError(DEVICE_ERROR_NO_DEVICE);
        return 0;
    }
    RECT clamped = *pRect;
    if (clamped.left < 0) {
        clamped.left = 0;
    }
    if (clamped.top < 0) {
        clamped.top = 0;
    }
    if (clamped.right >= m_cxScreen) {
        clamped.right = m_cxScreen - 1;
    }
    if (clamped.bottom >= m_cyScreen) {
        clamped.bottom = m_cyScreen - 1;
    }
    const int result = ProgramScaler(&clamped);
    if (result) {
        m_bPreview = TRUE;
    }
    return result;
}

// The applied area is kept at once, as the exit keeps it.
int CMrgDoc::SetDisplayArea(const RECT* pRect) {
    const int result = PreviewDisplayArea(pRect);
    m_bPreview = FALSE;
    m_rcDisplayArea = *pRect;
    SaveSettings();
    return result;
}

int CMrgDoc::CancelPreview(const RECT* pLastShown) {
    if (!m_bPreview) {
        return 1;
    }
    if (EqualRect(&m_rcDisplayArea, pLastShown)) {
        m_bPreview = FALSE;
        return 1;
    }
    const int result =
        IsRectEmpty(&m_rcDisplayArea) ? ResetDisplayArea() : PreviewDisplayArea(&m_rcDisplayArea);
    m_bPreview = FALSE;
    return result;
}

int CMrgDoc::ResetDisplayArea() {
    return WithDevice([&] {
        BeginUpdate();
        StoreAndWrite(REGIDX_HSCALE, 0);
        StoreAndWrite(REGIDX_VSCALE, 0);
        StoreAndWrite(REGIDX_AREA_HSTART, 0);
        StoreAndWrite(REGIDX_AREA_VSTART, 0);
        EndUpdate();
    });
}

void CMrgDoc::OnDisplayChange(int cx, int cy) {
    // A screen size of zero leaves nothing to rescale from: fall back to the whole desktop.
    bool wholeDesktop = IsRectEmpty(&m_rcDisplayArea) != FALSE;
    if (!wholeDesktop && !RescaleRect(m_rcDisplayArea, m_cxScreen, m_cyScreen, cx, cy)) {
        SetRectEmpty(&m_rcDisplayArea);
        wholeDesktop = true;
    }
    if (wholeDesktop) {
        ResetDisplayArea();
    }
    m_cxScreen = cx;
    m_cyScreen = cy;
    if (!wholeDesktop) {
        PreviewDisplayArea(&m_rcDisplayArea);
    }
}

void CMrgDoc::CheckOutputStatus() {
    if (!m_pDevice) {
        return;
    }
    bool newTiming = false;
    try {
        BeginUpdate();
        m_pDevice->ReadRegister(m_regs[REGIDX_STATUS].m_byAddress, &m_regs[REGIDX_STATUS].m_wValue);
        newTiming = (m_regs[REGIDX_STATUS].m_wValue & STATUS_NEW_TIMING) != 0;
        if (newTiming) {
            WriteControlWith(CONTROL_ACK_NEW_TIMING);
        }
        EndUpdate();
    } catch (const CDeviceException& e) {
        GetMrgApp()->ReportDeviceError(e.m_dwError);
        return;
    }
    // The converter measured a new input timing: program the area against it.
    if (newTiming) {
        OnDisplayChange(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    }
}
