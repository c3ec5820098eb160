// CDia_Parameters: the Parameters dialog. It shows the settings of a diagram when it opens and
// writes them back into it on OK, and nowhere else.
#pragma once

#include "app/framework/Dialog.h"

class CDiagram;

class CDia_Parameters : public CDialog {
  public:
    static constexpr const char* kClassName = "CDia_Parameters";

    explicit CDia_Parameters(QWidget* pParent = nullptr);
    ~CDia_Parameters() override;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

    void OnAutoScaleYClicked();

    CDiagram* m_pDiagram;  // borrowed from the view
    CButton m_chkShowMarks;
    CButton m_chkShowLegend;
    CButton m_chkAutoScaleX;
    CButton m_chkGridX;
    CEdit m_editMinX;
    CEdit m_editStepX;
    CButton m_chkAutoScaleY;
    CButton m_chkGridY;
    CEdit m_editMinY;
    CEdit m_editStepY;
    CEdit m_editLineWidth;

  private:
    void EnableYRange();
};
