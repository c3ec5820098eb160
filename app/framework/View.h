// CView: a document's window. It keeps a backing image the size of its client area: the window's
// device context draws on that image and a repaint puts the image on screen, so the diagram can
// draw outside paint events (after a load, after a dialog) and the screen shows the same pixels
// as an off-screen rendering.
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>
#include <vector>

#include "app/framework/CmdTarget.h"
#include "drawing/DC.h"
#include "platform/Wnd.h"

class CDocument;
class CMDIChildWnd;
class CPrintInfo;
struct CCreateContext;

struct CREATESTRUCT {
    CCreateContext* lpCreateParams = nullptr;
    int cx = 0;
    int cy = 0;
    DWORD style = 0;
};
using LPCREATESTRUCT = CREATESTRUCT*;

class CView : public QWidget, public CWnd, public CCmdTarget {
  public:
    CView();
    ~CView() override;

    // Creates the window as the client of the frame: PreCreateWindow, then OnCreate. False when
    // either fails.
    bool Create(CMDIChildWnd* pParentFrame, CCreateContext* pContext);
    // Destroys the window (OnDestroy) and deletes the view.
    void DestroyWindow();

    CDocument* GetDocument() const { return m_pDocument; }
    CMDIChildWnd* GetParentFrame() const { return m_pFrame; }

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // Attaches the view to the document of the creation context; -1 without one.
    virtual int OnCreate(LPCREATESTRUCT lpCreateStruct);
    virtual void OnDestroy();
    virtual void OnInitialUpdate();
    virtual void OnDraw(CDC* pDC) = 0;

    // Printing: the command runs OnPreparePrinting (FALSE ends it), OnBeginPrinting, OnPrint per
    // page (OnDraw with the printer's device context) and OnEndPrinting.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // Shows the Print dialog on the application's printer; FALSE when it is cancelled.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    void OnFilePrint();

    // A device context of the client area, valid until ReleaseDC.
    CDC* GetDC();
    int ReleaseDC(CDC* pDC);
    std::size_t OutstandingDCs() const { return m_dcs.size(); }

    // CWnd: the client area.
    void GetClientRect(LPRECT lpRect) const override;

    bool OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

    // The backing image, sized to the client area.
    const QImage& BackingImage() const { return m_image; }
    QImage& EnsureBackingImage();

    CDocument* m_pDocument = nullptr;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    CMDIChildWnd* m_pFrame = nullptr;
    QImage m_image;
    std::vector<std::unique_ptr<CDC>> m_dcs;
    bool m_destroyed = false;
};
