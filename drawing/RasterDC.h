// RasterDC: a surface on an in-memory 32-bit image (0xffRRGGBB per pixel, rows top to bottom,
// the layout of QImage::Format_RGB32), with exact line, rectangle, fill and text semantics.
// Everything is clipped to the image.
//
// Pens of width 1 or less draw one-pixel lines without their end point (see DrawThinLine);
// wider pens draw solid lines with round ends, so consecutive lines join round. A rectangle is
// taken with its corners in either order; one with no width or no height draws nothing. Its
// interior and outline cover left .. right - 1 by top .. bottom - 1, the outline drawn on those
// edge pixels (a wide pen centred on them). Text is drawn through FontEngine: its box (advance
// width by cell height, top at y, left at x or centred on x) is filled white, then the glyphs are
// blended over it in the text colour.
#pragma once

#include <cstdint>
#include <memory>

#include "drawing/Raster.h"
#include "drawing/Surface.h"

class RasterDC : public SurfaceDC {
  public:
    // A surface that owns a white image of the given size.
    RasterDC(int width, int height);
    // A surface on someone else's image (the viewer's backing image): stride is in pixels.
    RasterDC(std::uint32_t* pixels, int width, int height, int stride);
    ~RasterDC() override;

    int Width() const noexcept { return m_width; }
    int Height() const noexcept { return m_height; }
    int Stride() const noexcept { return m_stride; }
    const std::uint32_t* Pixels() const noexcept { return m_pixels; }
    // The colour at (x, y) as a COLORREF; (x, y) must lie on the image.
    COLORREF GetPixel(int x, int y) const noexcept;

    BOOL LineTo(int x, int y) override;
    BOOL Rectangle(int x1, int y1, int x2, int y2) override;
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) override;
    BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount) override;
    BOOL GetTextExtentPoint32(LPCSTR lpszString, int nCount, LPSIZE lpSize) override;
    using CDC::TextOut;

  private:
    BOOL DrawLine(POINT from, int x, int y);
    Canvas Image() const noexcept { return Canvas{m_pixels, m_width, m_height, m_stride}; }

    std::unique_ptr<std::uint32_t[]> m_owned;
    std::uint32_t* m_pixels;
    int m_width;
    int m_height;
    int m_stride;
};
