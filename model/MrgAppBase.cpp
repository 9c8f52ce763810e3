#include "MrgAppBase.h"

#include "../device/DeviceErrorMessage.h"

void CMrgAppBase::ReportDeviceError(DWORD dwError) {
    ShowMessage(DeviceErrorMessage(dwError), TRUE);
}

CMrgAppBase* GetMrgApp() {
    return static_cast<CMrgAppBase*>(AfxGetApp());
}
