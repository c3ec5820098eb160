// The automatic Y scale: a one-digit step per grid line and a bottom value that is a whole
// multiple of it, chosen from the extremes of the curve values.
#include <cmath>
#include <cstdint>

#include "diagram/Diagram.h"
#include "drawing/PixelMath.h"

namespace {

// Whole grid steps in the plot height. A zero pixel step leaves room for none.
int GridSteps(const RECT& plot, int stepPix) {
    if (stepPix == 0)
        return 0;
    const std::int64_t height = std::int64_t{plot.bottom} - plot.top;
    return SaturateToInt32(height / stepPix);
}

}  // namespace

void CDiagram::AutoScaleY() {
    if (m_aRows.IsEmpty())
        return;

    // The per-column extremes are folded with the same tests, in the same order, as the cells
    // themselves would be, so the result is that of folding every cell.
    const CellValues& values = Values();
    double max = -1e11;
    double min = 1e11;
    bool any = false;
    for (int i = 1; i < m_nColumns; ++i) {
        const CellValues::Extremes& e = values.ColumnExtremes(i);
        if (!e.any)
            continue;
        any = true;
        if (e.max > max)
            max = e.max;
        if (e.min < min)
            min = e.min;
    }
    // Without a single value the extremes mean nothing: keep the scale as it is.
    if (!any)
        return;

    const int n = GridSteps(m_rcPlot, m_nStepPixY);
    const double raw = (max - min) / n;

    const double lg = std::log10(raw);
    const int g = std::isfinite(lg) ? static_cast<int>(std::floor(lg)) : 0;
    const double p = g >= 0 ? std::pow(10.0, g) : 1.0 / std::pow(10.0, -g);

    const std::int32_t k = TruncToInt32(raw / p);
    double step = (static_cast<double>(k) + 1.0) * p;
    if (step == 0)
        step = p;
    m_dStepY = step;

    const double q = std::trunc(min / step);
    m_dMinY = q * step - step;
}
