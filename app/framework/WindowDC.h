// The device context of a view's window: a raster surface on the view's backing image. Every
// drawing call schedules a repaint, which puts the image on screen. A fresh surface is made when
// the image has been reallocated (after a resize), so the context stays valid however long it is
// held.
#pragma once

#include <memory>

#include "drawing/DC.h"
#include "drawing/RasterDC.h"

class CView;

class CWindowDC : public CDC {
  public:
    explicit CWindowDC(CView* pView);
    ~CWindowDC() override;

    CPen* SelectObject(CPen* pPen) override { return Surface().SelectObject(pPen); }
    CFont* SelectObject(CFont* pFont) override { return Surface().SelectObject(pFont); }
    CGdiObject* GetCurrentObject(UINT nObjectType) const override;
    UINT SetTextAlign(UINT nFlags) override { return Surface().SetTextAlign(nFlags); }
    COLORREF SetTextColor(COLORREF crColor) override { return Surface().SetTextColor(crColor); }
    POINT MoveTo(int x, int y) override { return Surface().MoveTo(x, y); }
    BOOL LineTo(int x, int y) override;
    BOOL Rectangle(int x1, int y1, int x2, int y2) override;
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) override;
    BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount) override;
    BOOL GetTextExtentPoint32(LPCSTR lpszString, int nCount, LPSIZE lpSize) override {
        return Surface().GetTextExtentPoint32(lpszString, nCount, lpSize);
    }
    using CDC::TextOut;

  private:
    RasterDC& Surface() const;
    void Touched();

    CView* m_pView;
    mutable std::unique_ptr<RasterDC> m_surface;
    mutable const void* m_bits = nullptr;
};
