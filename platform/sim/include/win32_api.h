// The simulated Windows: the Win32 functions the program calls, with Win32's semantics,
// served by the current simulated machine.
#pragma once

#include "platform/sim/include/win32_control_types.h"
#include "platform/sim/include/win32_system_types.h"
#include "platform/sim/include/win32_types.h"
#include "platform/sim/include/win32_window_types.h"

// Kernel: time, errors, memory, modules
void Sleep(DWORD milliseconds);
DWORD GetTickCount();
DWORD GetCurrentThreadId();
EXECUTION_STATE SetThreadExecutionState(EXECUTION_STATE flags);
DWORD GetLastError();
void SetLastError(DWORD error);
HLOCAL LocalFree(HLOCAL memory);
HMODULE GetModuleHandleA(LPCSTR moduleName);
DWORD FormatMessageA(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPSTR buffer,
                     DWORD size, va_list_ptr arguments);

// Resources
int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax);
HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL loaded);
DWORD SizeofResource(HMODULE module, HRSRC resource);

// Device setup
HDEVINFO SetupDiGetClassDevsA(const GUID* classGuid, LPCSTR enumerator, HWND parent, DWORD flags);
BOOL SetupDiEnumDeviceInterfaces(HDEVINFO set, PSP_DEVINFO_DATA deviceInfo,
                                 const GUID* interfaceClass, DWORD memberIndex,
                                 PSP_DEVICE_INTERFACE_DATA interfaceData);
BOOL SetupDiGetDeviceInterfaceDetailA(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA interfaceData,
                                      PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail, DWORD detailSize,
                                      PDWORD requiredSize, PSP_DEVINFO_DATA deviceInfo);
BOOL SetupDiDestroyDeviceInfoList(HDEVINFO set);

// Files and device I/O
HANDLE CreateFileA(LPCSTR fileName, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                   DWORD creation, DWORD flags, HANDLE templateFile);
BOOL DeviceIoControl(HANDLE device, DWORD code, LPVOID inBuffer, DWORD inSize, LPVOID outBuffer,
                     DWORD outSize, LPDWORD returned, LPOVERLAPPED overlapped);
BOOL CloseHandle(HANDLE object);
HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES security, BOOL initialOwner, LPCSTR name);

// Registry
LSTATUS RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                        REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result,
                        LPDWORD disposition);
LSTATUS RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result);
LSTATUS RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                         LPDWORD size);
LSTATUS RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                       DWORD size);
LSTATUS RegCloseKey(HKEY key);
LSTATUS RegDeleteKeyA(HKEY key, LPCSTR subKey);

// Locale
LCID GetUserDefaultLCID();

// Screen, rectangles and message boxes
int GetSystemMetrics(int index);
UINT GetDoubleClickTime();
BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(LPRECT rect);
BOOL IsRectEmpty(const RECT* rect);
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL OffsetRect(LPRECT rect, int dx, int dy);
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// Window classes and windows
ATOM RegisterClassA(const WNDCLASSA* windowClass);
BOOL GetClassInfoA(HINSTANCE instance, LPCSTR className, WNDCLASSA* windowClass);
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
BOOL IsWindowVisible(HWND window);
BOOL IsWindowEnabled(HWND window);
BOOL IsWindowUnicode(HWND window);
BOOL EnableWindow(HWND window, BOOL enable);
BOOL ShowWindow(HWND window, int command);
BOOL UpdateWindow(HWND window);
int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
BOOL MapDialogRect(HWND dialog, LPRECT rect);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL GetWindowRect(HWND window, LPRECT rect);
BOOL GetClientRect(HWND window, LPRECT rect);
BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle);
BOOL ClientToScreen(HWND window, LPPOINT point);
HWND GetParent(HWND window);
HWND GetAncestor(HWND window, UINT flags);
LONG GetWindowLongA(HWND window, int index);
LONG_PTR GetWindowLongPtrA(HWND window, int index);
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
BOOL IsChild(HWND parent, HWND window);
BOOL ScreenToClient(HWND window, LPPOINT point);
BOOL PtInRect(const RECT* rect, POINT point);
HWND WindowFromPoint(POINT point);
HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags);
int GetClassNameA(HWND window, LPSTR name, int maxCount);
HWND GetWindow(HWND window, UINT command);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND window);
BOOL SetWindowTextA(HWND window, LPCSTR text);
int GetWindowTextA(HWND window, LPSTR text, int maxCount);
HWND SetFocus(HWND window);
HWND GetFocus();
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND window);
HWND GetForegroundWindow();
DWORD GetWindowThreadProcessId(HWND window, LPDWORD processId);
BOOL GetGUIThreadInfo(DWORD thread, GUITHREADINFO* info);

// The caret
BOOL CreateCaret(HWND window, HBITMAP bitmap, int width, int height);
BOOL SetCaretPos(int x, int y);
BOOL DestroyCaret();
BOOL AttachThreadInput(DWORD attach, DWORD attachTo, BOOL doAttach);

// Messages
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
UINT RegisterWindowMessageA(LPCSTR name);
BOOL GetMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax);
BOOL PeekMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax, UINT remove);
BOOL TranslateMessage(const MSG* message);
LRESULT DispatchMessageA(const MSG* message);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC procedure);
BOOL KillTimer(HWND window, UINT_PTR id);

// Cursor, keyboard and mouse capture
BOOL GetCursorPos(LPPOINT point);
BOOL SetCursorPos(int x, int y);
UINT SendInput(UINT count, INPUT* inputs, int size);
SHORT GetKeyState(int virtualKey);
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();

// Resources: menus and icons
HMENU LoadMenuA(HINSTANCE instance, LPCSTR name);
HMENU GetSubMenu(HMENU menu, int position);
int GetMenuItemCount(HMENU menu);
UINT GetMenuItemID(HMENU menu, int position);
int GetMenuStringA(HMENU menu, UINT item, LPSTR text, int maxCount, UINT flags);
BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable);
DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);
BOOL DestroyMenu(HMENU menu);
BOOL EndMenu();
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                    const RECT* rect);
HICON LoadIconA(HINSTANCE instance, LPCSTR name);
HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);
HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags);

// Dialogs
INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC dialogProc,
                        LPARAM initParam);
BOOL EndDialog(HWND dialog, INT_PTR result);
LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
BOOL IsDialogMessageA(HWND dialog, LPMSG message);

// Common controls
void InitCommonControls();
INT_PTR PropertySheetA(LPCPROPSHEETHEADERA header);

// Shell
BOOL Shell_NotifyIconA(DWORD message, PNOTIFYICONDATAA data);

// System parameters
BOOL SystemParametersInfoA(UINT action, UINT uiParam, LPVOID pvParam, UINT winIni);

// Device notifications
HDEVNOTIFY RegisterDeviceNotificationA(HANDLE recipient, LPVOID filter, DWORD flags);
BOOL UnregisterDeviceNotification(HDEVNOTIFY handle);

// Input method
HWND ImmGetDefaultIMEWnd(HWND window);
HIMC ImmGetContext(HWND window);
HIMC ImmAssociateContext(HWND window, HIMC context);
BOOL ImmReleaseContext(HWND window, HIMC context);

// GDI
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
int GetDeviceCaps(HDC dc, int index);
HFONT CreateFontIndirectA(const LOGFONTA* font);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics);
int SetROP2(HDC dc, int mode);
BOOL MoveToEx(HDC dc, int x, int y, LPPOINT previous);
BOOL LineTo(HDC dc, int x, int y);
COLORREF GetPixel(HDC dc, int x, int y);
HDC CreateCompatibleDC(HDC dc);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD operation);
BOOL DeleteDC(HDC dc);
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
int MulDiv(int number, int numerator, int denominator);

// Strings in the ANSI code page, which the simulated system holds as UTF-8
int _mbsicmp(const unsigned char* a, const unsigned char* b);
LPSTR CharNextA(LPCSTR text);
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multi, int multiCount, WCHAR* wide,
                        int wideCount);
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideCount, LPSTR multi,
                        int multiCount, LPCSTR defaultChar, BOOL* usedDefault);
