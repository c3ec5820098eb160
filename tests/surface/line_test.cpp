// One-pixel and wide lines on the raster surface: end points, the walk, clipping, round ends.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <vector>

#include "drawing/RasterDC.h"
#include "tests/surface/SurfaceTestUtil.h"

namespace {

struct Line {
    int x0, y0, x1, y1;
};

long long FloorDiv(__int128 a, __int128 b) {  // b > 0
    __int128 q = a / b;
    if (a % b != 0 && a < 0)
        --q;
    return static_cast<long long>(q);
}

// The walk written out plainly: along the major axis, step i of n paints the exact line's minor
// coordinate rounded, halves upwards. Only the steps whose major coordinate lies in
// [majorLow, majorHigh] are evaluated, so far-away lines cost nothing here either.
PixelSet ReferenceWalk(const Line& l, int width, int height) {
    PixelSet set;
    const long long dx = static_cast<long long>(l.x1) - l.x0;
    const long long dy = static_cast<long long>(l.y1) - l.y0;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long n = xMajor ? std::llabs(dx) : std::llabs(dy);
    if (n == 0)
        return set;
    const long long a0 = xMajor ? l.x0 : l.y0;
    const long long b0 = xMajor ? l.y0 : l.x0;
    const long long sa = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const long long db = xMajor ? dy : dx;
    const int majorSize = xMajor ? width : height;
    for (long long a = 0; a < majorSize; ++a) {
        const long long i = (a - a0) * sa;
        if (i < 0 || i >= n)
            continue;
        const long long b = b0 + FloorDiv(__int128(2) * i * db + n, __int128(2) * n);
        const int x = static_cast<int>(xMajor ? a : b);
        const int y = static_cast<int>(xMajor ? b : a);
        if (x >= 0 && x < width && y >= 0 && y < height)
            set.insert({x, y});
    }
    return set;
}

PixelSet DrawLines(int width, int height, std::initializer_list<Line> lines, int penWidth = 1) {
    RasterDC dc(width, height);
    CPen pen(PS_SOLID, penWidth, 0);
    dc.SelectObject(&pen);
    for (const Line& l : lines) {
        dc.MoveTo(l.x0, l.y0);
        dc.LineTo(l.x1, l.y1);
    }
    return Painted(dc);
}

// The part of a line that falls on a 10 x 10 image, found by drawing it shifted by (30, 30) on an
// image large enough that nothing of it is clipped there.
PixelSet UnclippedCrop(const Line& l, int bigWidth, int bigHeight, CPen* pen = nullptr) {
    RasterDC big(bigWidth, bigHeight);
    if (pen)
        big.SelectObject(pen);
    big.MoveTo(l.x0 + 30, l.y0 + 30);
    big.LineTo(l.x1 + 30, l.y1 + 30);
    PixelSet inside;
    for (const auto& [x, y] : Painted(big)) {
        if (x >= 30 && x < 40 && y >= 30 && y < 40)
            inside.insert({x - 30, y - 30});
    }
    return inside;
}

}  // namespace

TEST(ThinLineTest, PaintsTheWalkWithoutItsEndPoint) {
    struct Case {
        const char* name;
        Line line;
        PixelSet expected;
    };
    const Case cases[] = {
        {"rightward", {1, 1, 5, 1}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
        {"leftward", {5, 1, 1, 1}, {{5, 1}, {4, 1}, {3, 1}, {2, 1}}},
        {"downward", {2, 1, 2, 5}, {{2, 1}, {2, 2}, {2, 3}, {2, 4}}},
        {"upward", {2, 5, 2, 1}, {{2, 5}, {2, 4}, {2, 3}, {2, 2}}},
        {"diagonal", {0, 0, 4, 4}, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
        {"anti-diagonal", {4, 0, 0, 4}, {{4, 0}, {3, 1}, {2, 2}, {1, 3}}},
        {"shallow", {0, 2, 7, 4}, {{0, 2}, {1, 2}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 4}}},
        {"steep", {1, 0, 3, 7}, {{1, 0}, {1, 1}, {2, 2}, {2, 3}, {2, 4}, {2, 5}, {3, 6}}},
        // A half-way step rounds to the larger coordinate whichever way the line runs.
        {"tie forward", {0, 0, 2, 1}, {{0, 0}, {1, 1}}},
        {"tie backward", {2, 1, 0, 0}, {{2, 1}, {1, 1}}},
        {"steep tie backward", {1, 2, 0, 0}, {{1, 2}, {1, 1}}},
        {"one pixel", {3, 3, 4, 3}, {{3, 3}}},
        {"no length", {3, 3, 3, 3}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DrawLines(10, 10, {c.line}), c.expected) << c.name;
        EXPECT_EQ(ReferenceWalk(c.line, 10, 10), c.expected) << c.name << " (reference)";
    }
}

TEST(ThinLineTest, PenWidthsOfOneOrLessAllDrawOnePixelLines) {
    const PixelSet one = DrawLines(10, 10, {{1, 1, 8, 6}}, 1);
    for (int width : {0, -1, -7, INT_MIN}) {
        EXPECT_EQ(DrawLines(10, 10, {{1, 1, 8, 6}}, width), one) << width;
    }
}

TEST(ThinLineTest, ConsecutiveLinesContinueFromTheEndPoint) {
    RasterDC dc(10, 10);
    const POINT start = dc.MoveTo(1, 1);
    EXPECT_EQ(start.x, 0);
    EXPECT_EQ(start.y, 0);
    dc.LineTo(6, 1);
    dc.LineTo(6, 4);
    dc.LineTo(1, 4);
    dc.LineTo(1, 1);
    EXPECT_EQ(dc.Position().x, 1);
    EXPECT_EQ(dc.Position().y, 1);
    EXPECT_EQ(Picture(dc), Rows({"..........",  //
                                 ".######...",  //
                                 ".#....#...",  //
                                 ".#....#...",  //
                                 ".######...",  //
                                 "..........",  //
                                 "..........",  //
                                 "..........",  //
                                 "..........",  //
                                 ".........."}));
}

TEST(ThinLineTest, ClippingKeepsExactlyThePixelsOfTheWholeWalk) {
    // Lines crossing each edge, corners and the whole image, and lines that miss it.
    const Line lines[] = {
        {-5, 3, 14, 6},   {14, 6, -5, 3},   {3, -5, 6, 14},   {6, 14, 3, -5},  {-3, -3, 12, 12},
        {12, -3, -3, 12}, {-20, 9, 29, 0},  {-1, 10, 10, -1}, {-7, 0, 9, 100}, {9, 100, -7, 0},
        {0, 0, 20, 11},   {-6, 15, 15, -6}, {-4, 1, -1, 8},   {10, 0, 30, 9},  {-3, 10, 12, 10},
        {4, -9, 4, 20},   {4, 20, 4, -9},   {-9, 4, 20, 4},   {0, 9, 13, 8},   {9, 0, 8, 13},
    };
    for (const Line& l : lines) {
        const PixelSet inside = UnclippedCrop(l, 80, 140);
        const PixelSet clipped = DrawLines(10, 10, {l});
        EXPECT_EQ(clipped, inside) << l.x0 << "," << l.y0 << " -> " << l.x1 << "," << l.y1;
        EXPECT_EQ(clipped, ReferenceWalk(l, 10, 10));
    }
}

TEST(ThinLineTest, FarAwayEndsArePlacedExactly) {
    const Line lines[] = {
        {0, 0, 2000000000, 7},
        {2000000000, 7, 0, 0},
        {-2000000000, -1000000000, 2000000000, 1000000010},
        {5, INT_MIN, 4, INT_MAX},
        {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
        {INT_MAX, 9 - INT_MAX, 9 - INT_MAX, INT_MAX},
        {INT_MIN, 3, INT_MAX, 4},
        {INT_MAX, 5, 2, 5},
        {3, INT_MAX, 3, 2},
    };
    for (const Line& l : lines) {
        const PixelSet expected = ReferenceWalk(l, 10, 10);
        EXPECT_FALSE(expected.empty()) << "each case should reach the image";
        EXPECT_EQ(DrawLines(10, 10, {l}), expected)
            << l.x0 << "," << l.y0 << " -> " << l.x1 << "," << l.y1;
    }
    // Random lines, near and far, against the reference.
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> near(-25, 35);
    std::uniform_int_distribution<int> far(INT_MIN, INT_MAX);
    for (int k = 0; k < 3000; ++k) {
        auto pick = [&] { return k % 3 == 0 ? far(random) : near(random); };
        const Line l{pick(), pick(), pick(), pick()};
        ASSERT_EQ(DrawLines(10, 10, {l}), ReferenceWalk(l, 10, 10))
            << l.x0 << "," << l.y0 << " -> " << l.x1 << "," << l.y1;
    }
}

TEST(ThinLineTest, LinesOffTheImagePaintNothingAndStillMoveThePosition) {
    RasterDC dc(10, 10);
    dc.MoveTo(900, 3);
    dc.LineTo(901, 700);
    EXPECT_EQ(dc.Position().x, 901);
    EXPECT_EQ(dc.Position().y, 700);
    dc.LineTo(-5, 700);
    dc.LineTo(-5, -5);
    dc.LineTo(20, -1);
    EXPECT_TRUE(Painted(dc).empty());
}

TEST(ThinLineTest, ForeignImageKeepsItsPaddingAndContents) {
    constexpr int kStride = 13;
    std::vector<std::uint32_t> pixels(kStride * 10, 0xFF123456u);
    RasterDC dc(pixels.data(), 10, 10, kStride);
    EXPECT_EQ(dc.GetPixel(4, 4), RGB(0x12, 0x34, 0x56)) << "a foreign image is not cleared";
    for (int k = -20; k < 30; k += 3) {
        dc.MoveTo(-50, k);
        dc.LineTo(60, 30 - k);
        dc.MoveTo(k, -50);
        dc.LineTo(k, 60);
    }
    dc.FillSolidRect(-5, -5, 100, 100, RGB(1, 2, 3));
    dc.Rectangle(-3, -3, 40, 40);
    dc.TextOut(2, 2, CString("Wide text over the edge"));
    for (int y = 0; y < 10; ++y) {
        for (int x = 10; x < kStride; ++x)
            EXPECT_EQ(pixels[y * kStride + x], 0xFF123456u);
    }
    EXPECT_EQ(pixels[0] >> 24, 0xFFu) << "pixels stay opaque";
}

TEST(WideLineTest, HorizontalLinesCoverThePenWidthAndHaveRoundEnds) {
    RasterDC dc(12, 12);
    CPen pen(PS_SOLID, 5, 0);
    dc.SelectObject(&pen);
    dc.MoveTo(3, 5);
    dc.LineTo(7, 5);
    EXPECT_EQ(Picture(dc), Rows({"............",  //
                                 "............",  //
                                 "............",  //
                                 "..#######...",  //
                                 ".#########..",  //
                                 ".#########..",  //
                                 ".#########..",  //
                                 "..#######...",  //
                                 "............",  //
                                 "............",  //
                                 "............",  //
                                 "............"}));
}

TEST(WideLineTest, WidthDecidesTheRowsCovered) {
    // Width w covers rows y - w / 2 .. y + (w - 1) / 2 of a horizontal line.
    for (int width = 2; width <= 7; ++width) {
        RasterDC dc(30, 30);
        CPen pen(PS_SOLID, width, 0);
        dc.SelectObject(&pen);
        dc.MoveTo(8, 15);
        dc.LineTo(20, 15);
        std::set<int> rows;
        for (const auto& [x, y] : Painted(dc))
            rows.insert(y);
        std::set<int> expected;
        for (int y = 15 - width / 2; y <= 15 + (width - 1) / 2; ++y)
            expected.insert(y);
        EXPECT_EQ(rows, expected) << "width " << width;
        // A vertical line is the same shape turned.
        RasterDC turned(30, 30);
        turned.SelectObject(&pen);
        turned.MoveTo(15, 8);
        turned.LineTo(15, 20);
        PixelSet swapped;
        for (const auto& [x, y] : Painted(dc))
            swapped.insert({y, x});
        EXPECT_EQ(Painted(turned), swapped) << "width " << width;
    }
}

TEST(WideLineTest, ConsecutiveLinesJoinRound) {
    RasterDC dc(14, 14);
    CPen pen(PS_SOLID, 5, 0);
    dc.SelectObject(&pen);
    dc.MoveTo(2, 8);
    dc.LineTo(8, 8);
    dc.LineTo(8, 2);
    EXPECT_EQ(dc.GetPixel(10, 10), RGB(255, 255, 255)) << "a mitred corner would fill this";
    EXPECT_EQ(dc.GetPixel(10, 9), 0u);
    EXPECT_EQ(dc.GetPixel(9, 10), 0u);
    EXPECT_EQ(dc.GetPixel(10, 8), 0u);
    EXPECT_EQ(dc.GetPixel(8, 10), 0u);
}

TEST(WideLineTest, ClippedWideLinesMatchTheirUnclippedShape) {
    CPen pen(PS_SOLID, 4, 0);
    const Line lines[] = {{-6, 2, 15, 7},
                          {3, -8, 7, 18},
                          {-5, -5, 14, 14},
                          {12, -2, -3, 11},
                          {-2000000000, 4, 2000000000, 6}};
    for (const Line& l : lines) {
        RasterDC small(10, 10);
        small.SelectObject(&pen);
        small.MoveTo(l.x0, l.y0);
        small.LineTo(l.x1, l.y1);
        if (l.x0 < -1000) {
            // Near-horizontal and four wide: the rows 3 .. 6 all across.
            PixelSet expected;
            for (int y = 3; y <= 6; ++y) {
                for (int x = 0; x < 10; ++x)
                    expected.insert({x, y});
            }
            EXPECT_EQ(Painted(small), expected);
            continue;
        }
        EXPECT_EQ(Painted(small), UnclippedCrop(l, 80, 80, &pen))
            << l.x0 << "," << l.y0 << " -> " << l.x1 << "," << l.y1;
    }
}

TEST(WideLineTest, HugePensAndCoordinatesStayOnTheImage) {
    RasterDC dc(10, 10);
    CPen huge(PS_SOLID, INT_MAX, RGB(9, 9, 9));
    dc.SelectObject(&huge);
    dc.MoveTo(INT_MIN, INT_MIN);
    dc.LineTo(INT_MAX, INT_MAX);
    EXPECT_EQ(Painted(dc).size(), 100u);
    CPen wide(PS_SOLID, 3, 0);
    dc.SelectObject(&wide);
    dc.MoveTo(INT_MAX, 0);
    dc.LineTo(INT_MAX, 9);
    dc.MoveTo(5000, 5000);
    dc.LineTo(5000, 5000);
    EXPECT_EQ(Painted(dc, 0).size(), 100u) << "nothing black was painted";
}
