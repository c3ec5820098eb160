#include "drawing/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

using Wide = __int128;  // the clip arithmetic multiplies two 33-bit quantities by 2

Wide FloorDiv(Wide a, Wide b) {  // b > 0
    Wide q = a / b;
    if (a % b != 0 && a < 0)
        --q;
    return q;
}
Wide CeilDiv(Wide a, Wide b) {
    return -FloorDiv(-a, b);
}

// One row's pixels from .. to - 1, already known to lie on the row's y.
void FillRow(const Canvas& canvas, int y, long long from, long long to, std::uint32_t pixel) {
    from = std::max(from, 0LL);
    to = std::min<long long>(to, canvas.width);
    if (from < to)
        std::fill(canvas.Row(y) + from, canvas.Row(y) + to, pixel);
}

void FillColumn(const Canvas& canvas, int x, long long from, long long to, std::uint32_t pixel) {
    from = std::max(from, 0LL);
    to = std::min<long long>(to, canvas.height);
    if (from >= to)
        return;
    std::uint32_t* p = canvas.Row(static_cast<int>(from)) + x;
    for (long long n = to - from; n > 0; --n, p += canvas.stride)
        *p = pixel;
}

}  // namespace

void FillRect(const Canvas& canvas, long long left, long long top, long long right,
              long long bottom, std::uint32_t pixel) {
    top = std::max(top, 0LL);
    bottom = std::min<long long>(bottom, canvas.height);
    for (long long y = top; y < bottom; ++y)
        FillRow(canvas, static_cast<int>(y), left, right, pixel);
}

void DrawThinLine(const Canvas& canvas, int x0, int y0, int x1, int y1, std::uint32_t pixel) {
    if (canvas.width <= 0 || canvas.height <= 0)
        return;
    const long long dx = static_cast<long long>(x1) - x0;
    const long long dy = static_cast<long long>(y1) - y0;
    if (dy == 0) {
        if (dx == 0 || y0 < 0 || y0 >= canvas.height)
            return;
        if (dx > 0) {
            FillRow(canvas, y0, x0, x1, pixel);
        } else {
            FillRow(canvas, y0, static_cast<long long>(x1) + 1, static_cast<long long>(x0) + 1,
                    pixel);
        }
        return;
    }
    if (dx == 0) {
        if (x0 < 0 || x0 >= canvas.width)
            return;
        if (dy > 0) {
            FillColumn(canvas, x0, y0, y1, pixel);
        } else {
            FillColumn(canvas, x0, static_cast<long long>(y1) + 1, static_cast<long long>(y0) + 1,
                       pixel);
        }
        return;
    }

    // Name the axes major (a) and minor (b): step i paints a = a0 + sa * i and
    // b = b0 + floor((2 * i * db + n) / (2 * n)) for i = 0 .. n - 1.
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long a0 = xMajor ? x0 : y0;
    const long long b0 = xMajor ? y0 : x0;
    const long long da = xMajor ? dx : dy;
    const long long db = xMajor ? dy : dx;
    const long long aSize = xMajor ? canvas.width : canvas.height;
    const long long bSize = xMajor ? canvas.height : canvas.width;
    const long long n = std::llabs(da);
    const int sa = da > 0 ? 1 : -1;

    // The steps whose a lies on the image.
    Wide first = 0;
    Wide last = n - 1;
    if (sa > 0) {
        first = std::max<Wide>(first, -a0);
        last = std::min<Wide>(last, aSize - 1 - a0);
    } else {
        first = std::max<Wide>(first, a0 - (aSize - 1));
        last = std::min<Wide>(last, a0);
    }
    if (first > last)
        return;

    // ... and whose b does too: b is monotonic in i, so both limits are one division each.
    const Wide twoN = Wide(2) * n;
    const Wide qLow = -b0;              // b >= 0
    const Wide qHigh = bSize - 1 - b0;  // b <= bSize - 1
    const long long m = std::llabs(db);
    if (db > 0) {
        first = std::max(first, CeilDiv(twoN * qLow - n, Wide(2) * m));
        last = std::min(last, FloorDiv(twoN * (qHigh + 1) - n - 1, Wide(2) * m));
    } else {
        last = std::min(last, FloorDiv(n - twoN * qLow, Wide(2) * m));
        first = std::max(first, CeilDiv(n + 1 - twoN * (qHigh + 1), Wide(2) * m));
    }
    if (first > last)
        return;

    // Start the walk at step `first`; the error counts up to 2n in both minor directions.
    const Wide t = Wide(2) * first * db + n;
    const Wide q = FloorDiv(t, twoN);
    const long long remainder = static_cast<long long>(t - q * twoN);  // 0 .. 2n - 1
    const long long a = a0 + sa * static_cast<long long>(first);
    const long long b = b0 + static_cast<long long>(q);
    const long long limit = 2 * n;
    const long long increment = 2 * m;
    long long error = db > 0 ? remainder : limit - 1 - remainder;

    const std::ptrdiff_t stride = canvas.stride;
    const std::ptrdiff_t majorStep = xMajor ? sa : sa * stride;
    const std::ptrdiff_t minorStep = xMajor ? (db > 0 ? stride : -stride) : (db > 0 ? 1 : -1);
    std::uint32_t* p =
        xMajor ? canvas.Row(static_cast<int>(b)) + a : canvas.Row(static_cast<int>(a)) + b;
    for (long long count = static_cast<long long>(last - first) + 1;;) {
        *p = pixel;
        if (--count == 0)
            break;
        p += majorStep;
        error += increment;
        if (error >= limit) {
            error -= limit;
            p += minorStep;
        }
    }
}

void DrawWideLine(const Canvas& canvas, int x0, int y0, int x1, int y1, int width,
                  std::uint32_t pixel) {
    const double r = width / 2.0;
    const double o = width % 2 == 0 ? 0.5 : 0.0;  // sample point offset
    const double ax = x0, ay = y0, bx = x1, by = y1;
    const double dx = bx - ax, dy = by - ay;
    const double length2 = dx * dx + dy * dy;
    const double rLength = r * std::sqrt(length2);

    // Pixel range of the shape's bounding box on the image.
    auto clampTo = [](double v, long long lo, long long hi) {
        return static_cast<long long>(
            std::clamp<double>(v, static_cast<double>(lo), static_cast<double>(hi)));
    };
    const long long left = clampTo(std::ceil(std::min(ax, bx) - r - o), 0, canvas.width);
    const long long right = clampTo(std::floor(std::max(ax, bx) + r - o), -1, canvas.width - 1);
    const long long top = clampTo(std::ceil(std::min(ay, by) - r - o), 0, canvas.height);
    const long long bottom = clampTo(std::floor(std::max(ay, by) + r - o), -1, canvas.height - 1);
    if (left > right)
        return;

    constexpr double kInf = std::numeric_limits<double>::infinity();
    for (long long py = top; py <= bottom; ++py) {
        const double y = static_cast<double>(py) + o;
        double lo = kInf, hi = -kInf;
        // The two end discs.
        for (const auto& [cx, cy] : {std::pair{ax, ay}, std::pair{bx, by}}) {
            const double e = y - cy;
            const double h2 = r * r - e * e;
            if (h2 >= 0) {
                const double h = std::sqrt(h2);
                lo = std::min(lo, cx - h);
                hi = std::max(hi, cx + h);
            }
        }
        // The band between them: 0 <= (P - A).d <= |d|^2 and |(P - A) x d| <= r |d|, each a
        // range of u = X - ax on this row.
        if (length2 > 0) {
            const double e = y - ay;
            double uLo = -kInf, uHi = kInf;
            bool possible = true;
            auto limit = [&](double k, double p, double q) {  // p <= u * k <= q
                if (k > 0) {
                    uLo = std::max(uLo, p / k);
                    uHi = std::min(uHi, q / k);
                } else if (k < 0) {
                    uLo = std::max(uLo, q / k);
                    uHi = std::min(uHi, p / k);
                } else if (p > 0 || q < 0) {
                    possible = false;
                }
            };
            limit(dx, -e * dy, length2 - e * dy);
            limit(dy, e * dx - rLength, e * dx + rLength);
            if (possible && uLo <= uHi) {
                lo = std::min(lo, ax + uLo);
                hi = std::max(hi, ax + uHi);
            }
        }
        if (lo > hi)
            continue;
        const long long from = clampTo(std::ceil(lo - o), left, right + 1);
        const long long to = clampTo(std::floor(hi - o), left - 1, right);
        if (from <= to)
            FillRow(canvas, static_cast<int>(py), from, to + 1, pixel);
    }
}

void BlendGlyph(const Canvas& canvas, const Glyph& glyph, long long x, long long baseline,
                COLORREF color) {
    const long long left = x + glyph.left;
    const long long top = baseline - glyph.top;
    const long long c0 = std::max(0LL, -left);
    const long long c1 = std::min<long long>(glyph.width, canvas.width - left);
    const long long r0 = std::max(0LL, -top);
    const long long r1 = std::min<long long>(glyph.rows, canvas.height - top);
    if (c0 >= c1 || r0 >= r1)
        return;
    const std::uint32_t solid = PixelOf(color);
    const unsigned sr = GetRValue(color), sg = GetGValue(color), sb = GetBValue(color);
    for (long long r = r0; r < r1; ++r) {
        const std::uint8_t* cover = glyph.coverage.data() + r * glyph.width;
        std::uint32_t* out = canvas.Row(static_cast<int>(top + r)) + left;
        for (long long c = c0; c < c1; ++c) {
            const unsigned a = cover[c];
            if (a == 0)
                continue;
            if (a == 255) {
                out[c] = solid;
                continue;
            }
            const std::uint32_t d = out[c];
            auto mix = [a](unsigned s, unsigned t) { return (t * (255 - a) + s * a + 127) / 255; };
            out[c] = 0xFF000000u | (mix(sr, (d >> 16) & 0xFF) << 16) |
                     (mix(sg, (d >> 8) & 0xFF) << 8) | mix(sb, d & 0xFF);
        }
    }
}
