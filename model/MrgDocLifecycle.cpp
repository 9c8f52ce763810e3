// The document's life: start-up, shut-down, saving, and the device coming and going.
#include "../framework/ResourceString.h"
#include "../res/resource.h"
#include "MrgAppBase.h"
#include "MrgDoc.h"

BOOL CMrgDoc::OnNewDocument() {
    LoadSettings();
    // The base empties the contents, which saves the settings just loaded.
    if (!CDocument::OnNewDocument()) {
        return FALSE;
    }
    // The program runs on without a device and opens it when it arrives.
    if (OpenDevice(OPEN_STARTUP) == -1) {
        CloseDevice(CLOSE_NORMAL);
        GetMrgApp()->SetTrayIcon(FALSE);
    }
    return TRUE;
}

void CMrgDoc::DeleteContents() {
    // The converter is left showing the whole desktop.
    if (m_pDevice) {
        ResetDisplayArea();
    }
    CloseDevice(CLOSE_NORMAL);
    SaveSettings();
    CDocument::DeleteContents();
}

BOOL CMrgDoc::SaveModified() {
    SaveSettings();
    return CDocument::SaveModified();
}

void CMrgDoc::ReportConnected() {
    GetMrgApp()->SetTrayIcon(TRUE);
    GetMrgApp()->ShowMessage(LoadResourceString(IDS_DEVICE_CONNECTED), FALSE);
}

int CMrgDoc::OnDeviceChange(CDeviceNotification* pNotification, UINT nEventType, DWORD_PTR dwData) {
    const DeviceMatch match =
        pNotification ? pNotification->Match(nEventType, reinterpret_cast<const void*>(dwData),
                                             m_pDevice.get())
                      : MATCH_NONE;
    if (nEventType == DBT_DEVICEARRIVAL && match == MATCH_OTHER) {
        const int opened = OpenDevice(OPEN_ARRIVAL);
        if (opened == 1) {
            ReportConnected();
        } else if (opened == -1) {
            CloseDevice(CLOSE_NORMAL);
        }
    } else if (nEventType == DBT_DEVICEREMOVECOMPLETE && match == MATCH_OPEN_DEVICE) {
        CloseDevice(CLOSE_REMOVAL);
        GetMrgApp()->SetTrayIcon(FALSE);
        GetMrgApp()->ShowMessage(LoadResourceString(IDS_DEVICE_DISCONNECTED), TRUE);
        UpdateAllViews(nullptr);
    }
    return 1;
}

void CMrgDoc::OnPowerSuspend() {
    CloseDevice(CLOSE_SUSPEND);
    GetMrgApp()->SetTrayIcon(FALSE);
    UpdateAllViews(nullptr);
}

void CMrgDoc::OnPowerResume() {
    if (OpenDevice(OPEN_RESUME) == 1) {
        ReportConnected();
    } else {
        CloseDevice(CLOSE_NORMAL);
    }
}
