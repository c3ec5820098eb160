#include "app/framework/ToolBar.h"

#include <QAction>
#include <QPixmap>

#include "app/framework/MDIFrame.h"
#include "app/framework/Resource.h"
#include "app/framework/ResourceImages.h"

CToolBar::CToolBar() = default;

BOOL CToolBar::CreateEx(CMDIFrameWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, const RECT&,
                        UINT nID) {
    if (!pParentWnd)
        return FALSE;
    m_pFrame = pParentWnd;
    m_nID = nID;
    setParent(pParentWnd);
    setWindowTitle(QString::fromLocal8Bit(AfxLoadString(AFX_IDS_APP_TITLE)));
    // Qt's tool buttons are flat (raised under the mouse) already; TBSTYLE_FLAT asks for that.
    (void)dwCtrlStyle;
    setMovable((dwStyle & CBRS_GRIPPER) != 0);
    setFloatable(true);
    setAllowedAreas(Qt::TopToolBarArea);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setIconSize(QSize(16, 15));
    // Tooltips and the status-bar prompt come from the actions (CBRS_TOOLTIPS, CBRS_FLYBY).
    pParentWnd->m_pToolBar = this;
    setVisible((dwStyle & WS_VISIBLE) != 0);
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource) {
    const ToolBarResource* res = AfxFindToolBar(nIDResource);
    const Bitmap16* bitmap = AfxFindBitmap(nIDResource);
    if (!res || !bitmap || !m_pFrame)
        return FALSE;
    const QImage strip = ImageFromBitmap(*bitmap, true);
    int image = 0;
    for (UINT id : res->buttons) {
        if (id == ID_SEPARATOR) {
            addSeparator();
            m_buttons.push_back(id);
            continue;
        }
        QAction* action = m_pFrame->Action(id);
        const QImage face =
            strip.copy(image * res->buttonWidth, 0, res->buttonWidth, res->buttonHeight);
        action->setIcon(QIcon(QPixmap::fromImage(face)));
        addAction(action);
        m_buttons.push_back(id);
        ++image;
    }
    return TRUE;
}

void CToolBar::EnableDocking(DWORD dwDockStyle) {
    Qt::ToolBarAreas areas;
    if (dwDockStyle & CBRS_ALIGN_LEFT)
        areas |= Qt::LeftToolBarArea;
    if (dwDockStyle & CBRS_ALIGN_TOP)
        areas |= Qt::TopToolBarArea;
    if (dwDockStyle & CBRS_ALIGN_RIGHT)
        areas |= Qt::RightToolBarArea;
    if (dwDockStyle & CBRS_ALIGN_BOTTOM)
        areas |= Qt::BottomToolBarArea;
    setAllowedAreas(areas);
    setFloatable(true);
}

UINT CToolBar::GetItemID(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_buttons[static_cast<std::size_t>(nIndex)] : 0;
}
