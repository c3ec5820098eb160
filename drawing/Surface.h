// SurfaceDC: the state every real surface keeps (current pen, font, brush, text colour, text
// alignment, line position) and the selection rules, shared by RasterDC and TraceDC. Subclasses
// draw; this class only remembers.
#pragma once

#include <cstdint>

#include "drawing/DC.h"

class SurfaceDC : public CDC {
  public:
    SurfaceDC();

    CPen* SelectObject(CPen* pPen) override;
    CFont* SelectObject(CFont* pFont) override;
    CGdiObject* GetCurrentObject(UINT nObjectType) const override;
    UINT SetTextAlign(UINT nFlags) override;
    COLORREF SetTextColor(COLORREF crColor) override;
    POINT MoveTo(int x, int y) override;
    using CDC::TextOut;

    // The description of what is current, copied at selection.
    int PenWidth() const noexcept { return m_penWidth; }
    COLORREF PenColor() const noexcept { return m_penColor; }
    COLORREF BrushColor() const noexcept { return m_brushColor; }
    COLORREF TextColor() const noexcept { return m_textColor; }
    UINT TextAlign() const noexcept { return m_textAlign; }
    bool TextCentered() const noexcept { return (m_textAlign & TA_CENTER) == TA_CENTER; }
    const LOGFONT& Font() const noexcept { return m_font; }
    POINT Position() const noexcept {
        return POINT{static_cast<LONG>(static_cast<std::uint32_t>(m_position)),
                     static_cast<LONG>(static_cast<std::uint32_t>(m_position >> 32))};
    }

    // The stock objects current on a fresh surface: a black one-pixel pen and the default font
    // (Arial, 16 pixels, normal weight).
    static LOGFONT DefaultFont();

  protected:
    void SetPosition(int x, int y) noexcept {
        m_position = static_cast<std::uint32_t>(x) | std::uint64_t{static_cast<std::uint32_t>(y)}
                                                         << 32;
    }

  private:
    CPen m_stockPen;
    CFont m_stockFont;
    CPen* m_pen;
    CFont* m_fontObject;
    int m_penWidth = 1;
    COLORREF m_penColor = 0;
    COLORREF m_brushColor = 0xFFFFFF;
    COLORREF m_textColor = 0;
    UINT m_textAlign = TA_LEFT | TA_TOP;
    LOGFONT m_font;
    // The line position as one word: written and read whole, so a read right after a write is
    // forwarded from the store instead of stalling on two half-width stores (a drawing pass
    // alternates MoveTo and LineTo millions of times).
    std::uint64_t m_position = 0;
};
