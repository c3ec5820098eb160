// CQuorvelApp: the application object. It registers the one document template and shows the
// main frame; documents are opened by the user only.
#pragma once

#include "app/framework/WinApp.h"

class CQuorvelApp : public CWinApp {
  public:
    CQuorvelApp();
    ~CQuorvelApp() override;

    BOOL InitInstance() override;
    bool OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

    void OnAppAbout();
};
