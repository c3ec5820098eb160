#include "app/framework/StatusBar.h"

#include <QLabel>

#include "app/framework/MDIFrame.h"
#include "app/framework/Resource.h"

CStatusBar::CStatusBar() = default;

BOOL CStatusBar::Create(CMDIFrameWnd* pParentWnd, DWORD dwStyle, UINT) {
    if (!pParentWnd)
        return FALSE;
    pParentWnd->setStatusBar(this);
    pParentWnd->m_pStatusBar = this;
    setSizeGripEnabled(true);
    setVisible((dwStyle & WS_VISIBLE) != 0);
    return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
    for (Pane& pane : m_panes) {
        removeWidget(pane.label);
        delete pane.label;
    }
    m_panes.clear();
    for (int i = 0; i < nIDCount; ++i) {
        const UINT id = lpIDArray[i];
        auto* label = new QLabel(this);
        if (id == ID_SEPARATOR) {
            label->setText(QString::fromLocal8Bit(AfxLoadString(AFX_IDS_IDLEMESSAGE)));
            addWidget(label, 1);
        } else {
            const char* name = AfxLoadString(id);
            if (!name)
                return FALSE;
            // The lock state of the keys is not known to the toolkit: the indicator shows its
            // name greyed.
            label->setText(QString::fromLocal8Bit(name));
            label->setEnabled(false);
            label->setAlignment(Qt::AlignCenter);
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setMinimumWidth(label->fontMetrics().horizontalAdvance(label->text()) + 8);
            addPermanentWidget(label);
        }
        m_panes.push_back(Pane{id, label});
    }
    return TRUE;
}

UINT CStatusBar::GetItemID(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<std::size_t>(nIndex)].id : 0;
}

QString CStatusBar::GetPaneText(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetCount())
        return QString();
    return m_panes[static_cast<std::size_t>(nIndex)].label->text();
}

void CStatusBar::SetPaneText(int nIndex, const QString& text) {
    if (nIndex >= 0 && nIndex < GetCount())
        m_panes[static_cast<std::size_t>(nIndex)].label->setText(text);
}
