// The pixel operations behind RasterDC, on a plain 32-bit image (0xffRRGGBB, rows top to
// bottom). Every operation clips to the image and costs nothing for parts outside it.
#pragma once

#include <cstdint>

#include "drawing/FontEngine.h"
#include "platform/Types.h"

struct Canvas {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;  // in pixels

    std::uint32_t* Row(int y) const noexcept {
        return pixels + static_cast<std::ptrdiff_t>(y) * stride;
    }
};

// The 0xffRRGGBB pixel of a colour, and back.
constexpr std::uint32_t PixelOf(COLORREF c) {
    return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}
constexpr COLORREF ColorOf(std::uint32_t pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

// Pixels left .. right - 1 by top .. bottom - 1 (an empty or inverted range paints nothing).
void FillRect(const Canvas& canvas, long long left, long long top, long long right,
              long long bottom, std::uint32_t pixel);

// The one-pixel line from (x0, y0) towards (x1, y1), end point excluded. Along the major axis
// (x when |dx| >= |dy|) step i = 0 .. n - 1 paints the minor coordinate
// minor0 + floor(i * dminor / n + 1/2): the exact line rounded, halves towards the larger
// coordinate, so a line and its reverse paint the same pixels apart from their ends. Clipping
// starts the walk at the first step on the image, so far-away ends cost nothing.
void DrawThinLine(const Canvas& canvas, int x0, int y0, int x1, int y1, std::uint32_t pixel);

// A line of a pen `width` (> 1) pixels wide with round ends: every pixel whose sample point lies
// within width / 2 of the segment. The sample point is the pixel's coordinate for odd widths and
// half a pixel right and down of it for even ones, so a horizontal line covers exactly `width`
// rows (y0 - width / 2 .. y0 + (width - 1) / 2).
void DrawWideLine(const Canvas& canvas, int x0, int y0, int x1, int y1, int width,
                  std::uint32_t pixel);

// Blends a glyph's coverage in the colour over the image, its pen position at (x, baseline).
void BlendGlyph(const Canvas& canvas, const Glyph& glyph, long long x, long long baseline,
                COLORREF color);
