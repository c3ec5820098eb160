// The outer frame and the tick marks along the bottom and left edges of the plot area.
#include <cstdint>

#include "diagram/Diagram.h"
#include "drawing/PixelMath.h"

void CDiagram::DrawFrame() {
    if (!m_bShowFrame)
        return;
    // Without a window there is nothing to fit to; the frame keeps its value.
    if (m_bFitToWindow && m_pWnd) {
        RECT rc;
        m_pWnd->GetClientRect(&rc);
        InflateRect(&rc, -m_nBorder, -m_nBorder);
        m_rcFrame = rc;
    }
    m_pDC->Rectangle(m_rcFrame.left, m_rcFrame.top, m_rcFrame.right, m_rcFrame.bottom);
}

void CDiagram::DrawTicks() {
    const int t = m_nTicks;
    // No subdivisions: nothing to draw (a negative count has none either).
    if (t <= 0)
        return;
    // Wide arithmetic: no quotient or position below can overflow, whatever the members hold.
    const std::int64_t Sx = m_nStepPixX;
    const std::int64_t Sy = m_nStepPixY;
    const std::int64_t dx = Sx / t;
    if (dx < 5)
        return;

    const std::int64_t L = m_rcPlot.left;
    const std::int64_t T = m_rcPlot.top;
    const std::int64_t R = m_rcPlot.right;
    const std::int64_t B = m_rcPlot.bottom;
    CDC& dc = *m_pDC;

    // Sx >= 5 t here. Positions grow with (i, j), so within a step the first one at or beyond R
    // ends that step.
    const std::int64_t stepsX = (R - L) / Sx;
    for (std::int64_t i = 0; i <= stepsX; ++i) {
        for (int j = 0; j < t; ++j) {
            if (i == 0 && j == 0)
                continue;
            const std::int64_t x = L + i * Sx + j * dx;
            if (x >= R)
                break;
            dc.MoveTo(static_cast<int>(x), SaturateToInt32(B - 1));
            dc.LineTo(static_cast<int>(x), SaturateToInt32(B - 6));
        }
    }

    const std::int64_t dy = Sy / t;
    if (dy < 5)
        return;
    const std::int64_t stepsY = (B - T) / Sy;
    for (std::int64_t i = 0; i <= stepsY; ++i) {
        for (int j = 0; j < t; ++j) {
            if (i == 0 && j == 0)
                continue;
            const std::int64_t y = B - i * Sy - j * dy;
            if (y <= T)
                break;
            dc.MoveTo(SaturateToInt32(L + 1), static_cast<int>(y));
            dc.LineTo(SaturateToInt32(L + 6), static_cast<int>(y));
        }
    }
}
