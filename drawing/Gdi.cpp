#include "drawing/Gdi.h"

#include "platform/Exceptions.h"

namespace {
int g_penCreationsLeft = -1;
}  // namespace

void CPen::SetCreationLimit(int n) noexcept {
    g_penCreationsLeft = n;
}

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) {
    if (!CreatePen(nPenStyle, nWidth, crColor))
        throw CResourceException();
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    if (g_penCreationsLeft == 0)
        return FALSE;
    if (g_penCreationsLeft > 0)
        --g_penCreationsLeft;
    m_style = nPenStyle;
    m_width = nWidth;
    m_color = crColor & 0x00FFFFFF;
    m_created = true;
    return TRUE;
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
    if (!lpLogFont)
        return FALSE;
    m_logFont = *lpLogFont;
    m_logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    m_created = true;
    return TRUE;
}
