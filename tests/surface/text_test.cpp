// Fonts and text: face resolution, cell metrics, text boxes, anchors and undecodable bytes.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "drawing/FontEngine.h"
#include "drawing/RasterDC.h"
#include "drawing/TraceDC.h"
#include "tests/surface/SurfaceTestUtil.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

LOGFONT Font(const char* face, LONG height, LONG weight = FW_NORMAL) {
    LOGFONT lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

int Width(const LOGFONT& lf, std::string_view text) {
    return FontEngine::Instance().Measure(lf, text).cx;
}

// A surface with a font of the diagram's kind selected.
struct TextSurface {
    explicit TextSurface(int width, int height, LONG fontHeight = 14) : dc(width, height) {
        const LOGFONT lf = Font("Arial Cyr", fontHeight);
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
    }
    CSize Extent(const std::string& text) {
        CSize size;
        EXPECT_TRUE(dc.GetTextExtentPoint32(text.data(), static_cast<int>(text.size()), &size));
        return size;
    }
    CFont font;
    RasterDC dc;
};

}  // namespace

TEST(FontEngineTest, CharacterSetSuffixesAreDropped) {
    const std::pair<const char*, const char*> cases[] = {
        {"Arial Cyr", "Arial"},
        {"Arial CE", "Arial"},
        {"Arial Greek", "Arial"},
        {"Arial Baltic", "Arial"},
        {"Arial TUR", "Arial"},
        {"arial cyr", "arial"},
        {"Times New Roman Cyr", "Times New Roman"},
        {"Courier New Cyr", "Courier New"},
        {"Arial Cyr ", "Arial"},
        {"Arial", "Arial"},
        {"Arial Black", "Arial Black"},
        {"Cyr", "Cyr"},
        {"", "sans-serif"},
    };
    for (const auto& [face, family] : cases) {
        EXPECT_EQ(FontEngine::SubstituteFaceName(face), family) << face;
    }
}

TEST(FontEngineTest, FacesResolveToTheMetricCompatibleFamilies) {
    FontEngine& engine = FontEngine::Instance();
    const std::pair<const char*, const char*> cases[] = {
        {"Arial Cyr", "Liberation Sans"},
        {"Times New Roman Cyr", "Liberation Serif"},
        {"Courier New Cyr", "Liberation Mono"},
    };
    for (const auto& [face, family] : cases) {
        EXPECT_EQ(engine.FaceFor(Font(face, 14)).Family(), family) << face;
    }
    const FontFace& regular = engine.FaceFor(Font("Arial Cyr", 14));
    EXPECT_NE(regular.File().find("LiberationSans-Regular"), std::string::npos) << regular.File();
    const FontFace& bold = engine.FaceFor(Font("Arial Cyr", 18, FW_BOLD));
    EXPECT_NE(bold.File().find("LiberationSans-Bold"), std::string::npos) << bold.File();
    EXPECT_GT(Width(Font("Arial Cyr", 14, FW_BOLD), "Temperature"),
              Width(Font("Arial Cyr", 14), "Temperature"));
}

TEST(FontEngineTest, CellHeightFollowsTheWindowsAscentAndDescent) {
    // Liberation Sans: 2048 units per em, Windows ascent 1854 and descent 434.
    struct Case {
        LONG height;
        int cell;
        int ascent;
    };
    const Case cases[] = {
        {14, 14, 11},   // 1854 * 14 / 2288 = 11.3
        {16, 16, 13},   // 12.96
        {18, 18, 15},   // 14.59
        {-14, 16, 13},  // an em of 14: ascent 12.67, descent 2.97
        {0, 16, 13},    // the default height
    };
    for (const Case& c : cases) {
        const FontFace& face = FontEngine::Instance().FaceFor(Font("Arial Cyr", c.height));
        EXPECT_EQ(face.CellHeight(), c.cell) << c.height;
        EXPECT_EQ(face.Ascent(), c.ascent) << c.height;
        EXPECT_EQ(FontEngine::Instance().Measure(Font("Arial Cyr", c.height), "Ag").cy, c.cell);
    }
}

TEST(FontEngineTest, AdvancesAreWholePixelsAddedWithoutKerning) {
    const LOGFONT lf = Font("Arial Cyr", 14);
    for (std::string_view text : {"AV", "To", "Wa", "r.", "1.5"}) {
        int sum = 0;
        for (char c : text)
            sum += Width(lf, std::string_view(&c, 1));
        EXPECT_EQ(Width(lf, text), sum) << text;
    }
    // Digits share one advance, so numbers of equal length are equally wide.
    EXPECT_EQ(Width(lf, "0123456789"), 10 * Width(lf, "0"));
    EXPECT_GT(Width(lf, "0"), 0);
}

TEST(FontEngineTest, UndecodableBytesMeasureAsReplacementCharacters) {
    const LOGFONT lf = Font("Arial Cyr", 14);
    const int replacement = Width(lf, "\xEF\xBF\xBD");
    ASSERT_GT(replacement, 0);
    EXPECT_EQ(Width(lf, "\xff"), replacement);
    EXPECT_EQ(Width(lf, "a\xe2\x82"), Width(lf, "a") + 2 * replacement) << "a cut sequence";
    EXPECT_EQ(Width(lf, "\xc0\xaf"), 2 * replacement) << "an overlong sequence";
    EXPECT_EQ(Width(lf, "\xed\xa0\x80"), 3 * replacement) << "a surrogate";
    EXPECT_EQ(Width(lf, "\xd0\x96"), Width(lf, "\xd0\x96")) << "a valid sequence";
    EXPECT_NE(Width(lf, "\xd0\x96"), replacement);
}

TEST(FontEngineTest, UnknownFacesFallBackToSomeFace) {
    const FontFace& face = FontEngine::Instance().FaceFor(Font("No Such Face Anywhere Cyr", 14));
    EXPECT_FALSE(face.Family().empty());
    EXPECT_EQ(face.CellHeight(), 14);
    EXPECT_GT(Width(Font("No Such Face Anywhere Cyr", 14), "abc"), 0);
    // Heights far beyond any screen are limited, not allocated.
    EXPECT_LE(FontEngine::Instance().FaceFor(Font("Arial", INT_MAX)).CellHeight(), 2000);
    EXPECT_LE(FontEngine::Instance().FaceFor(Font("Arial", INT_MIN)).CellHeight(), 3000);
}

TEST(TextOutTest, FillsItsBoxWhiteAndDrawsInsideIt) {
    TextSurface s(80, 30);
    s.dc.FillSolidRect(0, 0, 80, 30, kRed);
    const std::string text = "Hx 12";
    const CSize size = s.Extent(text);
    EXPECT_EQ(size.cy, 14);
    EXPECT_EQ(size.cx, Width(Font("Arial Cyr", 14), text));
    ASSERT_TRUE(s.dc.TextOut(5, 6, CString(text.c_str())));
    bool ink = false;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 80; ++x) {
            const bool inBox = x >= 5 && x < 5 + size.cx && y >= 6 && y < 6 + size.cy;
            const COLORREF c = s.dc.GetPixel(x, y);
            if (!inBox) {
                EXPECT_EQ(c, kRed) << x << "," << y;
                continue;
            }
            EXPECT_NE(c, kRed) << "the box is filled, at " << x << "," << y;
            // Glyphs blend black over white: greys only.
            EXPECT_TRUE(GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c))
                << x << "," << y;
            ink = ink || c == 0;
        }
    }
    EXPECT_TRUE(ink) << "fully covered pixels are in the text colour";
}

TEST(TextOutTest, TextColourBlendsOverTheWhiteBackground) {
    TextSurface s(60, 20);
    s.dc.SetTextColor(RGB(0, 0, 255));
    s.dc.TextOut(2, 2, CString("Hello"));
    bool solid = false, partial = false;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 60; ++x) {
            const COLORREF c = s.dc.GetPixel(x, y);
            EXPECT_TRUE(GetBValue(c) == 255 && GetRValue(c) == GetGValue(c)) << x << "," << y;
            solid = solid || c == RGB(0, 0, 255);
            partial = partial || (GetRValue(c) > 0 && GetRValue(c) < 255);
        }
    }
    EXPECT_TRUE(solid);
    EXPECT_TRUE(partial) << "edges are anti-aliased";
}

TEST(TextOutTest, CentredTextIsAnchoredAtItsTopCentre) {
    for (const std::string text : {"12", "123", "Label 7", "W"}) {
        TextSurface centred(60, 20);
        const CSize size = centred.Extent(text);
        EXPECT_EQ(centred.dc.SetTextAlign(TA_CENTER), TA_LEFT | TA_TOP);
        centred.dc.TextOut(30, 3, CString(text.c_str()));
        TextSurface left(60, 20);
        left.dc.TextOut(30 - size.cx / 2, 3, CString(text.c_str()));
        EXPECT_EQ(Picture(centred.dc), Picture(left.dc)) << text;
        EXPECT_FALSE(Painted(left.dc).empty());
    }
}

TEST(TextOutTest, ClipsAtTheEdgesAndSkipsTextOffTheImage) {
    // Text cut by an edge paints what the uncut text paints there.
    TextSurface whole(100, 40);
    whole.dc.TextOut(20, 12, CString("Edge 42"));
    const std::pair<int, int> offsets[] = {{-25, 0}, {0, -17}, {28, 0}, {0, 10}, {-25, -17}};
    for (const auto& [dx, dy] : offsets) {
        TextSurface cut(40, 20);
        cut.dc.TextOut(20 + dx - 30, 12 + dy - 10, CString("Edge 42"));
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 40; ++x) {
                const int wx = x + 30 - dx, wy = y + 10 - dy;
                const COLORREF expected = (wx >= 0 && wx < 100 && wy >= 0 && wy < 40)
                                              ? whole.dc.GetPixel(wx, wy)
                                              : RGB(255, 255, 255);
                ASSERT_EQ(cut.dc.GetPixel(x, y), expected)
                    << dx << "," << dy << " at " << x << "," << y;
            }
        }
    }
    TextSurface far(10, 10);
    far.dc.FillSolidRect(0, 0, 10, 10, kRed);
    for (const POINT p : {POINT{INT_MAX, 0}, POINT{INT_MIN, 0}, POINT{0, INT_MAX},
                          POINT{0, INT_MIN}, POINT{1000000, 5}}) {
        EXPECT_TRUE(far.dc.TextOut(p.x, p.y, CString("far away")));
        far.dc.SetTextAlign(TA_CENTER);
    }
    EXPECT_EQ(Painted(far.dc, kRed), PixelSet{});
}

TEST(TextOutTest, UndecodableAndEmptyTextsDoNotBreak) {
    TextSurface s(60, 20);
    const std::string bad = "\xff\xfe\xc3 \xe2\x82";
    EXPECT_EQ(s.Extent(bad).cx, Width(Font("Arial Cyr", 14), bad));
    EXPECT_TRUE(s.dc.TextOut(1, 1, bad.data(), static_cast<int>(bad.size())));
    const char withNul[] = {'a', '\0', 'b'};
    EXPECT_TRUE(s.dc.TextOut(1, 1, withNul, 3));
    EXPECT_TRUE(s.dc.TextOut(1, 1, "", 0));
    EXPECT_FALSE(s.dc.TextOut(1, 1, "abc", -1));
    CSize size;
    EXPECT_TRUE(s.dc.GetTextExtentPoint32("", 0, &size));
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 14);
    EXPECT_FALSE(s.dc.GetTextExtentPoint32("abc", -2, &size));
}

TEST(TextOutTest, TraceAndRasterSurfacesMeasureAlike) {
    TraceCollector trace;
    TraceDC traced(trace, FontEngine::Instance());
    TextSurface s(10, 10);
    traced.SelectObject(&s.font);
    for (const std::string text : {"10:00", "Enginespeed", "\xd0\x96\xd0\xb8\xd0\xb2", "\xff"}) {
        CSize a, b;
        traced.GetTextExtentPoint32(text.data(), static_cast<int>(text.size()), &a);
        s.dc.GetTextExtentPoint32(text.data(), static_cast<int>(text.size()), &b);
        EXPECT_EQ(a, b) << text;
    }
}
