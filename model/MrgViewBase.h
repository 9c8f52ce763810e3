// What the document needs of its view, which sits above the model: which area mode runs.
#pragma once

#include "../framework/View.h"

class CMrgViewBase : public CView {
    DECLARE_DYNAMIC(CMrgViewBase)
  public:
    // The command that started the running mode (a tray command's id); 0 when idle.
    virtual int GetMode() const = 0;
    // The area a running trace shows, which is what the converter must show; false when no
    // trace runs.
    virtual bool GetTracedArea(RECT& rect) const = 0;
};
