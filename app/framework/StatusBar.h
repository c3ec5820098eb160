// CStatusBar: a message pane (ID_SEPARATOR) that shows the prompt of the highlighted menu item or
// button, or the idle text, and indicator panes named by their strings (CAP, NUM, SCRL).
#pragma once

#include <QStatusBar>
#include <vector>

#include "platform/Types.h"

class QLabel;
class CMDIFrameWnd;

class CStatusBar : public QStatusBar {
  public:
    CStatusBar();

    BOOL Create(CMDIFrameWnd* pParentWnd, DWORD dwStyle, UINT nID);
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int GetCount() const { return static_cast<int>(m_panes.size()); }
    UINT GetItemID(int nIndex) const;
    QString GetPaneText(int nIndex) const;
    void SetPaneText(int nIndex, const QString& text);

  private:
    struct Pane {
        UINT id;
        QLabel* label;
    };
    std::vector<Pane> m_panes;
};
