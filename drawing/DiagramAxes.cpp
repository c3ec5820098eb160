// The plot area and everything in it but the curves: the plot rectangle, the X grid with its
// labels and caption, the Y grid with its numbers, the title and the legend.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "diagram/Diagram.h"
#include "drawing/PixelMath.h"
#include "drawing/Select.h"

namespace {

// Room for any double printed without decimals (DBL_MAX has 309 digits).
constexpr std::size_t kNumberBuffer = 400;

// Draws the value formatted with a printf format at (x, y).
void DrawNumber(CDC& dc, int x, int y, const char* format, double value) {
    char text[kNumberBuffer];
    const int length = std::snprintf(text, sizeof text, format, value);
    dc.TextOut(x, y, text, length);
}

// Byte length of the first nChars characters of a NUL-terminated name.
int FirstCharsLength(const char* name, int nChars) {
    const std::size_t size = std::strlen(name);
    std::size_t i = 0;
    for (int c = 0; c < nChars && i < size; ++c)
        i += CharLength(name + i, size - i);
    return static_cast<int>(i);
}

int MidX(const RECT& rc) {
    return static_cast<int>(rc.left + (std::int64_t{rc.right} - rc.left) / 2);
}

// X axis without rows: numbered grid lines every m_nStepPixX pixels, none at the left edge.
void DrawNumberedXAxis(CDiagram& d, CDC& dc) {
    const RECT& rc = d.m_rcPlot;
    d.DrawTicks();
    const std::int64_t S = d.m_nStepPixX;
    const std::int64_t n = S == 0 ? 0 : (std::int64_t{rc.right} - rc.left) / S;
    for (std::int64_t i = 1; i <= n; ++i) {
        const int x = SaturateToInt32(rc.left + i * S);
        dc.MoveTo(x, rc.bottom - 1);
        dc.LineTo(x, d.m_bGridX ? rc.top : rc.bottom + 4);
        DrawNumber(dc, x, rc.bottom + 4, "%6.f", static_cast<double>(i) * d.m_dStepX + d.m_dMinX);
    }
}

// X axis with rows: one grid line or stub per row, the caption, and the labels thinned by their
// running width. A label's text is fetched and measured only when it is drawn.
void DrawRowXAxis(CDiagram& d, CDC& dc) {
    const RECT& rc = d.m_rcPlot;
    const INT_PTR N = d.m_aRows.GetSize();

    if (d.m_nColumns != 0) {
        const char* caption = d.m_aStyles[0].szName;
        SelectGuard<CFont> font(dc, &d.m_fontCaption);
        dc.TextOut(MidX(rc), d.m_rcFrame.bottom - 20, caption,
                   static_cast<int>(std::strlen(caption)));
        font.Restore();
    }

    const std::int64_t width = std::int64_t{rc.right} - rc.left;
    std::int64_t step = N == 1 ? width : width / (N - 1);
    if (step == 0)
        step = 1;
    d.m_nStepPixX = SaturateToInt32(step);

    d.DrawTicks();

    const std::int64_t S = d.m_nStepPixX;
    std::int64_t P = rc.left;  // running sum of the drawn labels' spacing
    for (INT_PTR i = 0; i < N; ++i) {
        const int x = SaturateToInt32(rc.left + i * S);
        dc.MoveTo(x, rc.bottom - 1);
        dc.LineTo(x, d.m_bGridX && i > 0 ? rc.top : rc.bottom + 4);
        if (i == 0 || x > P) {
            dc.MoveTo(x, rc.bottom);
            dc.LineTo(x, rc.bottom + 5);
            const CString& label = d.m_aRows[i]->GetAt(0);
            dc.TextOut(x, rc.bottom + 4, label);
            const CSize size = dc.GetTextExtent(label);
            P += static_cast<std::int64_t>(static_cast<double>(size.cx) * 1.5);
        }
    }
}

// Y axis: numbered lines every m_nStepPixY pixels upward from the bottom edge.
void DrawYAxis(CDiagram& d, CDC& dc) {
    const RECT& rc = d.m_rcPlot;
    const std::int64_t S = d.m_nStepPixY;
    const std::int64_t n = S == 0 ? 0 : (std::int64_t{rc.bottom} - rc.top) / S;
    for (std::int64_t i = 0; i <= n; ++i) {
        const int y = SaturateToInt32(rc.bottom - i * S);
        if (i > 0) {
            dc.MoveTo(rc.left, y);
            dc.LineTo(d.m_bGridY ? rc.right : rc.left - 5, y);
        }
        DrawNumber(dc, rc.left - 15, y - 7, "%4.f",
                   static_cast<double>(i) * d.m_dStepY + d.m_dMinY);
    }
}

}  // namespace

void CDiagram::DrawAxes() {
    CDC& dc = *m_pDC;

    m_nLegendWidth = m_bShowLegend ? 100 : m_nBorder;
    RECT plot = m_rcFrame;
    InflateRect(&plot, -m_nMargin, -m_nMargin);
    plot.right -= m_nLegendWidth;
    m_rcPlot = plot;
    const int L = plot.left, T = plot.top, R = plot.right, B = plot.bottom;

    // The rectangle takes the pen and brush found on the surface.
    dc.Rectangle(L, T, R, B);

    SelectGuard<CFont> font(dc, &m_fontSmall);
    dc.SetTextAlign(TA_CENTER);
    dc.SetTextColor(m_crText);
    SelectGuard<CPen> pen(dc, &m_penGrid);

    if (m_aRows.IsEmpty()) {
        DrawNumberedXAxis(*this, dc);
    } else {
        DrawRowXAxis(*this, dc);
    }
    if (m_bAutoScaleY)
        AutoScaleY();
    DrawYAxis(*this, dc);

    font.Restore();
    pen.Restore();

    if (!m_strTitle.IsEmpty()) {
        SelectGuard<CFont> title(dc, &m_fontTitle);
        dc.SetTextAlign(TA_CENTER);
        dc.SetTextColor(m_crTitle);
        dc.TextOut(MidX(plot), m_rcFrame.top + m_nMargin / 4, m_strTitle);
        title.Restore();
    }

    // The legend pens are released only after the pen found here is selected again: the guards
    // are declared after them, so they also end first when a pen creation throws part-way.
    std::vector<std::unique_ptr<CPen>> pens;
    KeepCurrentPen entryPen(dc);
    std::optional<SelectGuard<CFont>> legendFont;
    if (m_bShowLegend) {
        dc.SetTextAlign(TA_LEFT);
        legendFont.emplace(dc, &m_fontSmall);
        const int width = SaturatingAdd(m_nLineWidth, 1);
        for (int c = 1; c < m_nColumns; ++c) {
            const SeriesStyle& style = m_aStyles[c];
            const int y = SaturateToInt32(T + std::int64_t{20} * c);
            pens.push_back(std::make_unique<CPen>(PS_SOLID, width, style.crColor));
            dc.SelectObject(pens.back().get());
            dc.MoveTo(R + 10, y);
            dc.LineTo(R + 30, y);
            dc.TextOut(R + 40, y - 5, style.szName, FirstCharsLength(style.szName, 15));
        }
    }
    entryPen.Restore();
    if (legendFont)
        legendFont->Restore();
    pens.clear();
}
