// Small helpers for pixel tests: the painted pixels of a surface as a set or as a picture.
#pragma once

#include <set>
#include <string>
#include <utility>

#include "drawing/RasterDC.h"

using PixelSet = std::set<std::pair<int, int>>;  // (x, y)

// The pixels whose colour differs from `background`.
inline PixelSet Painted(const RasterDC& dc, COLORREF background = RGB(255, 255, 255)) {
    PixelSet set;
    for (int y = 0; y < dc.Height(); ++y) {
        for (int x = 0; x < dc.Width(); ++x) {
            if (dc.GetPixel(x, y) != background)
                set.insert({x, y});
        }
    }
    return set;
}

// One line per row: '.' for white, '#' for black, 'o' for any other colour.
inline std::string Picture(const RasterDC& dc) {
    std::string s;
    for (int y = 0; y < dc.Height(); ++y) {
        for (int x = 0; x < dc.Width(); ++x) {
            const COLORREF c = dc.GetPixel(x, y);
            s += c == RGB(255, 255, 255) ? '.' : c == 0 ? '#' : 'o';
        }
        s += '\n';
    }
    return s;
}

// Rows of a picture, for readable expectations.
inline std::string Rows(std::initializer_list<const char*> rows) {
    std::string s;
    for (const char* r : rows)
        (s += r) += '\n';
    return s;
}
