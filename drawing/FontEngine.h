// The fonts behind both surfaces: faces found through fontconfig and drawn with FreeType.
//
// A face such as "Arial Cyr" is first resolved the way the original platform's font-substitute
// table did (the suffix names a character set, not a design, and is dropped), then asked of
// fontconfig ("Arial" maps to the metric-compatible Liberation Sans). A positive height is the
// character cell height in pixels: the face's Windows ascent plus descent scaled to that many
// pixels. A negative height is the em height; 0 stands for 16 pixels of cell. A text's box is its
// advance width by the cell height, with the baseline the scaled Windows ascent below its top.
// Glyphs are fully hinted and advance by whole pixels, without kerning. Text bytes are decoded
// as UTF-8; a byte that starts no valid sequence is drawn as U+FFFD.
//
// The engine is used from one thread (the viewer's user-interface thread, or a renderer).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "drawing/TextMetrics.h"

struct FT_LibraryRec_;

// One glyph rendered at one size: its advance and an 8-bit coverage bitmap placed relative to
// the pen position on the baseline.
struct Glyph {
    int advance = 0;
    int left = 0;  // columns from the pen position to the bitmap's first column
    int top = 0;   // rows from the bitmap's first row down to the baseline
    int width = 0;
    int rows = 0;
    std::vector<std::uint8_t> coverage;  // rows x width, 0 (none) .. 255 (full)
};

// A face at one size and weight, with its glyphs cached.
class FontFace {
  public:
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // The family and file that were opened; both empty when no font could be opened at all.
    const std::string& Family() const noexcept { return m_family; }
    const std::string& File() const noexcept { return m_file; }
    // Height of a text's box, and the baseline's distance from its top.
    int CellHeight() const noexcept { return m_cellHeight; }
    int Ascent() const noexcept { return m_ascent; }
    // How far any glyph's ink may reach outside a text's box, in pixels.
    int InkMargin() const noexcept { return m_inkMargin; }

    // Sum of the advances of the decoded text.
    int Measure(std::string_view text);
    // The glyph of a code point (the font's missing glyph when it has none).
    const Glyph& GetGlyph(char32_t codePoint);

    // Calls draw(glyph, penX) for each character of the text, penX counting from 0.
    template <class Draw>
    void ForEachGlyph(std::string_view text, Draw&& draw);

    // The code point that starts at text[pos], and where the next one starts: a byte that
    // starts no valid UTF-8 sequence is one U+FFFD.
    static char32_t Decode(std::string_view text, std::size_t& pos) noexcept;

  private:
    friend class FontEngine;
    struct Impl;
    FontFace() = default;
    Glyph Load(char32_t codePoint);

    std::unique_ptr<Impl> m_impl;  // the FreeType face, null when no font was found
    std::string m_family;
    std::string m_file;
    int m_cellHeight = 0;
    int m_ascent = 0;
    int m_inkMargin = 0;
    std::array<Glyph, 128> m_ascii;
    std::array<bool, 128> m_asciiLoaded{};
    std::unordered_map<char32_t, Glyph> m_others;
};

class FontEngine : public TextMetrics {
  public:
    // The process-wide engine; faces and glyph metrics are cached across surfaces.
    static FontEngine& Instance();

    FontEngine();
    ~FontEngine() override;
    FontEngine(const FontEngine&) = delete;
    FontEngine& operator=(const FontEngine&) = delete;

    CSize Measure(const LOGFONT& font, std::string_view text) override;

    // The face for the font's face name, height, weight and slant, opened on first use. The
    // reference stays valid until the next call of FaceFor.
    FontFace& FaceFor(const LOGFONT& font);

    // The family name asked of fontconfig for a face name: the name without a character-set
    // suffix ("Arial Cyr" -> "Arial").
    static std::string SubstituteFaceName(std::string_view faceName);

  private:
    struct Key {
        std::string name;
        LONG height;
        LONG weight;
        bool italic;
    };
    static bool Matches(const Key& key, const LOGFONT& font) noexcept;
    std::unique_ptr<FontFace> Open(const LOGFONT& font);

    FT_LibraryRec_* m_library = nullptr;  // the FreeType library (FT_Library)
    std::vector<std::pair<Key, std::unique_ptr<FontFace>>> m_faces;  // oldest first
    std::size_t m_last = 0;                                          // index of the last hit
};

template <class Draw>
void FontFace::ForEachGlyph(std::string_view text, Draw&& draw) {
    int penX = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const Glyph& glyph = GetGlyph(Decode(text, pos));
        draw(glyph, penX);
        penX += glyph.advance;
    }
}
