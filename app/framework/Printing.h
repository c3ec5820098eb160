// Printing: the print job's description (CPrintInfo) and the printer's device context, a surface
// that draws with QPainter on the printer in logical units of one printer dot. Text is measured
// with the same font engine as on screen, so a page is laid out as the window is.
#pragma once

#include <QFont>

#include "drawing/Surface.h"

class QPainter;
class QPrinter;

class CPrintInfo {
  public:
    void SetMinPage(UINT nMinPage) { m_nMinPage = nMinPage; }
    void SetMaxPage(UINT nMaxPage) { m_nMaxPage = nMaxPage; }
    UINT GetMinPage() const { return m_nMinPage; }
    // 0xFFFF while no page count is set: then one page is printed.
    UINT GetMaxPage() const { return m_nMaxPage; }

    BOOL m_bPreview = FALSE;
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    QPrinter* m_pPrinter = nullptr;

  private:
    UINT m_nMinPage = 1;
    UINT m_nMaxPage = 0xFFFF;
};

class CPrinterDC : public SurfaceDC {
  public:
    explicit CPrinterDC(QPainter& painter);

    BOOL LineTo(int x, int y) override;
    BOOL Rectangle(int x1, int y1, int x2, int y2) override;
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) override;
    BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount) override;
    BOOL GetTextExtentPoint32(LPCSTR lpszString, int nCount, LPSIZE lpSize) override;
    using CDC::TextOut;

    // The Qt font that draws text of the given description with the given cell height in dots.
    static QFont QtFont(const LOGFONT& lf, QPainter& painter);

  private:
    QPainter& m_painter;
};
