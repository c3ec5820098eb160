// The renderer's command line: settings written as the Parameters dialog writes them, the last
// option winning, and usage errors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/render/Options.h"

namespace {

using Args = std::vector<std::string>;

}  // namespace

TEST(RenderOptionsTest, SettingsAreWrittenInOrder) {
    struct Case {
        Args args;
        bool autoscale;
        double minY;
        double stepY;
        bool gridX, gridY, marks, legend;
        int lineWidth;
    };
    // A fresh diagram: autoscale on, Y -10 / 5, grids on, no marks, legend on, width 1.
    const std::vector<Case> cases = {
        {{"f"}, true, -10, 5, true, true, false, true, 1},
        {{"f", "--y-min", "-20", "--y-step", "10"}, false, -20, 10, true, true, false, true, 1},
        {{"f", "--y-min", "-20", "--autoscale-y"}, true, -20, 5, true, true, false, true, 1},
        {{"f", "--autoscale-y", "--y-step", "1,5"}, false, -10, 1, true, true, false, true, 1},
        {{"f", "--y-step", "1e2", "--y-min", "abc"}, false, 0, 100, true, true, false, true, 1},
        {{"f", "--no-grid-x", "--no-grid-y", "--marks"}, true, -10, 5, false, false, true, true, 1},
        {{"f", "--no-legend"}, true, -10, 5, true, true, false, false, 1},
        {{"f", "--no-legend", "--legend"}, true, -10, 5, true, true, false, true, 1},
        {{"f", "--line-width", "2.9"}, true, -10, 5, true, true, false, true, 2},
        {{"f", "--line-width", "3", "--line-width", ""}, true, -10, 5, true, true, false, true, 0},
    };
    for (const Case& c : cases) {
        const ParseResult r = ParseRenderOptions(c.args);
        ASSERT_TRUE(r.options) << r.error;
        CDiagram d(nullptr);
        r.options->ApplyTo(d);
        const std::string where = ::testing::PrintToString(c.args);
        EXPECT_EQ(d.m_bAutoScaleY, c.autoscale) << where;
        EXPECT_EQ(d.m_dMinY, c.minY) << where;
        EXPECT_EQ(d.m_dStepY, c.stepY) << where;
        EXPECT_EQ(d.m_bGridX, c.gridX) << where;
        EXPECT_EQ(d.m_bGridY, c.gridY) << where;
        EXPECT_EQ(d.m_bShowMarks, c.marks) << where;
        EXPECT_EQ(d.m_bShowLegend, c.legend) << where;
        EXPECT_EQ(d.m_nLineWidth, c.lineWidth) << where;
    }
}

TEST(RenderOptionsTest, OutputsAndSize) {
    const ParseResult r =
        ParseRenderOptions({"--size", "640x480", "data.csv", "-o", "a.png", "--trace", "-"});
    ASSERT_TRUE(r.options);
    EXPECT_EQ(r.options->file, "data.csv");
    EXPECT_EQ(r.options->png, "a.png");
    EXPECT_EQ(r.options->trace, "-");
    EXPECT_EQ(r.options->width, 640);
    EXPECT_EQ(r.options->height, 480);
    const ParseResult defaults = ParseRenderOptions({"data.csv"});
    ASSERT_TRUE(defaults.options);
    EXPECT_EQ(defaults.options->width, 800);
    EXPECT_EQ(defaults.options->height, 600);
    EXPECT_FALSE(defaults.options->png);
    EXPECT_FALSE(defaults.options->trace);
}

TEST(RenderOptionsTest, UsageErrors) {
    for (const Args& args : std::vector<Args>{
             {},
             {"a.csv", "b.csv"},
             {"a.csv", "--bogus"},
             {"a.csv", "-o"},
             {"a.csv", "--y-min"},
             {"a.csv", "--size", "800"},
             {"a.csv", "--size", "0x10"},
             {"a.csv", "--size", "-5x10"},
             {"a.csv", "--size", "800x600x2"},
             {"a.csv", "--size", "100000x100000"},
         }) {
        const ParseResult r = ParseRenderOptions(args);
        EXPECT_FALSE(r.options) << ::testing::PrintToString(args);
        EXPECT_FALSE(r.error.empty());
    }
}
