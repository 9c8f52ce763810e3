#include "CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

void CCmdUI::Enable(BOOL bOn) {
    m_bEnabled = bOn;
    m_bEnableChanged = TRUE;
    if (m_hMenu != nullptr) {
        EnableMenuItem(m_hMenu, m_nIndex,
                       MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    }
}

void CCmdUI::SetCheck(int nCheck) {
    if (m_hMenu != nullptr) {
        CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
}

void CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler) {
    m_bEnableChanged = FALSE;
    pTarget->OnCmdMsg(m_nID, CmdMsg::Update, this);
    if (bDisableIfNoHandler && !m_bEnableChanged) {
        Enable(pTarget->OnCmdMsg(m_nID, CmdMsg::Probe, nullptr));
    }
}

BOOL CCmdTarget::OnCmdMsg(UINT, CmdMsg, CCmdUI*) {
    return FALSE;
}
