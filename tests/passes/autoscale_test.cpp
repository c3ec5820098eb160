// The automatic Y scale, case by case, straight from the plot height and the curve cells.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/passes/PassHarness.h"

namespace {

struct ScaleCase {
    const char* name;
    std::vector<std::string> cells;  // spread over two curve columns, row by row
    int height;                      // B - T, with P = 50
    double stepY;
    double minY;
};

// Fills two curve columns with the cells and scales a plot area of the given height.
void Scale(CDiagram& d, const std::vector<std::string>& cells, int height) {
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < cells.size(); i += 2) {
        rows.push_back({"r", cells[i], i + 1 < cells.size() ? cells[i + 1] : ""});
    }
    SetData(d, {"X", "A", "B"}, rows);
    d.m_rcPlot = RECT{50, 50, 500, 50 + height};
    d.AutoScaleY();
}

TEST(AutoScaleTest, Cases) {
    const ScaleCase cases[] = {
        // The worked examples.
        {"3.2 .. 47.9", {"10", "3.2", "47.9", "20"}, 400, 6, -6},
        {"-23.5 .. 12", {"-23.5", "0", "12", "-1"}, 400, 5, -25},
        {"120 .. 180, empty cells skipped", {"150", "", "120", "180", ""}, 380, 9, 108},
        {"0.012 .. 0.087", {"0.05", "0.087", "0.012"}, 300, 0.02, -0.02},
        {"every value 7.5", {"7.5", "7.5", "7.5"}, 380, 1, 6},
        {"no whole step fits", {"4.2", "9.9"}, 40, 1, 3},
        // Around powers of ten.
        {"raw exactly 10", {"0", "80"}, 400, 20, -20},
        {"raw just below 1000", {"0", "999.9999999999"}, 50, 1000, -1000},
        {"raw just below 1", {"0", "0.99999999999999989"}, 50, 1, -1},
        // Where the bottom value falls.
        {"negative min on a whole step", {"-10", "25"}, 400, 5, -15},
        {"positive min on a whole step", {"10", "45"}, 400, 5, 5},
        {"positive min off the steps", {"11", "46"}, 400, 5, 5},
        {"a text without a number counts as 0", {"abc", "10", "45"}, 400, 6, -6},
        // Bounds and degenerate areas.
        {"values above 1e11 only", {"2e11", "3e11"}, 400, 3e10, 6e10},
        {"values below -1e11 only", {"-2e11", "-3e11"}, 400, 3e10, -3.3e11},
        {"equal values, no whole step", {"5.5", "5.5"}, 40, 1, 4},
        {"inverted area", {"3", "10"}, -50, -6, 6},
        {"inverted area, step 0 becomes 1", {"0", "1"}, -50, 1, -1},
        {"inverted area, leading digit saturates", {"0", "1e12"}, -50, -2147483647.0, 2147483647.0},
    };
    for (const ScaleCase& c : cases) {
        SCOPED_TRACE(c.name);
        Pass pass;
        Scale(pass.d, c.cells, c.height);
        EXPECT_EQ(pass.d.m_dStepY, c.stepY);
        EXPECT_EQ(pass.d.m_dMinY, c.minY);
    }
}

TEST(AutoScaleTest, WithoutValuesKeepsTheScale) {
    struct Case {
        const char* name;
        std::vector<std::string> cells;
    } const cases[] = {{"no rows", {}}, {"only empty cells", {"", "", "", ""}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Pass pass;
        pass.d.m_dMinY = 1.25;
        pass.d.m_dStepY = 0.5;
        Scale(pass.d, c.cells, 400);
        EXPECT_EQ(pass.d.m_dStepY, 0.5);
        EXPECT_EQ(pass.d.m_dMinY, 1.25);
    }
}

TEST(AutoScaleTest, LabelColumnTakesNoPart) {
    Pass pass;
    SetData(pass.d, {"X", "A"}, {{"1000", "10"}, {"-1000", "45"}});
    pass.d.m_rcPlot = RECT{50, 50, 500, 450};
    pass.d.AutoScaleY();
    EXPECT_EQ(pass.d.m_dStepY, 5);
    EXPECT_EQ(pass.d.m_dMinY, 5);
}

TEST(AutoScaleTest, FollowsCellsEditedThroughTheRowList) {
    // A new row list (here: one more row) is converted again before scaling.
    Pass pass;
    Scale(pass.d, {"10", "45"}, 400);
    ASSERT_EQ(pass.d.m_dMinY, 5);
    auto* row = new CStringArray;
    row->Add(CString("r"));
    row->Add(CString("-10"));
    row->Add(CString("25"));
    pass.d.m_aRows.Add(row);
    pass.d.AutoScaleY();
    EXPECT_EQ(pass.d.m_dStepY, 7);
    EXPECT_EQ(pass.d.m_dMinY, -14);
}

}  // namespace
