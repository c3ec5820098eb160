// The drawing pass and the curves.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "diagram/Diagram.h"
#include "drawing/PixelMath.h"
#include "drawing/Select.h"
#include "platform/Exceptions.h"

namespace {

// Pixel row of a value: B - trunc(v * P / s) + trunc(m * P / s), where the second truncation
// (of m * P / s) is passed in already taken. Both truncations are 64-bit, so data far from 0
// with a small step keeps its resolution; only the final sum is brought into the int range.
inline std::int32_t ValueRow(double v, int P, double s, std::int32_t B, std::int64_t bottomShift) {
    const double q = v * P / s;
    // The common case, a quotient well inside 64 bits and a shift likewise: the sum cannot
    // overflow, and only its clamp to the int range remains. NaN fails the test and takes the
    // general path.
    constexpr double kNear = 4.0e18;
    if (q > -kNear && q < kNear && bottomShift > -(std::int64_t{1} << 61) &&
        bottomShift < (std::int64_t{1} << 61)) {
        return SaturateToInt32(std::int64_t{B} - static_cast<std::int64_t>(q) + bottomShift);
    }
    return SaturatedSum(B, TruncToInt64(q), bottomShift);
}

}  // namespace

void CDiagram::Draw(CDC* pDC) {
    m_pDC = pDC;
    DrawFrame();
    DrawAxes();

    // The curve pens live until the pen found after the axes has been selected again: the guard
    // is declared after them, so it also ends first when a pen creation throws part-way.
    std::vector<std::unique_ptr<CPen>> pens;
    KeepCurrentPen afterAxes(*pDC);
    if (m_nColumns > 1)
        pens.reserve(static_cast<std::size_t>(m_nColumns - 1));
    for (int i = 1; i < m_nColumns; ++i) {
        const COLORREF color = m_aStyles[i].crColor;
        pens.push_back(std::make_unique<CPen>(PS_SOLID, m_nLineWidth, color));
        pDC->SelectObject(pens.back().get());
        DrawCurve(i);
    }
    afterAxes.Restore();
    pens.clear();
}

void CDiagram::DrawCurve(int nColumn) {
    const INT_PTR N = m_aRows.GetSize();
    if (N == 0)
        return;
    // Column 0 holds the labels and is never a curve; a column beyond the cells is the array's
    // invalid-argument error.
    if (nColumn < 1 || nColumn >= m_nColumns)
        throw CInvalidArgException();

    const CellValues& values = Values();
    const std::int32_t L = m_rcPlot.left;
    const std::int32_t T = m_rcPlot.top;
    const std::int32_t B = m_rcPlot.bottom;
    const std::int64_t S = m_nStepPixX;
    const int P = m_nStepPixY;
    const double s = m_dStepY;
    const std::int64_t bottomShift = TruncToInt64(m_dMinY * P / s);
    const bool marks = m_bShowMarks;
    const int z = marks ? m_aStyles[nColumn].nMarkSize : 0;
    const int h = z / 2;

    CDC& dc = *m_pDC;
    const auto inside = [T, B](std::int32_t y) { return y >= T && y <= B; };

    // Row 0 starts from the value 0 at the left edge. The pixel rows of a run of values are
    // worked out first, in a tight loop the processor can overlap, then the run is drawn.
    constexpr std::size_t kChunk = 2048;
    std::int32_t rows[kChunk];
    std::int32_t prevX = L;
    std::int32_t prevY = ValueRow(0.0, P, s, B, bottomShift);
    const auto count = static_cast<std::size_t>(N);
    bool atPrevious = false;  // the surface's line position is (prevX, prevY)
    for (std::size_t first = 0; first < count;) {
        std::size_t n = 0;
        const double* v = values.Run(nColumn, first, n);
        n = std::min({n, count - first, kChunk});
        for (std::size_t i = 0; i < n; ++i)
            rows[i] = ValueRow(v[i], P, s, B, bottomShift);
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t c = first + i;
            const std::int32_t x = SaturateToInt32(L + static_cast<std::int64_t>(c) * S);
            const std::int32_t y = rows[i];
            if (inside(prevY) && inside(y)) {
                if (c >= 1) {
                    // After the previous segment the line position is already its end.
                    if (!atPrevious)
                        dc.MoveTo(prevX, prevY);
                    dc.LineTo(x, y);
                    atPrevious = true;
                }
                if (marks) {
                    dc.FillSolidRect(SaturateToInt32(std::int64_t{x} - h),
                                     SaturateToInt32(std::int64_t{y} - h), z, z, RGB(0, 0, 0));
                }
            } else {
                atPrevious = false;
            }
            prevX = x;
            prevY = y;
        }
        first += n;
    }
}
