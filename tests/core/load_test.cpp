// Loading a data file: the format, the failures and hostile input.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "diagram/Diagram.h"
#include "tests/support/CapturedMessages.h"
#include "tests/support/TempFile.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows RowsOf(const CDiagram& d) {
    Rows rows;
    for (const CStringArray* row : d.m_aRows) {
        std::vector<std::string> cells;
        for (const CString& c : *row)
            cells.emplace_back(c.data(), c.size());
        rows.push_back(cells);
    }
    return rows;
}

std::vector<std::string> Names(const CDiagram& d) {
    std::vector<std::string> names;
    for (const SeriesStyle& s : d.m_aStyles)
        names.emplace_back(s.szName);
    return names;
}

std::string Quoted(const char* format, const std::string& path) {
    CString s;
    s.Format(format, path.c_str());
    return std::string(s.view());
}

struct Loaded {
    bool ok;
    std::vector<std::string> messages;
};

Loaded LoadBytes(CDiagram& d, const std::string& bytes) {
    TempFile file(bytes);
    CapturedMessages messages;
    bool ok = d.Load(CString(file.path().c_str()));
    return {ok, messages.texts()};
}

}  // namespace

TEST(LoadTest, WorkedExample) {
    CDiagram d(nullptr);
    Loaded r = LoadBytes(d,
                         "Engine test, bench 4\n"
                         "Time; Speed; Load\n"
                         "10:00; 1200; 35\n"
                         "10:05; 1450; 40; 7\n"
                         ";;\n"
                         "10:10; 1500\n");
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(d.m_strTitle.view(), "Engine test, bench 4");
    EXPECT_EQ(d.m_nColumns, 3);
    EXPECT_EQ(Names(d), (std::vector<std::string>{"Time", "Speed", "Load"}));
    ASSERT_EQ(d.m_aStyles.GetSize(), 3);
    EXPECT_EQ(d.m_aStyles[0].crColor, RGB(0, 0, 0));
    EXPECT_EQ(d.m_aStyles[1].crColor, RGB(0, 0, 255));
    EXPECT_EQ(d.m_aStyles[2].crColor, RGB(255, 0, 0));
    for (const SeriesStyle& s : d.m_aStyles)
        EXPECT_EQ(s.nMarkSize, 5);
    EXPECT_EQ(RowsOf(d),
              (Rows{{"10:00", "1200", "35"}, {"10:05", "1450", "40"}, {"10:10", "1500", ""}}));
    EXPECT_TRUE(d.m_bShowLegend);
    // The cached values agree with the texts; the empty cell counts as 0 but not as a value.
    const CellValues& v = d.Values();
    EXPECT_EQ(v.Value(1, 1), 1450.0);
    EXPECT_EQ(v.Value(2, 2), 0.0);
    EXPECT_EQ(v.ColumnExtremes(2).min, 35.0);
    EXPECT_EQ(v.ColumnExtremes(2).max, 40.0);
}

TEST(LoadTest, FileShapes) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string title;
        int columns;
        Rows rows;
        bool legendAfter;  // the legend starts switched on
    };
    const std::vector<Case> cases = {
        {"empty file", "", "", 0, {}, false},
        {"blank lines only", "\n ;\n\t\n", "", 0, {}, false},
        {"title only", "Just a title\n", "Just a title", 0, {}, false},
        {"title keeps separators", " A;\tB, c \nx;y\n", " A;\tB, c ", 2, {}, false},
        {"blank lines everywhere",
         "\n\nT\n\n;;\nX;Y;Z\n\n1;2;3\n ,\n4;5;6\n\n",
         "T",
         3,
         {{"1", "2", "3"}, {"4", "5", "6"}},
         true},
        {"two header fields: one curve, no legend", "T\nX;Y\n1;2\n", "T", 2, {{"1", "2"}}, false},
        {"no title line: the header is taken as title",
         "X;Y;Z\n1;2;3\n4;5;6\n",
         "X;Y;Z",
         3,
         {{"4", "5", "6"}},
         true},
        {"CR line ends: one long title", "T\rX;Y\r1;2\r", "T\rX;Y\r1;2\r", 0, {}, false},
        {"CR LF line ends", "T\r\nX;Y;Z\r\n1;2;3\r\n", "T", 3, {{"1", "2", "3"}}, true},
        {"0x1A ends the file",
         std::string("T\nX;Y;Z\n1;2;3\n\x1A"
                     "4;5;6\n"),
         "T",
         3,
         {{"1", "2", "3"}},
         true},
        {"surplus fields dropped", "T\nX;Y;Z\n1;2;3;4;5\n", "T", 3, {{"1", "2", "3"}}, true},
        {"one field short: empty last cell", "T\nX;Y;Z\n1;2\n", "T", 3, {{"1", "2", ""}}, true},
        {"several fields short: padded",
         "T\nA;B;C;D;E\n1;2\nlabel\n",
         "T",
         5,
         {{"1", "2", "", "", ""}, {"label", "", "", "", ""}},
         true},
        {"header only", "T\nX;Y;Z\n", "T", 3, {}, true},
    };
    for (const Case& c : cases) {
        CDiagram d(nullptr);
        Loaded r = LoadBytes(d, c.bytes);
        EXPECT_TRUE(r.ok) << c.name;
        EXPECT_TRUE(r.messages.empty()) << c.name;
        EXPECT_EQ(d.m_strTitle.view(), c.title) << c.name;
        EXPECT_EQ(d.m_nColumns, c.columns) << c.name;
        EXPECT_EQ(d.m_aStyles.GetSize(), c.columns) << c.name;
        EXPECT_EQ(RowsOf(d), c.rows) << c.name;
        EXPECT_EQ(d.m_bShowLegend, c.legendAfter) << c.name;
    }
}

TEST(LoadTest, HeaderNamesLoseSpacesAndAreCutTo71Characters) {
    std::string longName(80, 'n');
    std::string cyrillic;
    for (int i = 0; i < 75; ++i)
        cyrillic += "\xd0\x96";
    CDiagram d(nullptr);
    ASSERT_TRUE(LoadBytes(d, "T\nEngine speed;" + longName + ";" + cyrillic + "\n").ok);
    std::string cut;
    for (int i = 0; i < 71; ++i)
        cut += "\xd0\x96";
    EXPECT_EQ(Names(d), (std::vector<std::string>{"Enginespeed", std::string(71, 'n'), cut}));
}

TEST(LoadTest, ColumnsFromTheEighthOnGetComputedColours) {
    CDiagram d(nullptr);
    ASSERT_TRUE(LoadBytes(d, "T\nc0;c1;c2;c3;c4;c5;c6;c7;c8;c9;c10;c11\n").ok);
    ASSERT_EQ(d.m_aStyles.GetSize(), 12);
    EXPECT_EQ(d.m_aStyles[7].crColor, RGB(0, 0, 0));
    EXPECT_EQ(d.m_aStyles[8].crColor, RGB(144, 111, 28));
    EXPECT_EQ(d.m_aStyles[9].crColor, RGB(194, 61, 25));
    EXPECT_EQ(d.m_aStyles[10].crColor, RGB(244, 11, 23));
    EXPECT_EQ(d.m_aStyles[11].crColor, RGB(38, 217, 21));
}

TEST(LoadTest, OneFieldHeaderFailsWithTheFormatMessage) {
    CDiagram d(nullptr);
    TempFile file("Title\nOnly\n1\n");
    CapturedMessages messages;
    EXPECT_FALSE(d.Load(CString(file.path().c_str())));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{Quoted(
                                    "The File \"%s\" has an incorrect format.", file.path())});
    EXPECT_TRUE(d.m_strTitle.IsEmpty());
    EXPECT_EQ(d.m_aStyles.GetSize(), 0);
    EXPECT_EQ(d.m_aRows.GetSize(), 0);
}

TEST(LoadTest, FailedOpenLeavesTheObjectExactlyAsBefore) {
    TempDir dir;
    const std::string fifo = (dir.path() / "fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::vector<std::string> paths = {(dir.path() / "missing.csv").string(),
                                            dir.path().string(), fifo, "/dev/null"};
    for (const std::string& path : paths) {
        CDiagram d(nullptr);
        ASSERT_TRUE(LoadBytes(d, "Before\nX;Y;Z\n1;2;3\n").ok);
        d.m_bShowMarks = true;
        CapturedMessages messages;
        EXPECT_FALSE(d.Load(CString(path.c_str()))) << path;
        EXPECT_EQ(messages.texts(),
                  std::vector<std::string>{Quoted("Can not open a file \"%s\".", path)});
        EXPECT_EQ(d.m_strTitle.view(), "Before");
        EXPECT_EQ(d.m_nColumns, 3);
        EXPECT_EQ(Names(d), (std::vector<std::string>{"X", "Y", "Z"}));
        EXPECT_EQ(RowsOf(d), (Rows{{"1", "2", "3"}}));
        EXPECT_TRUE(d.m_bShowMarks);
    }
}

TEST(LoadTest, ALoadReplacesThePreviousDataButNotTheSettings) {
    CDiagram d(nullptr);
    ASSERT_TRUE(LoadBytes(d, "First\nA;B;C\n1;2;3\n4;5;6\n").ok);
    d.m_nLineWidth = 4;
    ASSERT_TRUE(LoadBytes(d, "Second\nP;Q;R\n7;8;9\n").ok);
    EXPECT_EQ(d.m_strTitle.view(), "Second");
    EXPECT_EQ(RowsOf(d), (Rows{{"7", "8", "9"}}));
    EXPECT_EQ(d.m_nLineWidth, 4);
    EXPECT_EQ(d.Values().Rows(), 1u);
}

TEST(LoadTest, HostileFilesEndInAnOutcomeAndLeaveTheFileUntouched) {
    std::string binary;
    for (int i = 0; i < 65536; ++i)
        binary += static_cast<char>((i * 7919) & 0xFF);
    std::string wideHeader = "T\n";
    for (int i = 0; i < 100000; ++i)
        wideHeader += "c" + std::to_string(i) + ";";
    wideHeader += "\n1;2\n";
    const std::string hugeLine = "T\nX;Y\n" + std::string(10 * 1024 * 1024, '7') + ";1\n";
    const std::string nuls = std::string("T\nX;Y\na\0b;1\0", 13) + "2\n";

    struct Case {
        const char* name;
        const std::string& bytes;
    };
    for (const Case& c : {Case{"binary", binary}, Case{"100,000 header fields", wideHeader},
                          Case{"a 10 MB line", hugeLine}, Case{"NUL bytes", nuls}}) {
        TempFile file(c.bytes);
        struct stat before {};
        ASSERT_EQ(stat(file.path().c_str(), &before), 0);
        CDiagram d(nullptr);
        CapturedMessages messages;
        const bool ok = d.Load(CString(file.path().c_str()));
        // Either loaded consistently, or refused with exactly one message.
        if (ok) {
            EXPECT_TRUE(messages.texts().empty()) << c.name;
            for (const CStringArray* row : d.m_aRows)
                EXPECT_EQ(row->GetSize(), d.m_nColumns);
            EXPECT_EQ(d.m_aStyles.GetSize(), d.m_nColumns) << c.name;
        } else {
            EXPECT_EQ(messages.texts().size(), 1u) << c.name;
        }
        struct stat after {};
        ASSERT_EQ(stat(file.path().c_str(), &after), 0);
        EXPECT_EQ(after.st_size, before.st_size) << c.name;
        EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec) << c.name;
        EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec) << c.name;
    }
    // The wide header really is read whole.
    CDiagram d(nullptr);
    ASSERT_TRUE(LoadBytes(d, wideHeader).ok);
    EXPECT_EQ(d.m_nColumns, 100000);
    EXPECT_EQ(d.m_aRows.GetSize(), 1);
    EXPECT_EQ(d.m_aRows[0]->GetAt(99999).view(), "");
}

TEST(LoadTest, AReadErrorInMidFileIsReportedAndLeavesNoData) {
    // Reading this process's own memory at offset 0 fails with an I/O error after the open
    // succeeds: a file that opens but cannot be read.
    const std::string path = "/proc/self/mem";
    CDiagram d(nullptr);
    CapturedMessages messages;
    EXPECT_FALSE(d.Load(CString(path.c_str())));
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{Quoted("Can not read a file \"%s\".", path)});
    EXPECT_TRUE(d.m_strTitle.IsEmpty());
    EXPECT_EQ(d.m_nColumns, 0);
    EXPECT_EQ(d.m_aStyles.GetSize(), 0);
    EXPECT_EQ(d.m_aRows.GetSize(), 0);
}
