#include "drawing/TraceDC.h"

TraceRecord TracingDC::Base(TraceRecord::Kind kind) const {
    TraceRecord r;
    r.kind = kind;
    r.penWidth = m_surface.PenWidth();
    r.penColor = m_surface.PenColor();
    r.centered = m_surface.TextCentered();
    r.fontHeight = m_surface.Font().lfHeight;
    r.fontWeight = m_surface.Font().lfWeight;
    return r;
}

BOOL TracingDC::LineTo(int x, int y) {
    TraceRecord r = Base(TraceRecord::Kind::kLine);
    r.a = m_surface.Position().x;
    r.b = m_surface.Position().y;
    r.c = x;
    r.d = y;
    m_sink.Record(r);
    return m_target.LineTo(x, y);
}

BOOL TracingDC::Rectangle(int x1, int y1, int x2, int y2) {
    TraceRecord r = Base(TraceRecord::Kind::kRect);
    r.a = x1;
    r.b = y1;
    r.c = x2;
    r.d = y2;
    r.color = m_surface.BrushColor();
    m_sink.Record(r);
    return m_target.Rectangle(x1, y1, x2, y2);
}

void TracingDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
    TraceRecord r = Base(TraceRecord::Kind::kFill);
    r.a = x;
    r.b = y;
    r.c = cx;
    r.d = cy;
    r.color = clr & 0x00FFFFFF;
    m_sink.Record(r);
    m_target.FillSolidRect(x, y, cx, cy, clr);
}

BOOL TracingDC::TextOut(int x, int y, LPCSTR lpszString, int nCount) {
    TraceRecord r = Base(TraceRecord::Kind::kText);
    r.a = x;
    r.b = y;
    r.color = m_surface.TextColor();
    r.text = CString(lpszString, nCount);
    m_sink.Record(r);
    return m_target.TextOut(x, y, lpszString, nCount);
}

BOOL TracingDC::GetTextExtentPoint32(LPCSTR lpszString, int nCount, LPSIZE lpSize) {
    CSize size;
    const BOOL ok = m_target.GetTextExtentPoint32(lpszString, nCount, &size);
    if (lpSize)
        *lpSize = size;
    TraceRecord r = Base(TraceRecord::Kind::kMeasure);
    r.a = size.cx;
    r.b = size.cy;
    r.text = CString(lpszString, nCount);
    m_sink.Record(r);
    return ok;
}

BOOL MeasuringDC::GetTextExtentPoint32(LPCSTR lpszString, int nCount, LPSIZE lpSize) {
    const std::string_view text(lpszString, nCount > 0 ? static_cast<std::size_t>(nCount) : 0);
    if (lpSize)
        *lpSize = m_metrics.Measure(Font(), text);
    return TRUE;
}
