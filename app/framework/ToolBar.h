// CToolBar: a flat, movable and floatable QToolBar whose buttons are the frame's command actions,
// pictured from the toolbar's 16-colour bitmap.
#pragma once

#include <QToolBar>
#include <vector>

#include "platform/Types.h"

class CMDIFrameWnd;
struct RECT;

class CToolBar : public QToolBar {
  public:
    CToolBar();

    // Creates the bar on the frame with the control and bar styles (TBSTYLE_FLAT, CBRS_GRIPPER,
    // CBRS_TOOLTIPS, CBRS_FLYBY, ...).
    BOOL CreateEx(CMDIFrameWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, const RECT& rcBorders,
                  UINT nID);
    // One button per command of the toolbar resource, in order, cut from its bitmap.
    BOOL LoadToolBar(UINT nIDResource);
    // Where the bar may dock (CBRS_ALIGN_ANY: every edge); it can always float.
    void EnableDocking(DWORD dwDockStyle);

    UINT GetDlgCtrlID() const { return m_nID; }
    UINT GetItemID(int nIndex) const;
    int GetCount() const { return static_cast<int>(m_buttons.size()); }

  private:
    std::vector<UINT> m_buttons;
    CMDIFrameWnd* m_pFrame = nullptr;
    UINT m_nID = 0;
};
