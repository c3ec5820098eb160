#include "app/framework/View.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "app/framework/DocTemplate.h"
#include "app/framework/Document.h"
#include "app/framework/MDIFrame.h"
#include "app/framework/Printing.h"
#include "app/framework/Resource.h"
#include "app/framework/WinApp.h"
#include "app/framework/WindowDC.h"
#include "drawing/RasterDC.h"

namespace {

const CommandEntry<CView> kCommands[] = {
    {ID_FILE_PRINT, &CView::OnFilePrint},
};

}  // namespace

CView::CView() {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

CView::~CView() {
    m_dcs.clear();
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

bool CView::Create(CMDIChildWnd* pParentFrame, CCreateContext* pContext) {
    m_pFrame = pParentFrame;
    CREATESTRUCT cs;
    cs.lpCreateParams = pContext;
    if (!PreCreateWindow(cs))
        return false;
    return OnCreate(&cs) != -1;
}

void CView::DestroyWindow() {
    if (!m_destroyed) {
        m_destroyed = true;
        OnDestroy();
    }
    delete this;
}

BOOL CView::PreCreateWindow(CREATESTRUCT&) {
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    CCreateContext* context = lpCreateStruct ? lpCreateStruct->lpCreateParams : nullptr;
    if (!context || !context->m_pCurrentDoc)
        return -1;
    context->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy() {}

void CView::OnInitialUpdate() {
    update();
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) {
    return DoPreparePrinting(pInfo);
}
void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}
void CView::OnPrint(CDC* pDC, CPrintInfo*) {
    OnDraw(pDC);
}
void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo) {
    QPrinter& printer = AfxGetApp()->GetPrinter();
    pInfo->m_pPrinter = &printer;
    QPrintDialog dialog(&printer, window());
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted ? TRUE : FALSE;
}

void CView::OnFilePrint() {
    CPrintInfo info;
    if (!OnPreparePrinting(&info))
        return;
    QPainter painter;
    if (!painter.begin(info.m_pPrinter))
        return;
    {
        CPrinterDC dc(painter);
        OnBeginPrinting(&dc, &info);
        // Without a page count the job is one page.
        const UINT last = info.GetMaxPage() == 0xFFFF ? info.GetMinPage() : info.GetMaxPage();
        for (info.m_nCurPage = info.GetMinPage(); info.m_nCurPage <= last; ++info.m_nCurPage) {
            if (info.m_nCurPage > info.GetMinPage())
                info.m_pPrinter->newPage();
            CPrinterDC page(painter);
            OnPrint(&page, &info);
        }
        OnEndPrinting(&dc, &info);
    }
    painter.end();
}

CDC* CView::GetDC() {
    m_dcs.push_back(std::make_unique<CWindowDC>(this));
    return m_dcs.back().get();
}

int CView::ReleaseDC(CDC* pDC) {
    auto it =
        std::find_if(m_dcs.begin(), m_dcs.end(), [pDC](const auto& p) { return p.get() == pDC; });
    if (it == m_dcs.end())
        return 0;
    m_dcs.erase(it);
    return 1;
}

void CView::GetClientRect(LPRECT lpRect) const {
    *lpRect = RECT{0, 0, width(), height()};
}

QImage& CView::EnsureBackingImage() {
    const QSize wanted(std::max(1, width()), std::max(1, height()));
    if (m_image.size() != wanted) {
        m_image = QImage(wanted, QImage::Format_RGB32);
        m_image.fill(Qt::white);
    }
    return m_image;
}

void CView::paintEvent(QPaintEvent*) {
    QImage& image = EnsureBackingImage();
    {
        RasterDC dc(reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
                    static_cast<int>(image.bytesPerLine() / 4));
        OnDraw(&dc);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

void CView::resizeEvent(QResizeEvent*) {
    EnsureBackingImage();
    update();
}

bool CView::OnCmdMsg(UINT nID, CCmdUI* pCmdUI) {
    return DispatchCommand(this, kCommands, nID, pCmdUI) || CCmdTarget::OnCmdMsg(nID, pCmdUI);
}
