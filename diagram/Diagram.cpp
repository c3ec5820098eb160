#include "diagram/Diagram.h"

#include <cstring>

CDiagram::CDiagram(CWnd* pWnd) {
    m_pWnd = pWnd;
    SetDefaults();
    CreateFonts();
    m_penGrid.CreatePen(PS_SOLID, 1, RGB(200, 200, 250));
    InitPalette();
}

CDiagram::~CDiagram() {
    DeleteRows();
}

void CDiagram::DeleteRows() noexcept {
    for (CStringArray* row : m_aRows)
        delete row;
    m_aRows.RemoveAll();
    m_values.Clear();
}

void CDiagram::SetDefaults() {
    m_aStyles.RemoveAll();
    DeleteRows();
    m_aPalette.RemoveAll();

    m_dMinX = 0.0;
    m_dMinY = -10.0;
    m_dStepX = 10.0;
    m_dStepY = 5.0;
    m_bFitToWindow = true;
    m_bAutoScaleY = true;
    m_bShowFrame = true;
    m_bGridX = true;
    m_bGridY = true;
    m_bShowLegend = true;
    m_bShowMarks = false;
    m_nLineWidth = 1;
    m_pDC = nullptr;
    m_nColumns = 0;
    m_nBorder = 10;
    m_nMargin = 40;
    m_nStepPixX = 50;
    m_nStepPixY = 50;
    m_nTicks = 5;
    m_crTitle = RGB(0, 0, 0);
    m_crText = RGB(0, 0, 0);

    m_strTitle = "The diagram";
    m_rcFrame = RECT{20, 20, 820, 520};
}

void CDiagram::CreateFonts() {
    LOGFONT lf{};
    std::strcpy(lf.lfFaceName, "Arial Cyr");

    lf.lfHeight = 18;
    lf.lfWeight = FW_BOLD;
    m_fontTitle.CreateFontIndirect(&lf);

    lf.lfHeight = 16;
    lf.lfWeight = FW_NORMAL;
    m_fontCaption.CreateFontIndirect(&lf);

    lf.lfHeight = 14;
    lf.lfWeight = FW_NORMAL;
    m_fontSmall.CreateFontIndirect(&lf);
}

void CDiagram::InitPalette() {
    m_aPalette.Add(RGB(0, 0, 0));
    m_aPalette.Add(RGB(0, 0, 255));
    m_aPalette.Add(RGB(255, 0, 0));
    m_aPalette.Add(RGB(150, 0, 150));
    m_aPalette.Add(RGB(0, 150, 0));
    m_aPalette.Add(RGB(150, 150, 0));
    m_aPalette.Add(RGB(0, 150, 150));
    m_aPalette.Add(RGB(0, 0, 0));
}

const CellValues& CDiagram::Values() {
    if (!m_values.Matches(m_aRows, m_nColumns))
        m_values.Build(m_aRows, m_nColumns);
    return m_values;
}
