// Resource ids shared by the code, the simulated Windows and the generated .rc.
#pragma once

#define AFX_IDS_APP_TITLE 57344

#define IDS_NO_DEVICE 61204
#define IDS_DEVICE_BUSY 61205
#define IDS_UNKNOWN_DEVICE_ERROR 61206
#define IDS_SYSTEM_ERROR 61207
#define IDS_DEVICE_CONNECTED 61208
#define IDS_DEVICE_DISCONNECTED 61209
#define IDS_OPTION_CAPTION 61210
#define IDS_SHORTCUT_OVERLAP 61211
