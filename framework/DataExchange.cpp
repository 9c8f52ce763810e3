#include "DataExchange.h"

namespace {

HWND Control(CDataExchange* pDX, int nIDC) {
    return pDX->m_pDlgWnd->GetDlgItem(nIDC);
}

bool IsRadioButton(HWND control) {
    return (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

} // namespace

void DDX_Slider(CDataExchange* pDX, int nIDC, int& value) {
    const HWND slider = Control(pDX, nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(SendMessageA(slider, TBM_GETPOS, 0, 0));
    } else {
        SendMessageA(slider, TBM_SETPOS, TRUE, value);
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, BOOL& value) {
    const HWND box = Control(pDX, nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<BOOL>(SendMessageA(box, BM_GETCHECK, 0, 0));
    } else {
        SendMessageA(box, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    if (pDX->m_bSaveAndValidate) {
        value = -1;
    }
    int index = 0;
    for (HWND button = Control(pDX, nIDC); button != nullptr;
         button = GetWindow(button, GW_HWNDNEXT)) {
        if (index > 0 && (GetWindowLongA(button, GWL_STYLE) & WS_GROUP)) {
            break;
        }
        if (!IsRadioButton(button)) {
            continue;
        }
        if (pDX->m_bSaveAndValidate) {
            if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) {
                value = index;
            }
        } else {
            SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}
