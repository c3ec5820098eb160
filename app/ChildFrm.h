// CChildFrame: the MDI child frame that holds one diagram's view.
#pragma once

#include "app/framework/MDIFrame.h"

class CChildFrame : public CMDIChildWnd {
  public:
    static constexpr const char* kClassName = "CChildFrame";

    CChildFrame();
    ~CChildFrame() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};
