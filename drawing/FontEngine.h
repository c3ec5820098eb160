// The fonts behind both surfaces: faces found through fontconfig and drawn with FreeType.
//
// A face such as "Arial Cyr" is first resolved the way the original platform's font-substitute
// table did (the suffix names a character set, not a design, and is dropped), then asked of
// fontconfig ("Arial" maps to the metric-compatible Liberation Sans). A positive height is the
// character cell height in pixels: the face's Windows ascent plus descent scaled to that many
// pixels. A text's box is its advance width by the cell height. Text bytes are decoded as UTF-8;
// a sequence that does not decode is drawn as U+FFFD.
#pragma once

#include "drawing/TextMetrics.h"

class FontEngine : public TextMetrics {
  public:
    // The process-wide engine; faces and glyph metrics are cached across surfaces.
    static FontEngine& Instance();

    CSize Measure(const LOGFONT& font, std::string_view text) override;
};
