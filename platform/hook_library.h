/* The shortcut hook library's interface: four functions, reached by ordinal in the Windows
 * build, and the shortcut record they take. */
#ifndef CORVANE_HOOK_LIBRARY_H
#define CORVANE_HOOK_LIBRARY_H

#include "win32.h"

#define SHORTCUT_SHIFT 0x1u
#define SHORTCUT_CTRL 0x2u
#define SHORTCUT_ALT 0x4u

typedef struct SHORTCUT_ENTRY {
    DWORD vk;
    DWORD flags;
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
} SHORTCUT_ENTRY;

#ifdef __cplusplus
extern "C" {
#endif

/* 0 when shortcut detection runs. */
int WINAPI StartHook(void);
void WINAPI StopHook(void);
/* 0 when the entry is registered; the library keeps the pointer until RemoveShortcut. */
int WINAPI AddShortcut(SHORTCUT_ENTRY* entry);
void WINAPI RemoveShortcut(SHORTCUT_ENTRY* entry);

#ifdef __cplusplus
}
#endif

#endif
