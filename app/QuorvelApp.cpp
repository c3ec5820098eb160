#include "app/QuorvelApp.h"

#include "app/ChildFrm.h"
#include "app/MainFrm.h"
#include "app/QuorvelDoc.h"
#include "app/QuorvelView.h"
#include "app/Resource.h"
#include "app/framework/Dialog.h"
#include "app/framework/DocTemplate.h"
#include "platform/MessageBox.h"

namespace {

const CommandEntry<CQuorvelApp> kCommands[] = {
    {ID_APP_ABOUT, &CQuorvelApp::OnAppAbout},
    {ID_FILE_NEW, &CQuorvelApp::OnFileNew},
    {ID_FILE_OPEN, &CQuorvelApp::OnFileOpen},
};

// The About box: template 100, nothing exchanged, nothing handled.
class CAboutDlg : public CDialog {
  public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};

}  // namespace

CQuorvelApp::CQuorvelApp() {
    AfxSetResources(&QuorvelResources());
    EnableHtmlHelp();
}

CQuorvelApp::~CQuorvelApp() = default;

BOOL CQuorvelApp::InitInstance() {
    InitCommonControls();
    CWinApp::InitInstance();
    if (!AfxOleInit()) {
        const char* text = AfxLoadString(IDP_OLE_INIT_FAILED);
        AfxMessageBox(text ? text : "Failed to initialize the component system.");
        return FALSE;
    }
    AfxEnableControlContainer();
    SetRegistryKey("Bramvold");
    LoadStdProfileSettings(15);

    auto* docTemplate = new CMultiDocTemplate(
        IDR_QUORVELTYPE, RuntimeClassOf<CQuorvelDoc, CDocument>(),
        RuntimeClassOf<CChildFrame, CMDIChildWnd>(), RuntimeClassOf<CQuorvelView, CView>());
    AddDocTemplate(docTemplate);

    auto* mainFrame = new CMainFrame;
    if (!mainFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
        delete mainFrame;
        return FALSE;
    }
    m_pMainWnd = mainFrame;
    mainFrame->ShowWindow(m_nCmdShow);
    mainFrame->UpdateWindow();
    return TRUE;
}

bool CQuorvelApp::OnCmdMsg(UINT nID, CCmdUI* pCmdUI) {
    return DispatchCommand(this, kCommands, nID, pCmdUI) || CWinApp::OnCmdMsg(nID, pCmdUI);
}

void CQuorvelApp::OnAppAbout() {
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}
