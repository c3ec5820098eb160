// Text measurement, shared by the surfaces: the raster surface and the trace surface answer
// text-extent queries from the same metrics.
#pragma once

#include <string_view>

#include "drawing/Gdi.h"
#include "platform/Types.h"

class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    // Width (advance) and height (character cell) of the bytes of text in the font.
    virtual CSize Measure(const LOGFONT& font, std::string_view text) = 0;
};
