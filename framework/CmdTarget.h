// Command routing: each target has a table of {id, handler, update handler} in map order.
#pragma once

#include "../platform/win32.h"
#include "Object.h"

#include <cstddef>

class CCmdTarget;

// The state of one command for its update handler: a menu item, or a test before a command
// without a control window is carried out.
class CCmdUI {
  public:
    UINT m_nID = 0;
    UINT m_nIndex = 0;
    HMENU m_hMenu = nullptr; // null for the test update
    BOOL m_bEnabled = TRUE;
    BOOL m_bEnableChanged = FALSE;

    void Enable(BOOL bOn = TRUE);
    void SetCheck(int nCheck = 1);

    // Offers the update to the target's routing; a command whose handlers never said
    // whether it is enabled is enabled exactly when some target carries it out.
    void DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);
};

enum class CmdMsg {
    Execute, // carry the command out
    Update,  // run its update handler
    Probe,   // only say whether a handler exists
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
  public:
    // TRUE when this target (or one it routes to) took the command.
    virtual BOOL OnCmdMsg(UINT nID, CmdMsg kind, CCmdUI* pCmdUI);

  protected:
    template <class T> struct CommandEntry {
        UINT id;
        void (T::*handler)();
        void (T::*update)(CCmdUI*);
    };

    // Looks the command up in a class's table, in order.
    template <class T, std::size_t N>
    static BOOL DispatchCommand(T* self, const CommandEntry<T> (&table)[N], UINT nID, CmdMsg kind,
                                CCmdUI* pCmdUI) {
        for (const CommandEntry<T>& entry : table) {
            if (entry.id != nID) {
                continue;
            }
            if (kind == CmdMsg::Execute && entry.handler) {
                (self->*entry.handler)();
                return TRUE;
            }
            if (kind == CmdMsg::Update && entry.update) {
                (self->*entry.update)(pCmdUI);
                return TRUE;
            }
            if (kind == CmdMsg::Probe && entry.handler) {
                return TRUE;
            }
        }
        return FALSE;
    }
};
