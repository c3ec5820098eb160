// Surfaces that record a drawing pass.
//
// TracingDC records every drawing call it passes on to another surface, with that surface's
// state (pen, font, colour, alignment) at the time of the call: the renderer draws pixels and a
// trace in one pass with it. TraceDC is the same over a surface that paints nothing and answers
// text-extent queries from the metrics it is given (the raster surface's, or fixed ones in tests).
// A text-extent query is recorded with its answer.
#pragma once

#include "drawing/Surface.h"
#include "drawing/TextMetrics.h"
#include "drawing/Trace.h"

class TracingDC : public ForwardingDC {
  public:
    TracingDC(TraceSink& sink, SurfaceDC& target)
        : ForwardingDC(target), m_sink(sink), m_surface(target) {}

    BOOL LineTo(int x, int y) override;
    BOOL Rectangle(int x1, int y1, int x2, int y2) override;
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) override;
    BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount) override;
    BOOL GetTextExtentPoint32(LPCSTR lpszString, int nCount, LPSIZE lpSize) override;
    using CDC::TextOut;

  private:
    TraceRecord Base(TraceRecord::Kind kind) const;

    TraceSink& m_sink;
    SurfaceDC& m_surface;
};

// A surface that keeps the state, paints nothing and measures text with the given metrics.
class MeasuringDC : public SurfaceDC {
  public:
    explicit MeasuringDC(TextMetrics& metrics) : m_metrics(metrics) {}
    BOOL LineTo(int x, int y) override {
        SetPosition(x, y);
        return TRUE;
    }
    BOOL Rectangle(int, int, int, int) override { return TRUE; }
    void FillSolidRect(int, int, int, int, COLORREF) override {}
    BOOL TextOut(int, int, LPCSTR, int) override { return TRUE; }
    BOOL GetTextExtentPoint32(LPCSTR lpszString, int nCount, LPSIZE lpSize) override;
    using CDC::TextOut;

  private:
    TextMetrics& m_metrics;
};

namespace trace_detail {
// Holds the measuring surface so that it exists before the tracing base that refers to it.
struct MeasuringHolder {
    explicit MeasuringHolder(TextMetrics& metrics) : measuring(metrics) {}
    MeasuringDC measuring;
};
}  // namespace trace_detail

class TraceDC : private trace_detail::MeasuringHolder, public TracingDC {
  public:
    TraceDC(TraceSink& sink, TextMetrics& metrics)
        : MeasuringHolder(metrics), TracingDC(sink, measuring) {}
    // The state of the surface (current pen, font, ...), for tests.
    const SurfaceDC& Surface() const noexcept { return measuring; }
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
