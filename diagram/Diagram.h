// CDiagram: one data file's contents, the settings that govern its drawing and its drawing
// resources. The view owns it; the document and the Parameters dialog read and write its members
// directly.
#pragma once

#include "diagram/CellValues.h"
#include "diagram/SeriesStyle.h"
#include "drawing/DC.h"
#include "drawing/Gdi.h"
#include "platform/Array.h"
#include "platform/String.h"
#include "platform/Types.h"
#include "platform/Wnd.h"

class CDiagram {
  public:
    explicit CDiagram(CWnd* pWnd);
    ~CDiagram();
    CDiagram(const CDiagram&) = delete;
    CDiagram& operator=(const CDiagram&) = delete;

    void SetDefaults();
    void CreateFonts();
    void InitPalette();

    int SplitLine(CString strLine, CString strDelimiters);
    bool Load(CString strPath);

    void Draw(CDC* pDC);
    void DrawCurve(int nColumn);
    void AutoScaleY();
    void DrawFrame();
    void DrawTicks();
    void DrawAxes();

    // The members, in declaration order.
    bool m_bFitToWindow = true;
    int m_nBorder = 10;
    int m_nMargin = 40;
    int m_nLegendWidth = 0;
    int m_nStepPixX = 50;
    int m_nStepPixY = 50;
    int m_nTicks = 5;
    int m_nColumns = 0;
    CWnd* m_pWnd = nullptr;
    CDC* m_pDC = nullptr;
    RECT m_rcFrame{20, 20, 820, 520};
    RECT m_rcPlot{};
    CFont m_fontTitle;
    CFont m_fontSmall;
    CFont m_fontCaption;
    COLORREF m_crTitle = 0;
    COLORREF m_crText = 0;
    CPen m_penGrid;
    CString m_strTitle;
    CStringArray m_aHeader;
    CArray<CStringArray*> m_aRows;
    CArray<SeriesStyle> m_aStyles;
    CArray<COLORREF> m_aPalette;
    bool m_bAutoScaleY = true;
    bool m_bShowFrame = true;
    bool m_bGridX = true;
    bool m_bGridY = true;
    bool m_bShowMarks = false;
    bool m_bShowLegend = true;
    int m_nLineWidth = 1;
    double m_dMinX = 0.0;
    double m_dMinY = -10.0;
    double m_dStepX = 10.0;
    double m_dStepY = 5.0;

    // The numeric values of the curve cells, converted once (atof is deterministic) so that a
    // drawing pass does not convert every cell again. Load fills it; it is rebuilt from the cell
    // texts whenever the rows no longer match it. Code that edits a cell in place calls
    // InvalidateValues().
    const CellValues& Values();
    void InvalidateValues() noexcept { m_values.Clear(); }

  private:
    void DeleteRows() noexcept;

    CellValues m_values;
};
