// The drawing pass as a whole and the curves: order of every call, the value-to-pixel mapping,
// and the pens and fonts the pass gives back.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

#include "platform/Exceptions.h"
#include "tests/passes/PassHarness.h"
#include "tests/support/TempFile.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);

bool IsCurveRecord(const TraceRecord& r, COLORREF pen) {
    return r.kind == TraceRecord::Kind::kFill || (IsLine(r) && r.penColor == pen);
}

TEST(DrawTest, WorkedExampleOfTheCurveMapping) {
    // L = 50, T = 50, B = 430, R = 550 with the legend off; six rows give a step of 100.
    TempFile file("Worked example\nRow;Value\nr0;2.0\nr1;5.5\nr2\nr3;9.0\nr4;40.0\nr5;7\n");
    Pass pass(610, 480);
    ASSERT_TRUE(pass.d.Load(CString(file.path().c_str())));
    pass.d.m_bAutoScaleY = false;
    pass.d.m_bShowMarks = true;
    pass.Draw();

    EXPECT_EQ(pass.d.m_rcPlot, (RECT{50, 50, 550, 430}));
    EXPECT_EQ(pass.d.m_nStepPixX, 100);
    EXPECT_EQ(pass.Where([](const TraceRecord& r) { return IsCurveRecord(r, kBlue); }),
              (Lines{
                  "fill 48 308 5 5 #000000",            // row 0: mark only
                  "line 50 310 150 275 pen=#0000ff/1",  // row 1
                  "fill 148 273 5 5 #000000",
                  "line 150 275 250 330 pen=#0000ff/1",  // row 2, the empty cell at 0
                  "fill 248 328 5 5 #000000",
                  "line 250 330 350 240 pen=#0000ff/1",  // row 3; rows 4 and 5 draw nothing
                  "fill 348 238 5 5 #000000",
              }));
}

TEST(DrawTest, WholePassInOrder) {
    // Plot (50, 50, 250, 250); three rows give a step of 100; one tick per grid step keeps the
    // trace short. Autoscale skips the empty cell: values 5 .. 13 over four steps give a step of
    // 3 from 0 (counting the empty cell as 0 would give a step of 4 from -4).
    Pass pass(400, 300);
    CDiagram& d = pass.d;
    SetData(d, {"X", "Speed", "Load"}, {{"a", "5", "7"}, {"bb", "8", ""}, {"ccc", "13", "6"}});
    d.m_strTitle = "Bench";
    d.m_crText = RGB(1, 2, 3);
    d.m_crTitle = RGB(200, 0, 0);
    d.m_nTicks = 1;
    d.m_nLineWidth = 2;
    d.m_bShowMarks = true;
    pass.Draw();

    EXPECT_EQ(pass.All(), (Lines{
                              "rect 10 10 390 290 pen=#000000/1 brush=#ffffff",
                              "rect 50 50 250 250 pen=#000000/1 brush=#ffffff",
                              "text 150 270 align=center color=#010203 font=16/400 \"X\"",
                              "line 150 249 150 244 pen=#c8c8fa/1",
                              "line 51 200 56 200 pen=#c8c8fa/1",
                              "line 51 150 56 150 pen=#c8c8fa/1",
                              "line 51 100 56 100 pen=#c8c8fa/1",
                              "line 50 249 50 254 pen=#c8c8fa/1",
                              "line 50 250 50 255 pen=#c8c8fa/1",
                              "text 50 254 align=center color=#010203 font=14/400 \"a\"",
                              "measure font=14/400 \"a\" 7 14",
                              "line 150 249 150 50 pen=#c8c8fa/1",
                              "line 150 250 150 255 pen=#c8c8fa/1",
                              "text 150 254 align=center color=#010203 font=14/400 \"bb\"",
                              "measure font=14/400 \"bb\" 14 14",
                              "line 250 249 250 50 pen=#c8c8fa/1",
                              "line 250 250 250 255 pen=#c8c8fa/1",
                              "text 250 254 align=center color=#010203 font=14/400 \"ccc\"",
                              "measure font=14/400 \"ccc\" 21 14",
                              "text 35 243 align=center color=#010203 font=14/400 \"   0\"",
                              "line 50 200 250 200 pen=#c8c8fa/1",
                              "text 35 193 align=center color=#010203 font=14/400 \"   3\"",
                              "line 50 150 250 150 pen=#c8c8fa/1",
                              "text 35 143 align=center color=#010203 font=14/400 \"   6\"",
                              "line 50 100 250 100 pen=#c8c8fa/1",
                              "text 35 93 align=center color=#010203 font=14/400 \"   9\"",
                              "line 50 50 250 50 pen=#c8c8fa/1",
                              "text 35 43 align=center color=#010203 font=14/400 \"  12\"",
                              "text 150 20 align=center color=#c80000 font=18/700 \"Bench\"",
                              "line 260 70 280 70 pen=#0000ff/3",
                              "text 290 65 align=left color=#c80000 font=14/400 \"Speed\"",
                              "line 260 90 280 90 pen=#ff0000/3",
                              "text 290 85 align=left color=#c80000 font=14/400 \"Load\"",
                              // Speed: 5 and 8 are drawn, 13 lies above the plot area.
                              "fill 48 165 5 5 #000000",
                              "line 50 167 150 117 pen=#0000ff/2",
                              "fill 148 115 5 5 #000000",
                              // Load: the empty cell is drawn at 0, on the bottom edge.
                              "fill 48 132 5 5 #000000",
                              "line 50 134 150 250 pen=#ff0000/2",
                              "fill 148 248 5 5 #000000",
                              "line 150 250 250 150 pen=#ff0000/2",
                              "fill 248 148 5 5 #000000",
                          }));
    EXPECT_EQ(d.m_dStepY, 3.0);
    EXPECT_EQ(d.m_dMinY, 0.0);
}

// DrawCurve on its own: plot (0, 100, 500, 200), 10 pixels per row, P / s = 10, bottom value 0.
struct CurveCase {
    const char* name;
    std::vector<std::string> cells;
    double stepY;
    int markSize;
    Lines expected;
};

TEST(DrawTest, CurveEdgeCases) {
    const CurveCase cases[] = {
        {"on the bottom edge is in, one pixel below is out",
         {"0", "-0.1", "0", "0.05"},
         5.0,
         0,
         {"line 20 200 30 200 pen=#0000ff/1"}},
        {"a numeric prefix counts, a text without one is 0",
         {"3abc", "x", "2"},
         5.0,
         0,
         {"line 0 170 10 200 pen=#0000ff/1", "line 10 200 20 180 pen=#0000ff/1"}},
        {"step 0 puts every point on the bottom edge",
         {"7", "-300", "1e6"},
         0.0,
         0,
         {"line 0 200 10 200 pen=#0000ff/1", "line 10 200 20 200 pen=#0000ff/1"}},
        {"a negative step draws larger values lower",
         {"-5", "0"},
         -5.0,
         0,
         {"line 0 150 10 200 pen=#0000ff/1"}},
        {"an even mark lies one pixel further left and up",
         {"1"},
         5.0,
         6,
         {"fill -3 187 6 6 #000000"}},
    };
    for (const CurveCase& c : cases) {
        SCOPED_TRACE(c.name);
        Pass pass;
        CDiagram& d = pass.d;
        std::vector<std::vector<std::string>> rows;
        for (const std::string& cell : c.cells)
            rows.push_back({"r", cell});
        SetData(d, {"X", "Y"}, rows);
        d.m_aStyles[1].nMarkSize = c.markSize;
        d.m_bShowMarks = c.markSize != 0;
        d.m_rcPlot = RECT{0, 100, 500, 200};
        d.m_nStepPixX = 10;
        d.m_dMinY = 0.0;
        d.m_dStepY = c.stepY;
        d.m_pDC = &pass.dc;
        CPen pen(PS_SOLID, 1, kBlue);
        pass.dc.SelectObject(&pen);
        d.DrawCurve(1);
        EXPECT_EQ(pass.All(), c.expected);
    }
}

TEST(DrawTest, DataFarFromZeroWithATinyStepKeepsItsRows) {
    // 1e6 .. 1e6 + 0.001 over 400 pixels: step 0.0002 from about 999999.9998, so the three
    // values lie about 50, 175 and 300 pixels above the bottom edge (430).
    Pass pass(400, 500);
    SetData(pass.d, {"X", "Y"}, {{"a", "1000000.0"}, {"b", "1000000.0005"}, {"c", "1000000.001"}});
    pass.d.m_bShowLegend = false;
    pass.Draw();
    ASSERT_EQ(pass.d.m_rcPlot.bottom - pass.d.m_rcPlot.top, 400);
    const std::vector<TraceRecord> curve = [&] {
        std::vector<TraceRecord> out;
        for (const TraceRecord& r : pass.trace.records) {
            if (IsLine(r) && r.penColor == kBlue)
                out.push_back(r);
        }
        return out;
    }();
    ASSERT_EQ(curve.size(), 2u);
    const int B = pass.d.m_rcPlot.bottom;
    EXPECT_NEAR(curve[0].b, B - 50, 1);
    EXPECT_NEAR(curve[0].d, B - 175, 1);
    EXPECT_EQ(curve[1].b, curve[0].d);
    EXPECT_NEAR(curve[1].d, B - 300, 1);
}

TEST(DrawTest, GivesBackThePenAndFontItFound) {
    Pass pass(400, 300);
    SetData(pass.d, {"X", "A", "B"}, {{"a", "1", "2"}, {"b", "3", "4"}});
    CPen pen(PS_SOLID, 3, RGB(1, 1, 1));
    CFont font;
    LOGFONT lf{};
    lf.lfHeight = 11;
    font.CreateFontIndirect(&lf);
    pass.dc.SelectObject(&pen);
    pass.dc.SelectObject(&font);
    PenReadingDC reading(pass.dc);
    pass.d.Draw(&reading);
    EXPECT_EQ(pass.dc.GetCurrentObject(OBJ_PEN), &pen);
    EXPECT_EQ(pass.dc.GetCurrentObject(OBJ_FONT), &font);
    // The frame and the plot rectangle take the pen found on the surface.
    const Lines all = pass.All();
    ASSERT_GE(all.size(), 2u);
    EXPECT_EQ(all[0], "rect 10 10 390 290 pen=#010101/3 brush=#ffffff");
    EXPECT_EQ(all[1], "rect 50 50 250 250 pen=#010101/3 brush=#ffffff");
}

TEST(DrawTest, FailedPenCreationLeavesNothingOfThePassSelected) {
    // Three curves: the legend creates three pens, then the curves three more.
    struct Case {
        const char* name;
        int creations;   // pens that can still be created
        int curveLines;  // curve lines drawn before the failure
    } const cases[] = {
        {"first legend pen", 0, 0},
        {"second legend pen", 1, 0},
        {"first curve pen", 3, 0},
        {"third curve pen", 5, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Pass pass(400, 300);
        SetData(pass.d, {"X", "A", "B", "C"}, {{"a", "1", "2", "3"}, {"b", "2", "3", "4"}});
        CGdiObject* pen = pass.dc.GetCurrentObject(OBJ_PEN);
        CGdiObject* font = pass.dc.GetCurrentObject(OBJ_FONT);
        {
            PenCreationLimit limit(c.creations);
            PenReadingDC reading(pass.dc);
            EXPECT_THROW(pass.d.Draw(&reading), CResourceException);
        }
        EXPECT_EQ(pass.dc.GetCurrentObject(OBJ_PEN), pen);
        EXPECT_EQ(pass.dc.GetCurrentObject(OBJ_FONT), font);
        const Lines curves = pass.Where([](const TraceRecord& r) {
            return IsLine(r) && r.penWidth == 1 && r.penColor != RGB(200, 200, 250);
        });
        EXPECT_EQ(static_cast<int>(curves.size()), c.curveLines);
        // A pass after the failure runs whole.
        pass.trace.records.clear();
        pass.Draw();
        EXPECT_EQ(pass.dc.GetCurrentObject(OBJ_PEN), pen);
    }
}

TEST(DrawTest, NoCurvePenWithoutCurves) {
    for (int columns : {0, 1}) {
        SCOPED_TRACE(columns);
        Pass pass;
        pass.d.m_nColumns = columns;
        PenCreationLimit limit(0);  // any pen the pass created would throw
        EXPECT_NO_THROW(pass.Draw());
    }
}

TEST(DrawTest, PenWidthsSaturate) {
    Pass pass(400, 300);
    SetData(pass.d, {"X", "A", "B"}, {{"a", "1", "2"}, {"b", "3", "4"}});
    pass.d.m_nLineWidth = INT_MAX;
    pass.d.m_bAutoScaleY = false;  // -10 in steps of 5: Y(v) = 150 - 10 v
    pass.Draw();
    const Lines legend =
        pass.Where([](const TraceRecord& r) { return IsLine(r) && r.b == r.d && r.c - r.a == 20; });
    EXPECT_EQ(legend, (Lines{"line 260 70 280 70 pen=#0000ff/2147483647",
                             "line 260 90 280 90 pen=#ff0000/2147483647"}));
    const Lines curves = pass.Where(
        [](const TraceRecord& r) { return IsLine(r) && r.penColor == kBlue && r.c - r.a != 20; });
    EXPECT_EQ(curves, (Lines{"line 50 140 250 120 pen=#0000ff/2147483647"}));
}

TEST(DrawTest, BigDiagramMakesEveryCall) {
    // 1000 rows on a 1000-pixel plot: a step of 1, one grid line or stub per row, and two curves
    // of 999 segments each, all inside the plot area.
    Pass pass(1200, 800);
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < 1000; ++i) {
        rows.push_back({"t" + std::to_string(i), std::to_string(i % 100), std::to_string(i % 37)});
    }
    SetData(pass.d, {"X", "A", "B"}, rows);
    pass.d.m_bAutoScaleY = false;
    pass.d.m_dMinY = 0;
    pass.d.m_dStepY = 10;
    pass.Draw();
    const RECT& plot = pass.d.m_rcPlot;
    ASSERT_EQ(plot.right - plot.left, 1000);
    EXPECT_EQ(pass.d.m_nStepPixX, 1);
    int grid = 0, labels = 0, measures = 0, curveA = 0, curveB = 0;
    for (const TraceRecord& r : pass.trace.records) {
        if (IsLine(r) && r.a == r.c && r.b == plot.bottom - 1)
            ++grid;
        if (IsText(r) && r.b == plot.bottom + 4)
            ++labels;
        if (r.kind == TraceRecord::Kind::kMeasure)
            ++measures;
        if (IsLine(r) && r.penWidth == 1 && r.penColor == kBlue && r.a != r.c - 20)
            ++curveA;
        if (IsLine(r) && r.penWidth == 1 && r.penColor == RGB(255, 0, 0) && r.a != r.c - 20) {
            ++curveB;
        }
    }
    EXPECT_EQ(grid, 1000);
    // Labels "t0" .. "t999" are 14 to 28 pixels wide: at least one label in every 42 rows.
    EXPECT_GE(labels, 1000 / 42);
    EXPECT_LE(labels, 1000 / 21 + 1);
    EXPECT_EQ(measures, labels);
    EXPECT_EQ(curveA, 999);
    EXPECT_EQ(curveB, 999);
}

}  // namespace
