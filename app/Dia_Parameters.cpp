#include "app/Dia_Parameters.h"

#include <cstdlib>

#include "app/Resource.h"
#include "diagram/Diagram.h"

namespace {

const CommandEntry<CDia_Parameters> kCommands[] = {
    {IDC_AUTOSCALE_Y, &CDia_Parameters::OnAutoScaleYClicked},
};

CString Formatted(const char* format, double value) {
    CString text;
    text.Format(format, value);
    return text;
}

}  // namespace

CDia_Parameters::CDia_Parameters(QWidget* pParent)
    : CDialog(IDD_PARAMETERS, pParent), m_pDiagram(nullptr) {}

CDia_Parameters::~CDia_Parameters() = default;

void CDia_Parameters::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SHOW_MARKS, m_chkShowMarks);
    DDX_Control(pDX, IDC_SHOW_LEGEND, m_chkShowLegend);
    DDX_Control(pDX, IDC_AUTOSCALE_X, m_chkAutoScaleX);
    DDX_Control(pDX, IDC_GRID_X, m_chkGridX);
    DDX_Control(pDX, IDC_MIN_X, m_editMinX);
    DDX_Control(pDX, IDC_STEP_X, m_editStepX);
    DDX_Control(pDX, IDC_AUTOSCALE_Y, m_chkAutoScaleY);
    DDX_Control(pDX, IDC_GRID_Y, m_chkGridY);
    DDX_Control(pDX, IDC_MIN_Y, m_editMinY);
    DDX_Control(pDX, IDC_STEP_Y, m_editStepY);
    DDX_Control(pDX, IDC_LINE_WIDTH, m_editLineWidth);
}

BOOL CDia_Parameters::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!m_pDiagram)
        return TRUE;
    const CDiagram& d = *m_pDiagram;
    m_chkShowMarks.SetCheck(d.m_bShowMarks ? 1 : 0);
    m_chkShowLegend.SetCheck(d.m_bShowLegend ? 1 : 0);
    CString width;
    width.Format("%d", d.m_nLineWidth);
    m_editLineWidth.SetWindowText(width);
    m_chkGridX.SetCheck(d.m_bGridX ? 1 : 0);
    m_editMinX.SetWindowText(Formatted("%.2f", d.m_dMinX));
    m_editStepX.SetWindowText(Formatted("%.2f", d.m_dStepX));
    m_chkAutoScaleY.SetCheck(d.m_bAutoScaleY ? 1 : 0);
    m_chkGridY.SetCheck(d.m_bGridY ? 1 : 0);
    m_editMinY.SetWindowText(Formatted("%.2f", d.m_dMinY));
    m_editStepY.SetWindowText(Formatted("%.2f", d.m_dStepY));
    EnableYRange();
    return TRUE;
}

void CDia_Parameters::EnableYRange() {
    const BOOL manual = IsDlgButtonChecked(IDC_AUTOSCALE_Y) ? FALSE : TRUE;
    m_editMinY.EnableWindow(manual);
    m_editStepY.EnableWindow(manual);
}

void CDia_Parameters::OnAutoScaleYClicked() {
    EnableYRange();
}

void CDia_Parameters::OnOK() {
    if (m_pDiagram) {
        CDiagram& d = *m_pDiagram;
        d.m_bShowMarks = m_chkShowMarks.GetCheck() != BST_UNCHECKED;
        d.m_bShowLegend = m_chkShowLegend.GetCheck() != BST_UNCHECKED;
        d.m_nLineWidth = std::atoi(m_editLineWidth.GetWindowText());
        d.m_bGridX = m_chkGridX.GetCheck() != BST_UNCHECKED;
        d.m_dMinX = std::atof(m_editMinX.GetWindowText());
        d.m_dStepX = std::atof(m_editStepX.GetWindowText());
        d.m_bAutoScaleY = m_chkAutoScaleY.GetCheck() != BST_UNCHECKED;
        d.m_bGridY = m_chkGridY.GetCheck() != BST_UNCHECKED;
        d.m_dMinY = std::atof(m_editMinY.GetWindowText());
        d.m_dStepY = std::atof(m_editStepY.GetWindowText());
    }
    CDialog::OnOK();
}

bool CDia_Parameters::OnCmdMsg(UINT nID, CCmdUI* pCmdUI) {
    return DispatchCommand(this, kCommands, nID, pCmdUI) || CDialog::OnCmdMsg(nID, pCmdUI);
}
