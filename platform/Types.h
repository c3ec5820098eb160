// Basic value types of the platform layer: integer aliases, colours, points, sizes and rectangles.
#pragma once

#include <cstddef>
#include <cstdint>

using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;
using BYTE = std::uint8_t;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using INT_PTR = std::ptrdiff_t;
using LPCSTR = const char*;
using LPCTSTR = const char*;

// A 24-bit colour: red in the low byte, green in the next, blue in the third.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>(static_cast<BYTE>(r)) |
           (static_cast<COLORREF>(static_cast<BYTE>(g)) << 8) |
           (static_cast<COLORREF>(static_cast<BYTE>(b)) << 16);
}
constexpr BYTE GetRValue(COLORREF c) {
    return static_cast<BYTE>(c);
}
constexpr BYTE GetGValue(COLORREF c) {
    return static_cast<BYTE>(c >> 8);
}
constexpr BYTE GetBValue(COLORREF c) {
    return static_cast<BYTE>(c >> 16);
}

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};
using LPSIZE = SIZE*;

struct CSize : SIZE {
    constexpr CSize() = default;
    constexpr CSize(LONG w, LONG h) : SIZE{w, h} {}
    friend constexpr bool operator==(const CSize& a, const CSize& b) {
        return a.cx == b.cx && a.cy == b.cy;
    }
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
    friend constexpr bool operator==(const RECT& a, const RECT& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};
using LPRECT = RECT*;

// Grows the rectangle by dx on the left and right and dy on the top and bottom; negative amounts
// shrink it. Nothing is clamped: a rectangle can become empty or inverted.
inline void InflateRect(RECT* rc, int dx, int dy) {
    rc->left -= dx;
    rc->right += dx;
    rc->top -= dy;
    rc->bottom += dy;
}

class CRect : public RECT {
  public:
    constexpr CRect() = default;
    constexpr CRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}
    constexpr CRect(const RECT& rc) : RECT(rc) {}  // NOLINT: implicit like the original type
    constexpr LONG Width() const { return right - left; }
    constexpr LONG Height() const { return bottom - top; }
    void InflateRect(int dx, int dy) { ::InflateRect(this, dx, dy); }
    void DeflateRect(int dx, int dy) { ::InflateRect(this, -dx, -dy); }
};
