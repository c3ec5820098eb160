// Splitting a line into fields.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagram/Diagram.h"

namespace {

std::vector<std::string> Entries(const CStringArray& a) {
    std::vector<std::string> out;
    for (const CString& s : a)
        out.emplace_back(s.data(), s.size());
    return out;
}

}  // namespace

TEST(SplitLineTest, Table) {
    struct Case {
        std::string line;
        std::string delimiters;
        std::vector<std::string> entries;  // the fields and the closing empty string
    };
    const std::vector<Case> cases = {
        {"", "", {""}},
        {" ;\t, ;", "", {""}},
        {"Time;Speed;Load", "", {"Time", "Speed", "Load", ""}},
        {" 1 , 2 ,3 ", "", {"1", "2", "3", ""}},
        {"a,,b", "", {"a", "b", ""}},
        {"Series A\t12,5", "", {"SeriesA", "12", "5", ""}},
        {"a:b,c", ":", {"a", "b,c", ""}},
        {"\"q\";x", "", {"\"q\"", "x", ""}},
        {"a ; ;b", "", {"a", "b", ""}},
        {"a b", " ", {"ab", ""}},  // spaces go before splitting, even when they are delimiters
        // Multi-byte characters: text and delimiters are matched whole.
        {"\xd0\x90;\xd0\x91", "", {"\xd0\x90", "\xd0\x91", ""}},
        {"x\xc2\xa7y\xc2\xa8z", "\xc2\xa7", {"x", "y\xc2\xa8z", ""}},
    };
    CDiagram d(nullptr);
    for (const Case& c : cases) {
        CString line(c.line.c_str(), static_cast<int>(c.line.size()));
        const int n = d.SplitLine(line, CString(c.delimiters.c_str()));
        EXPECT_EQ(n, static_cast<int>(c.entries.size())) << c.line;
        EXPECT_EQ(Entries(d.m_aHeader), c.entries) << c.line;
        EXPECT_EQ(line.view(), c.line) << "the caller's line keeps its spaces";
    }
}

TEST(SplitLineTest, EntriesFromALongerEarlierSplitDoNotSurvive) {
    CDiagram d(nullptr);
    d.SplitLine("a;b;c;d;e", "");
    EXPECT_EQ(d.SplitLine("x", ""), 2);
    EXPECT_EQ(Entries(d.m_aHeader), (std::vector<std::string>{"x", ""}));
}
