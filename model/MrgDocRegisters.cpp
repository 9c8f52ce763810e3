// Writing the picture and TV output controls through the shadow registers, inside the
// update bracket that keeps stripe suppression off while registers change.
#include "../device/DeviceException.h"
#include "MrgAppBase.h"
#include "MrgDoc.h"

void CMrgDoc::StoreAndWrite(int index, WORD value) {
    m_regs[index].m_wValue = value;
    m_pDevice->WriteRegister(m_regs[index].m_byAddress, value);
}

// Writes the control register with bits the shadow does not keep (strobes, one-off flags).
void CMrgDoc::WriteControlWith(WORD extraBits) {
    m_pDevice->WriteRegister(m_regs[REGIDX_CONTROL].m_byAddress,
                             static_cast<WORD>(m_regs[REGIDX_CONTROL].m_wValue | extraBits));
}

int CMrgDoc::SetRegister(int index, int value) {
    return WithDevice([&] {
        BeginUpdate();
        StoreAndWrite(index, static_cast<WORD>(value));
        EndUpdate();
    });
}

// The new value is built from the shadow before the bracket begins.
int CMrgDoc::SetBits(int index, WORD mask, BOOL bOn) {
    const WORD current = m_regs[index].m_wValue;
    return SetRegister(index, bOn ? (current | mask) : (current & ~mask));
}

// Only the level's low four bits fit the field; shifting the whole value could overflow.
int CMrgDoc::SetFlickerFilter(int level) {
    const auto field = static_cast<WORD>((static_cast<unsigned>(level) & 0xFu) << 12);
    return SetRegister(REGIDX_CONTROL, (m_regs[REGIDX_CONTROL].m_wValue & 0x0FFF) | field);
}

int CMrgDoc::SetTestPattern(BOOL bOn) {
    return SetBits(REGIDX_CONTROL, CONTROL_TEST_PATTERN, bOn);
}

int CMrgDoc::SetLuminanceFilter(BOOL bOn) {
    return SetBits(REGIDX_OUTPUT, OUTPUT_LUMINANCE_FILTER, bOn);
}

int CMrgDoc::SetChromaFilter(BOOL bOn) {
    return SetBits(REGIDX_OUTPUT, OUTPUT_CHROMA_FILTER, bOn);
}

int CMrgDoc::SetPedestal(BOOL bOn) {
    return SetBits(REGIDX_OUTPUT, OUTPUT_PEDESTAL, bOn);
}

int CMrgDoc::SetVideoStandard(int nStandard) {
    return SetBits(REGIDX_OUTPUT, OUTPUT_PAL, nStandard != 0);
}

int CMrgDoc::SetRgbGain(BOOL bOn) {
    return SetBits(REGIDX_OUTPUT2, OUTPUT2_RGB_GAIN, bOn);
}

int CMrgDoc::SetTestPatternType(int nType) {
    return SetRegister(REGIDX_OUTPUT2,
                       (m_regs[REGIDX_OUTPUT2].m_wValue & 0xF8FF) | ((nType & 0xFF) << 8));
}

int CMrgDoc::SetTvPositionSize(const RECT& rcPosition) {
    return WithDevice([&] {
        BeginUpdate();
        StoreAndWrite(REGIDX_TV_HOFFSET, static_cast<WORD>(rcPosition.left));
        StoreAndWrite(REGIDX_TV_VOFFSET, static_cast<WORD>(rcPosition.top));
        StoreAndWrite(REGIDX_TV_HSIZE, static_cast<WORD>(rcPosition.right));
        StoreAndWrite(REGIDX_TV_VSIZE, static_cast<WORD>(rcPosition.bottom));
        EndUpdate();
    });
}

int CMrgDoc::SetExternalOutput(BYTE bySelection) {
    return WithDevice([&] {
        m_pDevice->WriteAux(AUX_EXTERNAL_INPUT, AUX_EXTERNAL_INPUT_PREFIX,
                            AUX_EXTERNAL_INPUT_PREFIX, bySelection);
    });
}

bool CMrgDoc::ScalerActive() const {
    return m_regs[REGIDX_HSCALE].m_wValue != 0 || m_regs[REGIDX_VSCALE].m_wValue != 0 ||
           m_regs[REGIDX_AREA_HSTART].m_wValue != 0 || m_regs[REGIDX_AREA_VSTART].m_wValue != 0;
}

void CMrgDoc::BeginUpdate() {
    if (!SuppressionInForce()) {
        return;
    }
    if (m_suppression.Enter() && !(m_regs[REGIDX_CONTROL].m_wValue & CONTROL_SUPPRESSION_OFF)) {
        m_regs[REGIDX_CONTROL].m_wValue |= CONTROL_SUPPRESSION_OFF;
        WriteControlWith(0);
    }
}

void CMrgDoc::EndUpdate() {
    if (!SuppressionInForce()) {
        return;
    }
    // The stripes only show on a scaled picture; the whole desktop needs no suppression.
    if (!m_suppression.Leave() || !ScalerActive()) {
        return;
    }
    m_regs[REGIDX_CONTROL].m_wValue &= ~CONTROL_SUPPRESSION_OFF;
    WriteControlWith(0);
    WORD suppression = 0;
    m_pDevice->ReadRegister(REG_SUPPRESSION, &suppression);
    if (!(suppression & SUPPRESSION_ON)) {
        m_pDevice->WriteRegister(REG_SUPPRESSION, static_cast<WORD>(suppression | SUPPRESSION_ON));
    }
}

int CMrgDoc::BeginDeviceUpdate() {
    return WithDevice([&] { BeginUpdate(); });
}

int CMrgDoc::EndDeviceUpdate() {
    return WithDevice([&] { EndUpdate(); });
}

int CMrgDoc::StopSuppression() {
    if (m_regs[REGIDX_CONTROL].m_wValue & CONTROL_SUPPRESSION_OFF) {
        return 1;
    }
    return WithDevice([&] {
        WORD suppression = 0;
        m_pDevice->ReadRegister(REG_SUPPRESSION, &suppression);
        if (suppression & SUPPRESSION_ON) {
            m_pDevice->WriteRegister(REG_SUPPRESSION,
                                     static_cast<WORD>(suppression & ~SUPPRESSION_ON));
        }
        m_regs[REGIDX_CONTROL].m_wValue |= CONTROL_SUPPRESSION_OFF;
        WriteControlWith(0);
    });
}

void CMrgDoc::SuspendSuppression() {
    if (m_bSuppressStripe && m_pDevice != nullptr) {
        StopSuppression();
    }
    m_suppression.SetActive(FALSE);
}

void CMrgDoc::ResumeSuppression() {
    m_suppression.SetActive(m_bSuppressStripe);
    if (SuppressionInForce() && m_pDevice != nullptr) {
        BeginDeviceUpdate();
        EndDeviceUpdate();
    }
}

void CMrgDoc::WaitForOutputReady() {
    for (int poll = 0; poll < 6; ++poll) {
        Sleep(1000);
        WORD status = 0;
        m_pDevice->ReadRegister(m_regs[REGIDX_STATUS].m_byAddress, &status);
        if (status & STATUS_OUTPUT_READY) {
            break;
        }
    }
    Sleep(1000);
}
