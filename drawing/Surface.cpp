#include "drawing/Surface.h"

#include <cstring>

LOGFONT SurfaceDC::DefaultFont() {
    LOGFONT lf{};
    lf.lfHeight = 16;
    lf.lfWeight = FW_NORMAL;
    std::strcpy(lf.lfFaceName, "Arial");
    return lf;
}

SurfaceDC::SurfaceDC() : m_pen(&m_stockPen), m_fontObject(&m_stockFont) {
    m_stockPen.CreatePen(PS_SOLID, 1, 0);
    const LOGFONT lf = DefaultFont();
    m_stockFont.CreateFontIndirect(&lf);
    m_font = lf;
}

CPen* SurfaceDC::SelectObject(CPen* pPen) {
    if (!pPen || !pPen->HasObject())
        return nullptr;  // nothing selected, nothing to give back
    CPen* previous = m_pen;
    m_pen = pPen;
    m_penWidth = pPen->GetWidth();
    m_penColor = pPen->GetColor();
    return previous;
}

CFont* SurfaceDC::SelectObject(CFont* pFont) {
    if (!pFont || !pFont->HasObject())
        return nullptr;
    CFont* previous = m_fontObject;
    m_fontObject = pFont;
    m_font = pFont->GetLogFont();
    return previous;
}

CGdiObject* SurfaceDC::GetCurrentObject(UINT nObjectType) const {
    if (nObjectType == OBJ_PEN)
        return m_pen;
    if (nObjectType == OBJ_FONT)
        return m_fontObject;
    return nullptr;
}

UINT SurfaceDC::SetTextAlign(UINT nFlags) {
    UINT previous = m_textAlign;
    m_textAlign = nFlags;
    return previous;
}

COLORREF SurfaceDC::SetTextColor(COLORREF crColor) {
    COLORREF previous = m_textColor;
    m_textColor = crColor & 0x00FFFFFF;
    return previous;
}

POINT SurfaceDC::MoveTo(int x, int y) {
    const POINT previous = Position();
    SetPosition(x, y);
    return previous;
}
