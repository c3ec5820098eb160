// RasterDC: a surface on an in-memory 32-bit image (0xffRRGGBB per pixel, rows top to bottom,
// the layout of QImage::Format_RGB32), with exact line, rectangle, fill and text semantics.
// Everything is clipped to the image.
#pragma once

#include <cstdint>
#include <memory>

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
    std::unique_ptr<std::uint32_t[]> m_owned;
    std::uint32_t* m_pixels;
    int m_width;
    int m_height;
    int m_stride;
};
