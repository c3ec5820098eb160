#include "drawing/TraceDC.h"

TraceRecord TraceDC::Base(TraceRecord::Kind kind) const {
    TraceRecord r;
    r.kind = kind;
    r.penWidth = PenWidth();
    r.penColor = PenColor();
    r.centered = TextCentered();
    r.fontHeight = Font().lfHeight;
    r.fontWeight = Font().lfWeight;
    return r;
}

BOOL TraceDC::LineTo(int x, int y) {
    TraceRecord r = Base(TraceRecord::Kind::kLine);
    r.a = Position().x;
    r.b = Position().y;
    r.c = x;
    r.d = y;
    m_sink.Record(r);
    SetPosition(x, y);
    return TRUE;
}

BOOL TraceDC::Rectangle(int x1, int y1, int x2, int y2) {
    TraceRecord r = Base(TraceRecord::Kind::kRect);
    r.a = x1;
    r.b = y1;
    r.c = x2;
    r.d = y2;
    r.color = BrushColor();
    m_sink.Record(r);
    return TRUE;
}

void TraceDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
    TraceRecord r = Base(TraceRecord::Kind::kFill);
    r.a = x;
    r.b = y;
    r.c = cx;
    r.d = cy;
    r.color = clr & 0x00FFFFFF;
    m_sink.Record(r);
}

BOOL TraceDC::TextOut(int x, int y, LPCSTR lpszString, int nCount) {
    TraceRecord r = Base(TraceRecord::Kind::kText);
    r.a = x;
    r.b = y;
    r.color = TextColor();
    r.text = CString(lpszString, nCount);
    m_sink.Record(r);
    return TRUE;
}

BOOL TraceDC::GetTextExtentPoint32(LPCSTR lpszString, int nCount, LPSIZE lpSize) {
    const std::string_view text(lpszString, nCount > 0 ? static_cast<std::size_t>(nCount) : 0);
    const CSize size = m_metrics.Measure(Font(), text);
    if (lpSize) *lpSize = size;
    TraceRecord r = Base(TraceRecord::Kind::kMeasure);
    r.a = size.cx;
    r.b = size.cy;
    r.text = CString(text);
    m_sink.Record(r);
    return TRUE;
}
