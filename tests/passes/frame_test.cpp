// The outer frame and the tick marks.
#include <gtest/gtest.h>

#include <string>

#include "tests/passes/PassHarness.h"

namespace {

TEST(FrameTest, FitsToTheWindowAndDraws) {
    struct Case {
        const char* name;
        bool show;
        bool fit;
        int width, height;
        RECT frame;
        Lines trace;
    } const cases[] = {
        {"fitted",
         true,
         true,
         640,
         480,
         {10, 10, 630, 470},
         {"rect 10 10 630 470 pen=#000000/1 brush=#ffffff"}},
        {"kept when not fitting",
         true,
         false,
         640,
         480,
         {20, 20, 820, 520},
         {"rect 20 20 820 520 pen=#000000/1 brush=#ffffff"}},
        {"neither fitted nor drawn when hidden", false, true, 640, 480, {20, 20, 820, 520}, {}},
        {"a tiny window gives an inverted frame",
         true,
         true,
         15,
         15,
         {10, 10, 5, 5},
         {"rect 10 10 5 5 pen=#000000/1 brush=#ffffff"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Pass pass(c.width, c.height);
        pass.d.m_bShowFrame = c.show;
        pass.d.m_bFitToWindow = c.fit;
        pass.d.m_pDC = &pass.dc;
        pass.d.DrawFrame();
        EXPECT_EQ(pass.d.m_rcFrame, c.frame);
        EXPECT_EQ(pass.All(), c.trace);
    }
}

// DrawTicks on its own, with the grid pen selected as the axes select it.
Lines Ticks(const RECT& plot, int stepPixX, int stepPixY, int ticks) {
    Pass pass;
    pass.d.m_rcPlot = plot;
    pass.d.m_nStepPixX = stepPixX;
    pass.d.m_nStepPixY = stepPixY;
    pass.d.m_nTicks = ticks;
    pass.d.m_pDC = &pass.dc;
    pass.dc.SelectObject(&pass.d.m_penGrid);
    pass.d.DrawTicks();
    return pass.All();
}

std::string XTick(int x, int B) {
    return "line " + std::to_string(x) + " " + std::to_string(B - 1) + " " + std::to_string(x) +
           " " + std::to_string(B - 6) + " pen=#c8c8fa/1";
}

std::string YTick(int L, int y) {
    return "line " + std::to_string(L + 1) + " " + std::to_string(y) + " " + std::to_string(L + 6) +
           " " + std::to_string(y) + " pen=#c8c8fa/1";
}

TEST(TicksTest, WorkedExample) {
    // Plot (50, 50, 490, 430), nine rows: Sx = 55, dx = 11; Sy = 50, dy = 10.
    const int xs[] = {61,  72,  83,  94,  105, 116, 127, 138, 149, 160, 171, 182, 193,
                      204, 215, 226, 237, 248, 259, 270, 281, 292, 303, 314, 325, 336,
                      347, 358, 369, 380, 391, 402, 413, 424, 435, 446, 457, 468, 479};
    Lines expected;
    for (int x : xs)
        expected.push_back(XTick(x, 430));
    for (int y = 420; y >= 60; y -= 10)
        expected.push_back(YTick(50, y));
    ASSERT_EQ(expected.size(), 39u + 37u);
    EXPECT_EQ(Ticks(RECT{50, 50, 490, 430}, 55, 50, 5), expected);
}

TEST(TicksTest, TooNarrowSubdivisionsDrawNothing) {
    const RECT plot{0, 0, 100, 100};
    // dx = 5 is allowed: X ticks every 5 pixels, Y ticks every 10.
    Lines five;
    for (int x = 5; x < 100; x += 5)
        five.push_back(XTick(x, 100));
    for (int y = 90; y > 0; y -= 10)
        five.push_back(YTick(0, y));
    EXPECT_EQ(Ticks(plot, 25, 50, 5), five);
    // dx = 4: neither X nor Y ticks.
    EXPECT_EQ(Ticks(plot, 24, 50, 5), Lines{});
    // dy = 4: the X ticks stay.
    Lines xOnly;
    for (int x = 10; x < 100; x += 10)
        xOnly.push_back(XTick(x, 100));
    EXPECT_EQ(Ticks(plot, 50, 20, 5), xOnly);
    // No subdivisions.
    EXPECT_EQ(Ticks(plot, 50, 50, 0), Lines{});
}

}  // namespace
