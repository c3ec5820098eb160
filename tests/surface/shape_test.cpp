// Rectangles, solid fills and the selection state of the raster surface.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "drawing/RasterDC.h"
#include "tests/surface/SurfaceTestUtil.h"

namespace {
constexpr COLORREF kRed = RGB(255, 0, 0);

PixelSet Block(int left, int top, int right, int bottom) {  // right and bottom excluded
    PixelSet set;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x)
            set.insert({x, y});
    }
    return set;
}
}  // namespace

TEST(RectangleTest, OutlineLiesInsideAndInteriorIsWhite) {
    RasterDC dc(10, 10);
    dc.FillSolidRect(0, 0, 10, 10, kRed);
    dc.Rectangle(1, 1, 7, 5);
    EXPECT_EQ(Picture(dc), Rows({"oooooooooo",  //
                                 "o######ooo",  //
                                 "o#....#ooo",  //
                                 "o#....#ooo",  //
                                 "o######ooo",  //
                                 "oooooooooo",  //
                                 "oooooooooo",  //
                                 "oooooooooo",  //
                                 "oooooooooo",  //
                                 "oooooooooo"}));
}

TEST(RectangleTest, CornersInAnyOrderDrawTheSameAndEmptyOnesDrawNothing) {
    RasterDC normal(10, 10);
    normal.Rectangle(2, 3, 8, 9);
    for (const RECT r : {RECT{8, 9, 2, 3}, RECT{8, 3, 2, 9}, RECT{2, 9, 8, 3}}) {
        RasterDC dc(10, 10);
        dc.Rectangle(r.left, r.top, r.right, r.bottom);
        EXPECT_EQ(Picture(dc), Picture(normal))
            << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
    for (const RECT r : {RECT{3, 3, 3, 8}, RECT{2, 5, 9, 5}, RECT{4, 4, 4, 4}}) {
        RasterDC dc(10, 10);
        dc.FillSolidRect(0, 0, 10, 10, kRed);
        dc.Rectangle(r.left, r.top, r.right, r.bottom);
        EXPECT_EQ(Painted(dc, kRed), PixelSet{});
    }
    // One pixel wide: a single column of outline.
    RasterDC thin(10, 10);
    thin.Rectangle(3, 2, 4, 6);
    EXPECT_EQ(Painted(thin), Block(3, 2, 4, 6));
}

TEST(RectangleTest, ClipsAtEveryEdge) {
    struct Case {
        RECT rect;
        std::string picture;
    };
    const Case cases[] = {
        // Only the right edge is on the image.
        {{-3, -2, 8, 12},
         Rows({".......#oo", ".......#oo", ".......#oo", ".......#oo", ".......#oo", ".......#oo",
               ".......#oo", ".......#oo", ".......#oo", ".......#oo"})},
        // Only the left and bottom edges are.
        {{6, -5, 20, 4},
         Rows({"oooooo#...", "oooooo#...", "oooooo#...", "oooooo####", "oooooooooo", "oooooooooo",
               "oooooooooo", "oooooooooo", "oooooooooo", "oooooooooo"})},
        // Only the top edge.
        {{-1, 8, 11, 30},
         Rows({"oooooooooo", "oooooooooo", "oooooooooo", "oooooooooo", "oooooooooo", "oooooooooo",
               "oooooooooo", "oooooooooo", "##########", ".........."})},
        // No edge at all: the interior covers the image.
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX},
         Rows({"..........", "..........", "..........", "..........", "..........", "..........",
               "..........", "..........", "..........", ".........."})},
    };
    for (const Case& c : cases) {
        RasterDC dc(10, 10);
        dc.FillSolidRect(0, 0, 10, 10, kRed);
        dc.Rectangle(c.rect.left, c.rect.top, c.rect.right, c.rect.bottom);
        EXPECT_EQ(Picture(dc), c.picture) << c.rect.left << "," << c.rect.top;
    }
}

TEST(RectangleTest, WidePenIsCentredOnTheOutline) {
    RasterDC dc(12, 12);
    CPen pen(PS_SOLID, 3, 0);
    dc.SelectObject(&pen);
    dc.Rectangle(2, 2, 9, 9);  // outline on 2 .. 8, so the pen covers 1 .. 3 and 7 .. 9
    EXPECT_EQ(Picture(dc), Rows({"............",  //
                                 ".#########..",  //
                                 ".#########..",  //
                                 ".#########..",  //
                                 ".###...###..",  //
                                 ".###...###..",  //
                                 ".###...###..",  //
                                 ".#########..",  //
                                 ".#########..",  //
                                 ".#########..",  //
                                 "............",  //
                                 "............"}));
}

TEST(FillSolidRectTest, CoversItsExtentOnly) {
    struct Case {
        int x, y, cx, cy;
        PixelSet expected;
    };
    const Case cases[] = {
        {2, 3, 4, 2, Block(2, 3, 6, 5)},
        {0, 0, 10, 10, Block(0, 0, 10, 10)},
        {-5, -5, 7, 7, Block(0, 0, 2, 2)},
        {8, 7, 100, 100, Block(8, 7, 10, 10)},
        {3, 3, 0, 4, {}},
        {3, 3, 4, 0, {}},
        {3, 3, -2, 2, {}},
        {INT_MAX, 0, INT_MAX, 3, {}},
        {INT_MIN, 0, INT_MAX, 1, {}},  // ends at -2
        {INT_MIN, INT_MIN, INT_MAX, INT_MAX, {}},
    };
    for (const Case& c : cases) {
        RasterDC dc(10, 10);
        dc.FillSolidRect(c.x, c.y, c.cx, c.cy, RGB(10, 20, 30));
        EXPECT_EQ(Painted(dc), c.expected) << c.x << "," << c.y << " " << c.cx << "x" << c.cy;
        for (const auto& [x, y] : c.expected)
            EXPECT_EQ(dc.GetPixel(x, y), RGB(10, 20, 30));
    }
}

TEST(SurfaceStateTest, SelectionReturnsThePreviousObject) {
    RasterDC dc(10, 10);
    CGdiObject* stockPen = dc.GetCurrentObject(OBJ_PEN);
    CGdiObject* stockFont = dc.GetCurrentObject(OBJ_FONT);
    ASSERT_NE(stockPen, nullptr);
    ASSERT_NE(stockFont, nullptr);
    EXPECT_EQ(dc.GetCurrentObject(0), nullptr);

    CPen red(PS_SOLID, 1, kRed);
    EXPECT_EQ(dc.SelectObject(&red), stockPen);
    EXPECT_EQ(dc.GetCurrentObject(OBJ_PEN), &red);
    dc.MoveTo(0, 0);
    dc.LineTo(5, 0);
    EXPECT_EQ(dc.GetPixel(2, 0), kRed);
    EXPECT_EQ(dc.SelectObject(static_cast<CPen*>(stockPen)), &red);
    dc.MoveTo(0, 1);
    dc.LineTo(5, 1);
    EXPECT_EQ(dc.GetPixel(2, 1), 0u) << "the stock pen is black";

    CSize size;
    ASSERT_TRUE(dc.GetTextExtentPoint32("x", 1, &size));
    EXPECT_EQ(size.cy, 16) << "the stock font is 16 pixels high";
    LOGFONT lf = SurfaceDC::DefaultFont();
    lf.lfHeight = 25;
    CFont big;
    big.CreateFontIndirect(&lf);
    EXPECT_EQ(dc.SelectObject(&big), stockFont);
    EXPECT_EQ(dc.GetCurrentObject(OBJ_FONT), &big);
    ASSERT_TRUE(dc.GetTextExtentPoint32("x", 1, &size));
    EXPECT_EQ(size.cy, 25);
    EXPECT_EQ(dc.SelectObject(static_cast<CFont*>(stockFont)), &big);
}

TEST(SurfaceStateTest, OwnedImageStartsWhite) {
    RasterDC dc(7, 3);
    EXPECT_EQ(dc.Width(), 7);
    EXPECT_EQ(dc.Height(), 3);
    EXPECT_EQ(dc.Stride(), 7);
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(dc.Pixels()[i], 0xFFFFFFFFu);
    RasterDC empty(0, -4);  // nothing to draw on, and nothing breaks
    empty.MoveTo(-1, -1);
    empty.LineTo(5, 5);
    empty.Rectangle(0, 0, 4, 4);
    empty.FillSolidRect(0, 0, 3, 3, 0);
    EXPECT_TRUE(empty.TextOut(0, 0, CString("abc")));
    EXPECT_EQ(empty.Width(), 0);
    EXPECT_EQ(empty.Height(), 0);
}
