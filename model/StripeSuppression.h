// Stripe suppression as the converter runs it. The user's setting enables it; it is taken out
// of force while many registers change in a row (an interactive mode of the view, the Option
// sheet) and held off inside update brackets, which nest. This object keeps that state; the
// document does the register writes it decides.
#pragma once

#include "../platform/win32.h"

class CStripeSuppression {
  public:
    // Whether suppression is meant to be in force now, given the user's setting.
    bool InForce(BOOL bEnabled) const { return bEnabled && m_bActive; }
    bool Active() const { return m_bActive != FALSE; }
    void SetActive(BOOL bActive) { m_bActive = bActive; }

    // The update bracket's nesting: Enter is true for the outermost bracket, Leave when the
    // outermost one ends. An end whose beginning failed (and was unwound) ends at the
    // outermost level rather than below it.
    bool Enter() { return ++m_nDepth <= 1; }
    bool Leave() {
        m_nDepth = m_nDepth > 0 ? m_nDepth - 1 : 0;
        return m_nDepth == 0;
    }
    // A failed operation skipped the ends of the brackets it opened: back to where it began.
    int Depth() const { return m_nDepth; }
    void UnwindTo(int nDepth) {
        if (m_nDepth > nDepth) {
            m_nDepth = nDepth;
        }
    }
    // The converter was closed: no bracket is open on the next one.
    void CloseAll() { m_nDepth = 0; }

  private:
    BOOL m_bActive = FALSE;
    int m_nDepth = 0;
};
