// The trace surface: what each call records and how a record is printed.
#include <gtest/gtest.h>

#include <string>

#include "drawing/TraceDC.h"

TEST(TraceTest, RecordsEveryCallWithTheStateAtThatTime) {
    TraceCollector trace;
    FixedTextMetrics metrics(7);
    TraceDC dc(trace, metrics);
    CPen red(PS_SOLID, 0, RGB(255, 0, 0));
    CPen wide(PS_SOLID, -3, RGB(1, 2, 3));
    LOGFONT lf{};
    lf.lfHeight = 14;
    lf.lfWeight = FW_NORMAL;
    CFont small;
    small.CreateFontIndirect(&lf);

    dc.Rectangle(1, 2, 30, 40);
    dc.MoveTo(5, 6);
    CPen* stock = dc.SelectObject(&red);
    dc.LineTo(7, 8);
    dc.SelectObject(&wide);
    dc.LineTo(9, 10);
    dc.FillSolidRect(1, 1, 5, 5, RGB(0, 0, 0));
    dc.SelectObject(&small);
    dc.SetTextAlign(TA_CENTER);
    dc.SetTextColor(RGB(0x12, 0x34, 0x56));
    SIZE size{};
    dc.GetTextExtentPoint32("ab", 2, &size);
    dc.TextOut(3, 4, CString("q\"\\\x01\xd0\x96 ~"));
    dc.SelectObject(stock);
    EXPECT_EQ(size.cx, 14);
    EXPECT_EQ(size.cy, 14);
    EXPECT_EQ(dc.Surface().PenWidth(), 1);
    EXPECT_EQ(trace.Text(),
              "rect 1 2 30 40 pen=#000000/1 brush=#ffffff\n"
              "line 5 6 7 8 pen=#ff0000/0\n"
              "line 7 8 9 10 pen=#010203/-3\n"
              "fill 1 1 5 5 #000000\n"
              "measure font=14/400 \"ab\" 14 14\n"
              "text 3 4 align=center color=#123456 font=14/400 \"q\\\"\\\\\\x01\\xd0\\x96 ~\"\n");
}

TEST(TraceTest, AFreshSurfaceHasTheStockState) {
    TraceCollector trace;
    FixedTextMetrics metrics;
    TraceDC dc(trace, metrics);
    dc.TextOut(0, 0, CString("x"));
    ASSERT_EQ(trace.records.size(), 1u);
    EXPECT_EQ(FormatTraceRecord(trace.records[0]),
              "text 0 0 align=left color=#000000 font=16/400 \"x\"");
    EXPECT_NE(dc.GetCurrentObject(OBJ_PEN), nullptr);
    EXPECT_EQ(dc.GetCurrentObject(OBJ_PEN + 100), nullptr);
}
