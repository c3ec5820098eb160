#include "app/MainFrm.h"

#include "app/Resource.h"

namespace {

const CommandEntry<CMainFrame> kCommands[] = {
    {ID_HELP_FINDER, &CMainFrame::OnHelpFinder},
    {ID_HELP, &CMainFrame::OnHelp},
    {ID_CONTEXT_HELP, &CMainFrame::OnContextHelp},
    {ID_DEFAULT_HELP, &CMainFrame::OnHelpFinder},
};

constexpr UINT kIndicators[] = {
    ID_SEPARATOR,
    ID_INDICATOR_CAPS,
    ID_INDICATOR_NUM,
    ID_INDICATOR_SCRL,
};

}  // namespace

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame() {
    // The bars go before the frame's window; the frame must not reach them meanwhile.
    m_pToolBar = nullptr;
    m_pStatusBar = nullptr;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
    if (!CMDIFrameWnd::PreCreateWindow(cs))
        return FALSE;
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                                   CBRS_FLYBY | CBRS_SIZE_DYNAMIC,
                               RECT{}, AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME)) {
        return -1;
    }
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators)))) {
        return -1;
    }
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    return 0;
}

bool CMainFrame::OnCmdMsg(UINT nID, CCmdUI* pCmdUI) {
    return DispatchCommand(this, kCommands, nID, pCmdUI) || CMDIFrameWnd::OnCmdMsg(nID, pCmdUI);
}
