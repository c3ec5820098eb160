// TraceDC: a surface that draws nothing and records every drawing call of a pass. It answers
// text-extent queries from the metrics it is given (the same metrics as the raster surface, or
// fixed ones in tests) and records each query with its answer.
#pragma once

#include "drawing/Surface.h"
#include "drawing/TextMetrics.h"
#include "drawing/Trace.h"

class TraceDC : public SurfaceDC {
public:
    TraceDC(TraceSink& sink, TextMetrics& metrics) : m_sink(sink), m_metrics(metrics) {}

    BOOL LineTo(int x, int y) override;
    BOOL Rectangle(int x1, int y1, int x2, int y2) override;
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) override;
    BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount) override;
    BOOL GetTextExtentPoint32(LPCSTR lpszString, int nCount, LPSIZE lpSize) override;
    using CDC::TextOut;

private:
    TraceRecord Base(TraceRecord::Kind kind) const;

    TraceSink& m_sink;
    TextMetrics& m_metrics;
};

// Metrics with fixed widths, for tests: every byte is `charWidth` wide, the height is the font's
// height.
class FixedTextMetrics : public TextMetrics {
public:
    explicit FixedTextMetrics(int charWidth = 7) : m_charWidth(charWidth) {}
    CSize Measure(const LOGFONT& font, std::string_view text) override {
        return CSize(static_cast<LONG>(text.size()) * m_charWidth, font.lfHeight);
    }

private:
    int m_charWidth;
};
