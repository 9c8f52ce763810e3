// The Win32 types and constants of the controls the program's dialogs hold: buttons of every
// kind, combo boxes, and the common controls (trackbars, tabs, property sheets).
#pragma once

#include "platform/sim/include/win32_window_types.h"

#define WM_NOTIFY 0x004E
#define WM_HSCROLL 0x0114
#define WM_MOUSEWHEEL 0x020A
#define WHEEL_DELTA 120

struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};
using LPNMHDR = NMHDR*;

// A dialog procedure's answer to a message whose result is not the procedure's BOOL.
#define DWLP_MSGRESULT 0
#define GWLP_USERDATA (-21)
#define DS_CONTROL 0x0400L

// Buttons
#define BS_CHECKBOX 0x00000002L
#define BS_AUTOCHECKBOX 0x00000003L
#define BS_RADIOBUTTON 0x00000004L
#define BS_GROUPBOX 0x00000007L
#define BS_AUTORADIOBUTTON 0x00000009L
#define BS_ICON 0x00000040L
#define BS_MULTILINE 0x00002000L
#define BM_GETIMAGE 0x00F6
#define BM_SETIMAGE 0x00F7
#define IMAGE_ICON 1
#define LR_SHARED 0x8000
#define DLGC_RADIOBUTTON 0x0040

// Combo boxes
#define CBS_DROPDOWNLIST 0x0003L
#define WS_VSCROLL 0x00200000L
#define CB_GETCOUNT 0x0146
#define CB_GETCURSEL 0x0147
#define CB_GETLBTEXT 0x0148
#define CB_GETLBTEXTLEN 0x0149
#define CB_ADDSTRING 0x0143
#define CB_RESETCONTENT 0x014B
#define CB_SETCURSEL 0x014E
#define CB_SHOWDROPDOWN 0x014F
#define CB_GETDROPPEDSTATE 0x0157
#define CB_GETTOPINDEX 0x015B
#define CB_OKAY 0
#define CB_ERR (-1)
#define CBN_SELCHANGE 1
#define CBN_DROPDOWN 7
#define CBN_CLOSEUP 8
#define CBN_SELENDOK 9

// Trackbars
#define TRACKBAR_CLASSA "msctls_trackbar32"
#define TBS_AUTOTICKS 0x0001
#define TBM_GETPOS (WM_USER)
#define TBM_GETRANGEMIN (WM_USER + 1)
#define TBM_GETRANGEMAX (WM_USER + 2)
#define TBM_SETPOS (WM_USER + 5)
#define TBM_SETRANGE (WM_USER + 6)
#define TBM_SETTICFREQ (WM_USER + 20)
#define TBM_SETPAGESIZE (WM_USER + 21)
#define TBM_GETPAGESIZE (WM_USER + 22)
#define TBM_SETLINESIZE (WM_USER + 23)
#define TBM_GETLINESIZE (WM_USER + 24)
#define TBM_GETTHUMBRECT (WM_USER + 25)
#define TB_LINEUP 0
#define TB_LINEDOWN 1
#define TB_PAGEUP 2
#define TB_PAGEDOWN 3
#define TB_THUMBPOSITION 4
#define TB_THUMBTRACK 5
#define TB_TOP 6
#define TB_BOTTOM 7
#define TB_ENDTRACK 8
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24

// Tabs
#define WC_TABCONTROLA "SysTabControl32"
#define TCIF_TEXT 0x0001
#define TCM_GETITEMCOUNT 0x1304
#define TCM_GETITEMA 0x1305
#define TCM_INSERTITEMA 0x1307
#define TCM_GETITEMRECT 0x130A
#define TCM_GETCURSEL 0x130B
#define TCM_SETCURSEL 0x130C
#define TCM_ADJUSTRECT 0x1328
#define TCN_SELCHANGE (0U - 551U)
#define TCN_SELCHANGING (0U - 552U)

struct TCITEMA {
    UINT mask;
    DWORD dwState;
    DWORD dwStateMask;
    LPSTR pszText;
    int cchTextMax;
    int iImage;
    LPARAM lParam;
};

// Property sheets
struct PROPSHEETPAGEA;
using LPFNPSPCALLBACKA = UINT (*)(HWND, UINT, PROPSHEETPAGEA*);

struct PROPSHEETPAGEA {
    DWORD dwSize;
    DWORD dwFlags;
    HINSTANCE hInstance;
    LPCSTR pszTemplate;
    HICON hIcon;
    LPCSTR pszTitle;
    DLGPROC pfnDlgProc;
    LPARAM lParam;
    LPFNPSPCALLBACKA pfnCallback;
    UINT* pcRefParent;
};
using LPCPROPSHEETPAGEA = const PROPSHEETPAGEA*;

using PFNPROPSHEETCALLBACK = int (*)(HWND, UINT, LPARAM);

struct PROPSHEETHEADERA {
    DWORD dwSize;
    DWORD dwFlags;
    HWND hwndParent;
    HINSTANCE hInstance;
    HICON hIcon;
    LPCSTR pszCaption;
    UINT nPages;
    UINT nStartPage;
    LPCPROPSHEETPAGEA ppsp;
    PFNPROPSHEETCALLBACK pfnCallback;
};
using LPCPROPSHEETHEADERA = const PROPSHEETHEADERA*;

struct PSHNOTIFY {
    NMHDR hdr;
    LPARAM lParam;
};

#define PSP_DEFAULT 0x0000
#define PSP_USETITLE 0x0008
#define PSP_HASHELP 0x0020
#define PSH_DEFAULT 0x0000
#define PSH_PROPTITLE 0x0001
#define PSH_PROPSHEETPAGE 0x0008
#define PSH_NOAPPLYNOW 0x0080
#define PSH_HASHELP 0x0200
#define PSH_MODELESS 0x0400
#define PSH_USECALLBACK 0x0100
#define PSCB_INITIALIZED 1

#define PSN_FIRST (0U - 200U)
#define PSN_SETACTIVE (PSN_FIRST - 0)
#define PSN_KILLACTIVE (PSN_FIRST - 1)
#define PSN_APPLY (PSN_FIRST - 2)
#define PSN_RESET (PSN_FIRST - 3)
#define PSN_QUERYCANCEL (PSN_FIRST - 9)
#define PSNRET_NOERROR 0
#define PSNRET_INVALID 1
#define PSNRET_INVALID_NOCHANGEPAGE 2

#define PSM_SETCURSEL (WM_USER + 101)
#define PSM_PRESSBUTTON (WM_USER + 113)
#define PSM_GETTABCONTROL (WM_USER + 116)
#define PSM_GETCURRENTPAGEHWND (WM_USER + 118)
#define PSBTN_OK 3
#define PSBTN_CANCEL 5
#define IDC_APPLY_NOW 0x3021
#define IDC_TAB_CONTROL 0x3020
