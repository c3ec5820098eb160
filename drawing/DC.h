// CDC: the drawing surface the diagram draws on. One small interface with several real
// implementations: RasterDC (pixels), TraceDC (a text record of the calls) and ForwardingDC (passes
// every call on, so a test can override one).
//
// Coordinates are integer device units, y growing downward. A surface holds the current pen,
// font, text colour, text alignment and line position; each stays until changed. A fresh surface
// has a black one-pixel pen, a white brush, black text, top-left alignment and an opaque white
// text background.
#pragma once

#include "drawing/Gdi.h"
#include "platform/String.h"
#include "platform/Types.h"

class CDC {
  public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

    // Makes the object current and returns the previous one (never null: the surface's own stock
    // objects are current at first). The surface copies the object's description; the object must
    // still outlive its selection, since it may be handed back by a later selection.
    virtual CPen* SelectObject(CPen* pPen) = 0;
    virtual CFont* SelectObject(CFont* pFont) = 0;
    // The current pen (OBJ_PEN) or font (OBJ_FONT); null for any other type.
    virtual CGdiObject* GetCurrentObject(UINT nObjectType) const = 0;

    // Return the previous value.
    virtual UINT SetTextAlign(UINT nFlags) = 0;
    virtual COLORREF SetTextColor(COLORREF crColor) = 0;

    // Moves the line position; returns the previous one.
    virtual POINT MoveTo(int x, int y) = 0;
    // A line in the current pen from the line position to (x, y), which itself is not painted;
    // (x, y) becomes the line position.
    virtual BOOL LineTo(int x, int y) = 0;
    // Outline in the current pen inside the rectangle (right and bottom excluded), interior
    // filled with the current brush.
    virtual BOOL Rectangle(int x1, int y1, int x2, int y2) = 0;
    // Pixels x .. x + cx - 1 by y .. y + cy - 1 in one colour; no pen, no brush.
    virtual void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) = 0;
    // Text in the current font, colour and alignment; its box is filled with the text background.
    virtual BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount) = 0;
    BOOL TextOut(int x, int y, const CString& str) {
        return TextOut(x, y, str.GetString(), str.GetLength());
    }
    // Width and height of the text in the current font.
    virtual BOOL GetTextExtentPoint32(LPCSTR lpszString, int nCount, LPSIZE lpSize) = 0;
    CSize GetTextExtent(const CString& str) {
        CSize size;
        GetTextExtentPoint32(str.GetString(), str.GetLength(), &size);
        return size;
    }
};

// Passes every call on to another surface. Derive from it to change one call in a test.
class ForwardingDC : public CDC {
  public:
    explicit ForwardingDC(CDC& target) : m_target(target) {}

    CPen* SelectObject(CPen* pPen) override { return m_target.SelectObject(pPen); }
    CFont* SelectObject(CFont* pFont) override { return m_target.SelectObject(pFont); }
    CGdiObject* GetCurrentObject(UINT nObjectType) const override {
        return m_target.GetCurrentObject(nObjectType);
    }
    UINT SetTextAlign(UINT nFlags) override { return m_target.SetTextAlign(nFlags); }
    COLORREF SetTextColor(COLORREF crColor) override { return m_target.SetTextColor(crColor); }
    POINT MoveTo(int x, int y) override { return m_target.MoveTo(x, y); }
    BOOL LineTo(int x, int y) override { return m_target.LineTo(x, y); }
    BOOL Rectangle(int x1, int y1, int x2, int y2) override {
        return m_target.Rectangle(x1, y1, x2, y2);
    }
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) override {
        m_target.FillSolidRect(x, y, cx, cy, clr);
    }
    BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount) override {
        return m_target.TextOut(x, y, lpszString, nCount);
    }
    BOOL GetTextExtentPoint32(LPCSTR lpszString, int nCount, LPSIZE lpSize) override {
        return m_target.GetTextExtentPoint32(lpszString, nCount, lpSize);
    }
    using CDC::TextOut;

  protected:
    CDC& m_target;
};
