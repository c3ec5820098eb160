#include "drawing/RasterDC.h"

#include <algorithm>
#include <string_view>

#include "drawing/FontEngine.h"

namespace {
constexpr COLORREF kTextBackground = RGB(255, 255, 255);  // the opaque text background
}  // namespace

RasterDC::RasterDC(int width, int height)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)), m_stride(m_width) {
    const std::size_t count = static_cast<std::size_t>(m_width) * m_height;
    m_owned = std::make_unique<std::uint32_t[]>(count);
    std::fill_n(m_owned.get(), count, PixelOf(RGB(255, 255, 255)));
    m_pixels = m_owned.get();
}

RasterDC::RasterDC(std::uint32_t* pixels, int width, int height, int stride)
    : m_pixels(pixels),
      m_width(pixels ? std::max(width, 0) : 0),
      m_height(pixels ? std::max(height, 0) : 0),
      m_stride(stride) {}

RasterDC::~RasterDC() = default;

COLORREF RasterDC::GetPixel(int x, int y) const noexcept {
    return ColorOf(m_pixels[static_cast<std::ptrdiff_t>(y) * m_stride + x]);
}

BOOL RasterDC::LineTo(int x, int y) {
    const POINT from = Position();
    SetPosition(x, y);
    // Every painted pixel lies in the box of the two ends, widened by half a wide pen: most
    // lines of a pass over a long file lie wholly right of the image and end here, without a
    // call.
    const int width = PenWidth();
    if (width <= 1) {
        if (std::min(from.x, x) >= m_width || std::max(from.x, x) < 0 ||
            std::min(from.y, y) >= m_height || std::max(from.y, y) < 0) {
            return TRUE;
        }
    } else {
        const long long reach = width / 2 + 1;
        if (std::min(from.x, x) - reach >= m_width || std::max(from.x, x) + reach < 0 ||
            std::min(from.y, y) - reach >= m_height || std::max(from.y, y) + reach < 0) {
            return TRUE;
        }
    }
    return DrawLine(from, x, y);
}

BOOL RasterDC::DrawLine(POINT from, int x, int y) {
    const int width = PenWidth();
    if (width > 1) {
        DrawWideLine(Image(), from.x, from.y, x, y, width, PixelOf(PenColor()));
    } else {
        DrawThinLine(Image(), from.x, from.y, x, y, PixelOf(PenColor()));
    }
    return TRUE;
}

BOOL RasterDC::Rectangle(int x1, int y1, int x2, int y2) {
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    if (left == right || top == bottom)
        return TRUE;
    const Canvas image = Image();
    FillRect(image, left, top, right, bottom, PixelOf(BrushColor()));
    const std::uint32_t pen = PixelOf(PenColor());
    const int width = PenWidth();
    if (width <= 1) {
        FillRect(image, left, top, right, top + 1LL, pen);
        FillRect(image, left, bottom - 1LL, right, bottom, pen);
        FillRect(image, left, top, left + 1LL, bottom, pen);
        FillRect(image, right - 1LL, top, right, bottom, pen);
        return TRUE;
    }
    const POINT corners[] = {
        {left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
    for (int i = 0; i < 4; ++i) {
        const POINT a = corners[i], b = corners[(i + 1) % 4];
        DrawWideLine(image, a.x, a.y, b.x, b.y, width, pen);
    }
    return TRUE;
}

void RasterDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
    FillRect(Image(), x, y, static_cast<long long>(x) + cx, static_cast<long long>(y) + cy,
             PixelOf(clr));
}

BOOL RasterDC::TextOut(int x, int y, LPCSTR lpszString, int nCount) {
    if (nCount < 0 || (!lpszString && nCount > 0))
        return FALSE;
    if (nCount == 0)
        return TRUE;
    const std::string_view text(lpszString, static_cast<std::size_t>(nCount));
    FontFace& face = FontEngine::Instance().FaceFor(Font());
    const long long width = face.Measure(text);
    const long long height = face.CellHeight();
    const long long left = TextCentered() ? x - width / 2 : x;
    const long long margin = face.InkMargin();
    if (left + width + margin <= 0 || left - margin >= m_width || y + height + margin <= 0 ||
        y - margin >= m_height) {
        return TRUE;
    }
    const Canvas image = Image();
    FillRect(image, left, y, left + width, y + height, PixelOf(kTextBackground));
    const long long baseline = static_cast<long long>(y) + face.Ascent();
    const COLORREF color = TextColor();
    face.ForEachGlyph(text, [&](const Glyph& glyph, int penX) {
        BlendGlyph(image, glyph, left + penX, baseline, color);
    });
    return TRUE;
}

BOOL RasterDC::GetTextExtentPoint32(LPCSTR lpszString, int nCount, LPSIZE lpSize) {
    if (nCount < 0 || (!lpszString && nCount > 0) || !lpSize)
        return FALSE;
    const std::string_view text(lpszString ? lpszString : "", static_cast<std::size_t>(nCount));
    *lpSize = FontEngine::Instance().Measure(Font(), text);
    return TRUE;
}
