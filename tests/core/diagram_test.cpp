// The diagram object: construction, defaults and the release of its rows.
#include <gtest/gtest.h>

#include <cstring>

#include "diagram/Diagram.h"

TEST(DiagramTest, FreshObjectHoldsTheDefaults) {
    CFixedSizeWnd wnd(640, 480);
    CDiagram d(&wnd);
    EXPECT_EQ(d.m_pWnd, &wnd);
    EXPECT_EQ(d.m_strTitle.view(), "The diagram");
    EXPECT_EQ(d.m_nColumns, 0);
    EXPECT_EQ(d.m_aRows.GetSize(), 0);
    EXPECT_EQ(d.m_aStyles.GetSize(), 0);
    EXPECT_EQ(d.m_rcFrame, (RECT{20, 20, 820, 520}));
    EXPECT_EQ(d.m_pDC, nullptr);
    EXPECT_TRUE(d.m_bFitToWindow && d.m_bAutoScaleY && d.m_bShowFrame && d.m_bGridX && d.m_bGridY &&
                d.m_bShowLegend);
    EXPECT_FALSE(d.m_bShowMarks);
    EXPECT_EQ(d.m_nLineWidth, 1);
    EXPECT_EQ(d.m_nBorder, 10);
    EXPECT_EQ(d.m_nMargin, 40);
    EXPECT_EQ(d.m_nStepPixX, 50);
    EXPECT_EQ(d.m_nStepPixY, 50);
    EXPECT_EQ(d.m_nTicks, 5);
    EXPECT_EQ(d.m_dMinX, 0.0);
    EXPECT_EQ(d.m_dMinY, -10.0);
    EXPECT_EQ(d.m_dStepX, 10.0);
    EXPECT_EQ(d.m_dStepY, 5.0);
    EXPECT_EQ(d.m_crTitle, 0u);
    EXPECT_EQ(d.m_crText, 0u);

    const COLORREF palette[] = {RGB(0, 0, 0),     RGB(0, 0, 255), RGB(255, 0, 0),
                                RGB(150, 0, 150), RGB(0, 150, 0), RGB(150, 150, 0),
                                RGB(0, 150, 150), RGB(0, 0, 0)};
    ASSERT_EQ(d.m_aPalette.GetSize(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(d.m_aPalette[i], palette[i]) << i;

    EXPECT_TRUE(d.m_penGrid.HasObject());
    EXPECT_EQ(d.m_penGrid.GetColor(), 16435400u);
    EXPECT_EQ(d.m_penGrid.GetWidth(), 1);
    EXPECT_EQ(d.m_penGrid.GetStyle(), PS_SOLID);

    struct FontCase {
        const CFont& font;
        LONG height;
        LONG weight;
    };
    for (const FontCase& f :
         {FontCase{d.m_fontTitle, 18, FW_BOLD}, FontCase{d.m_fontCaption, 16, FW_NORMAL},
          FontCase{d.m_fontSmall, 14, FW_NORMAL}}) {
        EXPECT_TRUE(f.font.HasObject());
        EXPECT_EQ(f.font.GetLogFont().lfHeight, f.height);
        EXPECT_EQ(f.font.GetLogFont().lfWeight, f.weight);
        EXPECT_STREQ(f.font.GetLogFont().lfFaceName, "Arial Cyr");
        EXPECT_EQ(f.font.GetLogFont().lfCharSet, ANSI_CHARSET);
        EXPECT_EQ(f.font.GetLogFont().lfItalic, 0);
    }
}

TEST(DiagramTest, SetDefaultsEmptiesTheDataAndThePaletteButKeepsResources) {
    CDiagram d(nullptr);
    auto* row = new CStringArray;
    row->Add("x");
    row->Add("1");
    d.m_aRows.Add(row);
    d.m_aStyles.Add(SeriesStyle{});
    d.m_nColumns = 2;
    d.m_strTitle = "Mine";
    d.m_bShowMarks = true;
    d.m_aHeader.Add("kept");
    d.SetDefaults();
    EXPECT_EQ(d.m_aRows.GetSize(), 0);
    EXPECT_EQ(d.m_aStyles.GetSize(), 0);
    EXPECT_EQ(d.m_aPalette.GetSize(), 0) << "SetDefaults does not refill the palette";
    EXPECT_EQ(d.m_nColumns, 0);
    EXPECT_EQ(d.m_strTitle.view(), "The diagram");
    EXPECT_FALSE(d.m_bShowMarks);
    EXPECT_EQ(d.m_aHeader.GetSize(), 1);
    EXPECT_TRUE(d.m_penGrid.HasObject());
    EXPECT_TRUE(d.m_fontTitle.HasObject());
}
