// The document's tray commands: Full Screen and the two external inputs.
#include "MrgDoc.h"

#include "../res/resource.h"

BOOL CMrgDoc::OnCmdMsg(UINT nID, CmdMsg kind, CCmdUI* pCmdUI) {
    static const CommandEntry<CMrgDoc> kCommands[] = {
        {ID_FULL_SCREEN, &CMrgDoc::OnFullScreen, &CMrgDoc::OnUpdateFullScreen},
        {ID_CLEAR_AREA, &CMrgDoc::OnFullScreen, &CMrgDoc::OnUpdateClearArea},
        {ID_EXTERNAL_SVIDEO, &CMrgDoc::OnExternalSVideoInput,
         &CMrgDoc::OnUpdateExternalSVideoInput},
        {ID_OPTION, &CMrgDoc::OnOption, nullptr},
        {ID_EXTERNAL_COMPOSITE, &CMrgDoc::OnExternalCompositeInput,
         &CMrgDoc::OnUpdateExternalCompositeInput},
    };
    return DispatchCommand(this, kCommands, nID, kind, pCmdUI) ||
           CDocument::OnCmdMsg(nID, kind, pCmdUI);
}

void CMrgDoc::OnFullScreen() {
    // The emptied area stays, and is saved at once, even when no device is there to show it.
    SetRectEmpty(&m_rcDisplayArea);
    SaveSettings();
    ResetDisplayArea();
}

// The byte is stored (in the model and the profile) before it is sent, so the choice stays
// even when sending fails.
void CMrgDoc::ToggleExternalInput(BYTE bit) {
    m_byExternalOutput ^= bit;
    SaveSettings();
    SetExternalOutput(m_byExternalOutput);
}

void CMrgDoc::OnExternalSVideoInput() {
    ToggleExternalInput(EXTERNAL_SVIDEO);
}

void CMrgDoc::OnExternalCompositeInput() {
    ToggleExternalInput(EXTERNAL_COMPOSITE);
}

void CMrgDoc::OnUpdateFullScreen(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_pDevice != nullptr);
}

void CMrgDoc::OnUpdateClearArea(CCmdUI* pCmdUI) {
    pCmdUI->Enable(!IsRectEmpty(&m_rcDisplayArea));
}

// The alternative model has no external inputs; the marks still show the stored choice.
void CMrgDoc::UpdateExternalInput(CCmdUI* pCmdUI, BYTE bit) const {
    pCmdUI->Enable(m_pDevice != nullptr && !m_pDevice->m_bAltModel);
    pCmdUI->SetCheck((m_byExternalOutput & bit) != 0);
}

void CMrgDoc::OnUpdateExternalSVideoInput(CCmdUI* pCmdUI) {
    UpdateExternalInput(pCmdUI, EXTERNAL_SVIDEO);
}

void CMrgDoc::OnUpdateExternalCompositeInput(CCmdUI* pCmdUI) {
    UpdateExternalInput(pCmdUI, EXTERNAL_COMPOSITE);
}
