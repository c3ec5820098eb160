// The plot area, grid, labels, title and legend.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "tests/passes/PassHarness.h"

namespace {

const char kGrid[] = " pen=#c8c8fa/1";

std::string Line(int x1, int y1, int x2, int y2, const char* pen = kGrid) {
    return "line " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) +
           " " + std::to_string(y2) + pen;
}

std::string Label(int x, int y, const std::string& text) {
    return "text " + std::to_string(x) + " " + std::to_string(y) +
           " align=center color=#000000 font=14/400 \"" + text + "\"";
}

std::string Measure(const std::string& text, int width) {
    return "measure font=14/400 \"" + text + "\" " + std::to_string(width) + " 14";
}

// The lines strictly between the first line equal to `after` and the first later one that starts
// with `before`.
Lines Between(const Lines& all, const std::string& after, const std::string& before) {
    auto first = std::find(all.begin(), all.end(), after);
    EXPECT_NE(first, all.end()) << "missing: " << after;
    if (first == all.end())
        return {};
    ++first;
    auto last = std::find_if(first, all.end(),
                             [&](const std::string& l) { return l.rfind(before, 0) == 0; });
    return Lines(first, last);
}

TEST(AxesTest, NoRowsNumbersTheXAxis) {
    // Frame (10, 10, 290, 190); the legend reserve makes the plot (50, 50, 150, 150).
    Pass pass(300, 200);
    pass.d.m_crText = RGB(1, 2, 3);
    pass.d.m_crTitle = RGB(200, 0, 0);
    pass.Draw();
    EXPECT_EQ(pass.All(), (Lines{
                              "rect 10 10 290 190 pen=#000000/1 brush=#ffffff",
                              "rect 50 50 150 150 pen=#000000/1 brush=#ffffff",
                              Line(60, 149, 60, 144),
                              Line(70, 149, 70, 144),
                              Line(80, 149, 80, 144),
                              Line(90, 149, 90, 144),
                              Line(100, 149, 100, 144),
                              Line(110, 149, 110, 144),
                              Line(120, 149, 120, 144),
                              Line(130, 149, 130, 144),
                              Line(140, 149, 140, 144),
                              Line(51, 140, 56, 140),
                              Line(51, 130, 56, 130),
                              Line(51, 120, 56, 120),
                              Line(51, 110, 56, 110),
                              Line(51, 100, 56, 100),
                              Line(51, 90, 56, 90),
                              Line(51, 80, 56, 80),
                              Line(51, 70, 56, 70),
                              Line(51, 60, 56, 60),
                              Line(100, 149, 100, 50),
                              "text 100 154 align=center color=#010203 font=14/400 \"    10\"",
                              Line(150, 149, 150, 50),
                              "text 150 154 align=center color=#010203 font=14/400 \"    20\"",
                              "text 35 143 align=center color=#010203 font=14/400 \" -10\"",
                              Line(50, 100, 150, 100),
                              "text 35 93 align=center color=#010203 font=14/400 \"  -5\"",
                              Line(50, 50, 150, 50),
                              "text 35 43 align=center color=#010203 font=14/400 \"   0\"",
                              "text 100 20 align=center color=#c80000 font=18/700 \"The diagram\"",
                          }));
    EXPECT_EQ(pass.d.m_nLegendWidth, 100);
    EXPECT_EQ(pass.d.m_nStepPixX, 50);
    EXPECT_EQ(pass.d.m_dMinY, -10.0);
    EXPECT_EQ(pass.d.m_dStepY, 5.0);
}

TEST(AxesTest, LabelsThinnedByTheirRunningWidth) {
    // Plot (50, 50, 350, 250) with the legend off; 31 rows give a step of 10, and every label is
    // 30 pixels wide, so P grows by 45 per drawn label.
    Pass pass(410, 300, 10);
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < 31; ++i) {
        rows.push_back({(i < 10 ? "r0" : "r") + std::to_string(i), "1"});
    }
    SetData(pass.d, {"X", "Y"}, rows);
    pass.d.m_bShowLegend = false;
    pass.Draw();
    ASSERT_EQ(pass.d.m_rcPlot, (RECT{50, 50, 350, 250}));
    ASSERT_EQ(pass.d.m_nStepPixX, 10);

    const std::set<int> labelled = {0, 5, 10, 14, 19, 23, 28};
    Lines expected;
    for (int i = 0; i < 31; ++i) {
        const int x = 50 + 10 * i;
        expected.push_back(i == 0 ? Line(x, 249, x, 254) : Line(x, 249, x, 50));
        if (labelled.count(i)) {
            const std::string text = rows[static_cast<std::size_t>(i)][0];
            expected.push_back(Line(x, 250, x, 255));
            expected.push_back(Label(x, 254, text));
            expected.push_back(Measure(text, 30));
        }
    }
    const std::string caption = "text 200 270 align=center color=#000000 font=16/400 \"X\"";
    EXPECT_EQ(Between(pass.All(), caption, "text 35 "), expected);
}

TEST(AxesTest, FewRows) {
    // Plot (50, 50, 250, 110): one grid step of 200 pixels for one or two rows, so the X ticks
    // are those of the first step only.
    const Lines ticks = {
        Line(90, 109, 90, 104),   Line(130, 109, 130, 104), Line(170, 109, 170, 104),
        Line(210, 109, 210, 104), Line(51, 100, 56, 100),   Line(51, 90, 56, 90),
        Line(51, 80, 56, 80),     Line(51, 70, 56, 70),     Line(51, 60, 56, 60),
    };
    struct Case {
        const char* name;
        std::vector<std::string> labels;
        bool gridX;
        Lines rows;
    } const cases[] = {
        {"one row gets a stub even with the grid on",
         {"only"},
         true,
         {Line(50, 109, 50, 114), Line(50, 110, 50, 115), Label(50, 114, "only"),
          Measure("only", 28)}},
        {"two rows sit on both edges",
         {"a", "b"},
         true,
         {Line(50, 109, 50, 114), Line(50, 110, 50, 115), Label(50, 114, "a"), Measure("a", 7),
          Line(250, 109, 250, 50), Line(250, 110, 250, 115), Label(250, 114, "b"),
          Measure("b", 7)}},
        {"without the grid every row gets a stub",
         {"a", "b"},
         false,
         {Line(50, 109, 50, 114), Line(50, 110, 50, 115), Label(50, 114, "a"), Measure("a", 7),
          Line(250, 109, 250, 114), Line(250, 110, 250, 115), Label(250, 114, "b"),
          Measure("b", 7)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Pass pass(400, 160);
        std::vector<std::vector<std::string>> rows;
        for (const std::string& label : c.labels)
            rows.push_back({label, "1", "2"});
        SetData(pass.d, {"Time", "A", "B"}, rows);
        pass.d.m_bGridX = c.gridX;
        pass.Draw();
        EXPECT_EQ(pass.d.m_nStepPixX, 200);
        Lines expected = ticks;
        expected.insert(expected.end(), c.rows.begin(), c.rows.end());
        const std::string caption = "text 150 130 align=center color=#000000 font=16/400 \"Time\"";
        EXPECT_EQ(Between(pass.All(), caption, "text 35 "), expected);
    }
}

TEST(AxesTest, YGridOffDrawsStubs) {
    Pass pass(400, 160);
    pass.d.m_bGridY = false;
    pass.d.m_bAutoScaleY = false;
    pass.Draw();
    const std::string lastNumber = "text 250 114 align=center color=#000000 font=14/400 \"    40\"";
    EXPECT_EQ(Between(pass.All(), lastNumber, "text 150 20 "),
              (Lines{
                  "text 35 103 align=center color=#000000 font=14/400 \" -10\"",
                  Line(50, 60, 45, 60),
                  "text 35 53 align=center color=#000000 font=14/400 \"  -5\"",
              }));
}

TEST(AxesTest, LegendReserveAndEntries) {
    struct Case {
        const char* name;
        bool legend;
        int legendWidth;
        int plotRight;
    } const cases[] = {{"legend on", true, 100, 250}, {"legend off", false, 10, 340}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Pass pass(400, 300);
        SetData(pass.d, {"X", "A", "B"}, {{"a", "1", "2"}});
        pass.d.m_bShowLegend = c.legend;
        pass.Draw();
        EXPECT_EQ(pass.d.m_nLegendWidth, c.legendWidth);
        EXPECT_EQ(pass.d.m_rcPlot, (RECT{50, 50, c.plotRight, 250}));
        const Lines entries = pass.Where([](const TraceRecord& r) {
            return (IsText(r) && !r.centered) || (IsLine(r) && r.penWidth == 2);
        });
        EXPECT_EQ(entries.size(), c.legend ? 4u : 0u);
    }
}

TEST(AxesTest, LegendNamesWithoutTitle) {
    // No title: the names take the axis text colour. A name is cut to 15 characters (not bytes);
    // the caption shows its name whole.
    Pass pass(400, 300);
    std::string umlauts;
    for (int i = 0; i < 20; ++i)
        umlauts += "\xc3\x84";
    SetData(pass.d, {"AVeryLongCaptionName", "ABCDEFGHIJKLMNOPQRST", umlauts}, {{"a", "1", "2"}});
    pass.d.m_strTitle = "";
    pass.d.m_crText = RGB(0, 128, 0);
    pass.d.m_crTitle = RGB(255, 0, 0);
    pass.Draw();
    std::string cut;
    for (int i = 0; i < 15; ++i)
        cut += "\\xc3\\x84";
    const Lines all = pass.All();
    ASSERT_GE(all.size(), 4u);
    // One row draws no curve segment and no mark, so the legend ends the trace.
    EXPECT_EQ(Lines(all.end() - 4, all.end()),
              (Lines{
                  Line(260, 70, 280, 70, " pen=#0000ff/2"),
                  "text 290 65 align=left color=#008000 font=14/400 \"ABCDEFGHIJKLMNO\"",
                  Line(260, 90, 280, 90, " pen=#ff0000/2"),
                  "text 290 85 align=left color=#008000 font=14/400 \"" + cut + "\"",
              }));
    EXPECT_NE(std::find(all.begin(), all.end(),
                        "text 150 270 align=center color=#008000 font=16/400 "
                        "\"AVeryLongCaptionName\""),
              all.end());
    EXPECT_EQ(pass.Where([](const TraceRecord& r) { return IsText(r) && r.fontHeight == 18; }),
              Lines{});
}

}  // namespace
