// CMainFrame: the MDI main window with its toolbar and status bar.
#pragma once

#include "app/framework/MDIFrame.h"
#include "app/framework/StatusBar.h"
#include "app/framework/ToolBar.h"

class CMainFrame : public CMDIFrameWnd {
  public:
    static constexpr const char* kClassName = "CMainFrame";

    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    bool OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
};
