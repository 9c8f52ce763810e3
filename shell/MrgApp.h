// The application object.
#pragma once

#include "../model/MrgAppBase.h"

class CMrgApp : public CMrgAppBase {
  public:
    void ShowMessage(const std::string& text, BOOL bError) override;
};
