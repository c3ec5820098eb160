#include "app/QuorvelView.h"

#include "app/Dia_Parameters.h"
#include "app/Resource.h"
#include "diagram/Diagram.h"

namespace {

const CommandEntry<CQuorvelView> kCommands[] = {
    {ID_PARAMETERS, &CQuorvelView::OnParameters},
};

}  // namespace

CQuorvelView::CQuorvelView() : m_pDiagram(nullptr) {}

CQuorvelView::~CQuorvelView() {
    delete m_pDiagram;
}

BOOL CQuorvelView::PreCreateWindow(CREATESTRUCT& cs) {
    return CView::PreCreateWindow(cs);
}

void CQuorvelView::OnDraw(CDC* pDC) {
    if (GetDocument())
        m_pDiagram->Draw(pDC);
}

BOOL CQuorvelView::OnPreparePrinting(CPrintInfo* pInfo) {
    return DoPreparePrinting(pInfo);
}
void CQuorvelView::OnBeginPrinting(CDC*, CPrintInfo*) {}
void CQuorvelView::OnEndPrinting(CDC*, CPrintInfo*) {}

int CQuorvelView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pDiagram = new CDiagram(this);
    GetDocument()->m_pDiagram = m_pDiagram;
    m_pWindowDC = GetDC();
    GetDocument()->m_pViewDC = m_pWindowDC;
    return 0;
}

void CQuorvelView::OnDestroy() {
    if (m_pWindowDC)
        ReleaseDC(std::exchange(m_pWindowDC, nullptr));
    CView::OnDestroy();
}

void CQuorvelView::OnParameters() {
    CDia_Parameters dlg;
    dlg.m_pDiagram = m_pDiagram;
    dlg.DoModal();
    CDC* pDC = GetDC();
    m_pDiagram->Draw(pDC);
    ReleaseDC(pDC);
}

bool CQuorvelView::OnCmdMsg(UINT nID, CCmdUI* pCmdUI) {
    return DispatchCommand(this, kCommands, nID, pCmdUI) || CView::OnCmdMsg(nID, pCmdUI);
}
