#include "app/framework/WindowDC.h"

#include "app/framework/View.h"

CWindowDC::CWindowDC(CView* pView) : m_pView(pView) {}
CWindowDC::~CWindowDC() = default;

RasterDC& CWindowDC::Surface() const {
    QImage& image = m_pView->EnsureBackingImage();
    if (!m_surface || m_bits != image.constBits() || m_surface->Width() != image.width() ||
        m_surface->Height() != image.height()) {
        m_surface = std::make_unique<RasterDC>(reinterpret_cast<std::uint32_t*>(image.bits()),
                                               image.width(), image.height(),
                                               static_cast<int>(image.bytesPerLine() / 4));
        m_bits = image.constBits();
    }
    return *m_surface;
}

void CWindowDC::Touched() {
    m_pView->update();
}

CGdiObject* CWindowDC::GetCurrentObject(UINT nObjectType) const {
    return Surface().GetCurrentObject(nObjectType);
}

BOOL CWindowDC::LineTo(int x, int y) {
    Touched();
    return Surface().LineTo(x, y);
}

BOOL CWindowDC::Rectangle(int x1, int y1, int x2, int y2) {
    Touched();
    return Surface().Rectangle(x1, y1, x2, y2);
}

void CWindowDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
    Touched();
    Surface().FillSolidRect(x, y, cx, cy, clr);
}

BOOL CWindowDC::TextOut(int x, int y, LPCSTR lpszString, int nCount) {
    Touched();
    return Surface().TextOut(x, y, lpszString, nCount);
}
