// CQuorvelView: the window of one diagram. It owns the diagram and the device context it takes
// from its window at creation.
#pragma once

#include "app/QuorvelDoc.h"
#include "app/framework/View.h"

class CDiagram;

class CQuorvelView : public CView {
  public:
    static constexpr const char* kClassName = "CQuorvelView";

    CQuorvelView();
    ~CQuorvelView() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnDraw(CDC* pDC) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    void OnParameters();

    bool OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

    CQuorvelDoc* GetDocument() const { return static_cast<CQuorvelDoc*>(m_pDocument); }

    CDiagram* m_pDiagram;

  private:
    CDC* m_pWindowDC = nullptr;
};
