#include "drawing/FontEngine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "platform/String.h"

#if defined(__SANITIZE_ADDRESS__)
// fontconfig 2.14 loses a few bytes while it parses its configuration files, once per process;
// the leak checker is told so that it keeps reporting leaks of our own.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#endif

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr LONG kDefaultCellHeight = 16;
// Heights beyond this many pixels are drawn at this size: no text of the viewer comes near it,
// and it keeps a stray height from allocating huge glyph bitmaps.
constexpr LONG kMaxPixels = 2000;
constexpr std::size_t kMaxFaces = 64;

// Character-set suffixes of the original platform's font-substitute table ("Arial Cyr" was
// Arial with the Cyrillic character set, and so on).
constexpr std::string_view kCharsetSuffixes[] = {"Cyr", "CE", "Greek", "Baltic", "TUR"};

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

struct Match {
    std::string file;
    int index = 0;
    std::string family;
    bool embolden = false;
};

std::string PatternString(FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || !value)
        return {};
    return reinterpret_cast<const char*>(value);
}

Match Resolve(const std::string& family, LONG weight, bool italic) {
    Match m;
    FcPattern* pattern = FcPatternCreate();
    if (!pattern)
        return m;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(
        pattern, FC_WEIGHT,
        FcWeightFromOpenType(weight <= 0 ? FW_NORMAL : std::min<LONG>(weight, 1000)));
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!found)
        return m;
    m.file = PatternString(found, FC_FILE);
    m.family = PatternString(found, FC_FAMILY);
    int index = 0;
    if (FcPatternGetInteger(found, FC_INDEX, 0, &index) == FcResultMatch)
        m.index = index;
    FcBool embolden = FcFalse;
    if (FcPatternGetBool(found, FC_EMBOLDEN, 0, &embolden) == FcResultMatch) {
        m.embolden = embolden == FcTrue;
    }
    FcPatternDestroy(found);
    return m;
}

// Every font file fontconfig knows, for the last resort.
std::vector<Match> AllFonts() {
    std::vector<Match> all;
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_INDEX, FC_FAMILY, nullptr);
    FcFontSet* set = (pattern && objects) ? FcFontList(nullptr, pattern, objects) : nullptr;
    if (set) {
        for (int i = 0; i < set->nfont; ++i) {
            Match m;
            m.file = PatternString(set->fonts[i], FC_FILE);
            m.family = PatternString(set->fonts[i], FC_FAMILY);
            int index = 0;
            if (FcPatternGetInteger(set->fonts[i], FC_INDEX, 0, &index) == FcResultMatch) {
                m.index = index;
            }
            if (!m.file.empty())
                all.push_back(std::move(m));
        }
        FcFontSetDestroy(set);
    }
    if (objects)
        FcObjectSetDestroy(objects);
    if (pattern)
        FcPatternDestroy(pattern);
    return all;
}

}  // namespace

struct FontFace::Impl {
    FT_Face face = nullptr;
    bool embolden = false;
    ~Impl() {
        if (face)
            FT_Done_Face(face);
    }
};

FontFace::~FontFace() = default;

char32_t FontFace::Decode(std::string_view text, std::size_t& pos) noexcept {
    const auto* s = reinterpret_cast<const unsigned char*>(text.data() + pos);
    const std::size_t length = CharLength(text.data() + pos, text.size() - pos);
    pos += length;
    if (s[0] < 0x80)
        return s[0];
    if (length == 1)
        return kReplacement;
    char32_t cp = s[0] & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        cp = (cp << 6) | (s[i] & 0x3F);
    return cp;
}

const Glyph& FontFace::GetGlyph(char32_t codePoint) {
    if (codePoint < m_ascii.size()) {
        if (!m_asciiLoaded[codePoint]) {
            m_ascii[codePoint] = Load(codePoint);
            m_asciiLoaded[codePoint] = true;
        }
        return m_ascii[codePoint];
    }
    auto it = m_others.find(codePoint);
    if (it == m_others.end())
        it = m_others.emplace(codePoint, Load(codePoint)).first;
    return it->second;
}

int FontFace::Measure(std::string_view text) {
    long long width = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const auto b = static_cast<unsigned char>(text[pos]);
        if (b < 0x80 && m_asciiLoaded[b]) {
            width += m_ascii[b].advance;
            ++pos;
        } else {
            width += GetGlyph(Decode(text, pos)).advance;
        }
    }
    return static_cast<int>(std::min<long long>(width, INT_MAX));
}

Glyph FontFace::Load(char32_t codePoint) {
    Glyph glyph;
    if (!m_impl)
        return glyph;
    FT_Face face = m_impl->face;
    const FT_UInt index = FT_Get_Char_Index(face, codePoint);  // 0: the missing glyph
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0)
        return glyph;
    FT_GlyphSlot slot = face->glyph;
    if (m_impl->embolden)
        FT_GlyphSlot_Embolden(slot);
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (slot->format != FT_GLYPH_FORMAT_BITMAP &&
        FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) {
        return glyph;
    }
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.pixel_mode != FT_PIXEL_MODE_MONO) {
        return glyph;
    }
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.rows);
    const unsigned char* row = bitmap.buffer;
    if (bitmap.pitch < 0)
        row -= static_cast<std::ptrdiff_t>(bitmap.pitch) * (glyph.rows - 1);
    const int grays = bitmap.num_grays > 1 ? bitmap.num_grays - 1 : 255;
    for (int r = 0; r < glyph.rows; ++r, row += bitmap.pitch) {
        std::uint8_t* out = glyph.coverage.data() + static_cast<std::size_t>(r) * glyph.width;
        for (int c = 0; c < glyph.width; ++c) {
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                out[c] = (row[c >> 3] & (0x80 >> (c & 7))) ? 255 : 0;
            } else {
                out[c] = static_cast<std::uint8_t>(row[c] * 255 / grays);
            }
        }
    }
    return glyph;
}

FontEngine& FontEngine::Instance() {
    static FontEngine engine;
    return engine;
}

FontEngine::FontEngine() {
    if (FT_Init_FreeType(&m_library) != 0) {
        m_library = nullptr;
        return;
    }
    // The classic TrueType interpreter hints horizontally as well, so advances are the whole
    // pixels the original platform's text output used.
    FT_UInt version = TT_INTERPRETER_VERSION_35;
    FT_Property_Set(m_library, "truetype", "interpreter-version", &version);
}

FontEngine::~FontEngine() {
    m_faces.clear();
    if (m_library)
        FT_Done_FreeType(m_library);
}

std::string FontEngine::SubstituteFaceName(std::string_view faceName) {
    std::string_view name = TrimSpaces(faceName);
    const std::size_t space = name.rfind(' ');
    if (space != std::string_view::npos) {
        const std::string_view suffix = name.substr(space + 1);
        for (std::string_view charset : kCharsetSuffixes) {
            if (EqualsIgnoreCase(suffix, charset)) {
                name = TrimSpaces(name.substr(0, space));
                break;
            }
        }
    }
    return name.empty() ? std::string("sans-serif") : std::string(name);
}

bool FontEngine::Matches(const Key& key, const LOGFONT& font) noexcept {
    return key.height == font.lfHeight && key.weight == font.lfWeight &&
           key.italic == (font.lfItalic != 0) &&
           key.name == std::string_view(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE));
}

FontFace& FontEngine::FaceFor(const LOGFONT& font) {
    if (m_last < m_faces.size() && Matches(m_faces[m_last].first, font)) {
        return *m_faces[m_last].second;
    }
    for (std::size_t i = 0; i < m_faces.size(); ++i) {
        if (Matches(m_faces[i].first, font)) {
            m_last = i;
            return *m_faces[i].second;
        }
    }
    if (m_faces.size() == kMaxFaces)
        m_faces.erase(m_faces.begin());
    Key key{std::string(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE)), font.lfHeight,
            font.lfWeight, font.lfItalic != 0};
    m_faces.emplace_back(std::move(key), Open(font));
    m_last = m_faces.size() - 1;
    return *m_faces.back().second;
}

std::unique_ptr<FontFace> FontEngine::Open(const LOGFONT& font) {
    std::unique_ptr<FontFace> result(new FontFace());
    FontFace& out = *result;
    const LONG height = font.lfHeight == 0
                            ? kDefaultCellHeight
                            : std::clamp<LONG>(font.lfHeight, -kMaxPixels, kMaxPixels);
    out.m_cellHeight = height > 0 ? height : -height;
    out.m_ascent = out.m_cellHeight * 4 / 5;
    if (!m_library)
        return result;

    // The face as named, then any sans face, then any face at all.
    FT_Face face = nullptr;
    Match chosen;
    auto tryOpen = [&](const Match& m) {
        if (m.file.empty())
            return false;
        if (FT_New_Face(m_library, m.file.c_str(), m.index, &face) != 0) {
            face = nullptr;
            return false;
        }
        chosen = m;
        return true;
    };
    const bool italic = font.lfItalic != 0;
    if (!tryOpen(Resolve(SubstituteFaceName(font.lfFaceName), font.lfWeight, italic)) &&
        !tryOpen(Resolve("sans-serif", font.lfWeight, italic))) {
        for (const Match& m : AllFonts()) {
            if (tryOpen(m))
                break;
        }
    }
    if (!face)
        return result;
    out.m_impl = std::make_unique<FontFace::Impl>();
    out.m_impl->face = face;
    out.m_impl->embolden = chosen.embolden;
    out.m_family = chosen.family.empty() && face->family_name ? face->family_name : chosen.family;
    out.m_file = chosen.file;

    // Windows ascent and descent in font units, with fallbacks for faces without them.
    double units = face->units_per_EM;
    double winAscent = face->ascender;
    double winDescent = -face->descender;
    if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        winAscent = os2->usWinAscent;
        winDescent = os2->usWinDescent;
    }
    if (!FT_IS_SCALABLE(face) || units <= 0 || winAscent + winDescent <= 0) {
        // A bitmap face: take the strike nearest to the height and its own metrics.
        if (face->num_fixed_sizes > 0) {
            int best = 0;
            for (int i = 1; i < face->num_fixed_sizes; ++i) {
                if (std::abs(face->available_sizes[i].height - out.m_cellHeight) <
                    std::abs(face->available_sizes[best].height - out.m_cellHeight)) {
                    best = i;
                }
            }
            FT_Select_Size(face, best);
        } else {
            FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(out.m_cellHeight));
        }
        out.m_ascent =
            std::clamp(static_cast<int>(face->size->metrics.ascender >> 6), 0, out.m_cellHeight);
        out.m_inkMargin = out.m_cellHeight + 2;
        return result;
    }
    double emPixels;
    if (height > 0) {
        emPixels = height * units / (winAscent + winDescent);
        out.m_ascent = static_cast<int>(std::lround(winAscent * height / (winAscent + winDescent)));
    } else {
        emPixels = -height;
        out.m_ascent = static_cast<int>(std::lround(winAscent * emPixels / units));
        out.m_cellHeight =
            out.m_ascent + static_cast<int>(std::lround(winDescent * emPixels / units));
    }
    FT_Set_Char_Size(face, 0, std::max<FT_F26Dot6>(1, std::lround(emPixels * 64)), 72, 72);
    const double reach = std::max({std::abs(static_cast<double>(face->bbox.xMin)),
                                   std::abs(static_cast<double>(face->bbox.xMax)),
                                   std::abs(static_cast<double>(face->bbox.yMin)),
                                   std::abs(static_cast<double>(face->bbox.yMax))});
    out.m_inkMargin = static_cast<int>(std::ceil(reach * emPixels / units)) + 2;
    return result;
}

CSize FontEngine::Measure(const LOGFONT& font, std::string_view text) {
    FontFace& face = FaceFor(font);
    return CSize(face.Measure(text), face.CellHeight());
}
