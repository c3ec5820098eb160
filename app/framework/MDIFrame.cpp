#include "app/framework/MDIFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>

#include "app/framework/DocTemplate.h"
#include "app/framework/Document.h"
#include "app/framework/Resource.h"
#include "app/framework/ResourceImages.h"
#include "app/framework/StatusBar.h"
#include "app/framework/ToolBar.h"
#include "app/framework/WinApp.h"

namespace {

const CommandEntry<CMDIFrameWnd> kFrameCommands[] = {
    {ID_WINDOW_CASCADE, &CMDIFrameWnd::OnWindowCascade},
    {ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnWindowTile},
    {ID_WINDOW_ARRANGE, &CMDIFrameWnd::OnWindowArrange},
    {ID_VIEW_TOOLBAR, &CMDIFrameWnd::OnViewToolBar, &CMDIFrameWnd::OnUpdateViewToolBar},
    {ID_VIEW_STATUS_BAR, &CMDIFrameWnd::OnViewStatusBar, &CMDIFrameWnd::OnUpdateViewStatusBar},
};

QString FromLocal(const char* text) {
    return QString::fromLocal8Bit(text ? text : "");
}

// The part of a command's prompt string before "\n" (the status-bar text) or after it (the
// tooltip).
QString PromptPart(UINT nID, bool tooltip) {
    const QString prompt = FromLocal(AfxLoadString(nID));
    const qsizetype newline = prompt.indexOf('\n');
    if (newline < 0)
        return tooltip ? QString() : prompt;
    return tooltip ? prompt.mid(newline + 1) : prompt.left(newline);
}

int QtKey(WORD vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        return vk;
    if (vk >= VK_F1 && vk < VK_F1 + 24)
        return Qt::Key_F1 + (vk - VK_F1);
    switch (vk) {
        case VK_BACK:
            return Qt::Key_Backspace;
        case VK_INSERT:
            return Qt::Key_Insert;
        case VK_DELETE:
            return Qt::Key_Delete;
        default:
            return 0;
    }
}

QKeySequence KeyOf(const AccelEntry& e) {
    int modifiers = 0;
    if (e.fVirt & FCONTROL)
        modifiers |= Qt::CTRL;
    if (e.fVirt & FSHIFT)
        modifiers |= Qt::SHIFT;
    if (e.fVirt & FALT)
        modifiers |= Qt::ALT;
    return QKeySequence(QtKey(e.key) | modifiers);
}

}  // namespace

// ---- CMDIFrameWnd -----------------------------------------------------------------------------

CMDIFrameWnd::CMDIFrameWnd() = default;

CMDIFrameWnd::~CMDIFrameWnd() {
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    // Child frames still open go now, while this is still a whole frame: their views and
    // documents must not reach a half-destroyed one.
    if (m_pMdiArea) {
        QObject::disconnect(m_pMdiArea, nullptr, this, nullptr);
        for (QMdiSubWindow* w : m_pMdiArea->subWindowList()) {
            if (auto* child = dynamic_cast<CMDIChildWnd*>(w))
                child->DetachFromMainFrame();
        }
        delete std::exchange(m_pMdiArea, nullptr);
    }
}

BOOL CMDIFrameWnd::PreCreateWindow(CREATESTRUCT&) {
    return TRUE;
}

BOOL CMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, QWidget* pParentWnd,
                             CCreateContext* pContext) {
    CREATESTRUCT cs;
    cs.lpCreateParams = pContext;
    cs.style = dwDefaultStyle;
    if (!PreCreateWindow(cs))
        return FALSE;
    if (pParentWnd)
        setParent(pParentWnd, Qt::Window);
    m_nIDResource = nIDResource;
    m_dwStyle = cs.style;
    setAttribute(Qt::WA_DeleteOnClose);
    m_strTitle = FromLocal(AfxLoadString(nIDResource));
    setWindowTitle(m_strTitle);
    setWindowIcon(AfxLoadIcon(nIDResource));

    m_pMdiArea = new QMdiArea(this);
    setCentralWidget(m_pMdiArea);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this] { OnActivateChild(); });

    if (OnCreate(&cs) == -1)
        return FALSE;
    // Keys with no menu item or button still need their command's action.
    if (const AccelTable* table = AfxFindAccelerators(nIDResource)) {
        for (const AccelEntry& e : table->entries)
            Action(e.cmd);
    }
    // The menus of the document templates too, so their commands have actions from the start.
    if (CWinApp* app = AfxGetApp()) {
        for (const auto& tmpl : app->DocTemplates())
            Menu(tmpl->GetResourceId());
    }
    ShowMenu(nIDResource);
    UpdateCommandUI();
    return TRUE;
}

int CMDIFrameWnd::OnCreate(LPCREATESTRUCT) {
    return 0;
}

void CMDIFrameWnd::ShowWindow(int nCmdShow) {
    if (nCmdShow == SW_HIDE) {
        hide();
    } else if (nCmdShow == SW_SHOWMAXIMIZED) {
        showMaximized();
    } else {
        show();
    }
}

void CMDIFrameWnd::UpdateWindow() {
    repaint();
}

void CMDIFrameWnd::EnableDocking(DWORD) {
    // Every edge of a QMainWindow takes toolbars; each bar says where it may dock itself.
    setDockOptions(dockOptions() | QMainWindow::AnimatedDocks);
}

void CMDIFrameWnd::DockControlBar(CToolBar* pBar) {
    addToolBar(Qt::TopToolBarArea, pBar);
}

std::vector<CMDIChildWnd*> CMDIFrameWnd::ChildFrames() const {
    std::vector<CMDIChildWnd*> frames;
    if (!m_pMdiArea)
        return frames;
    for (QMdiSubWindow* w : m_pMdiArea->subWindowList(QMdiArea::CreationOrder)) {
        auto* child = dynamic_cast<CMDIChildWnd*>(w);
        if (child && child->GetActiveView())
            frames.push_back(child);
    }
    return frames;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const {
    if (!m_pMdiArea)
        return nullptr;
    auto* current = dynamic_cast<CMDIChildWnd*>(m_pMdiArea->currentSubWindow());
    if (current && current->GetActiveView() && current->isVisible())
        return current;
    return nullptr;
}

std::array<CCmdTarget*, 5> CMDIFrameWnd::CommandRoute() const {
    CMDIChildWnd* child = MDIGetActive();
    CView* view = child ? child->GetActiveView() : nullptr;
    CDocument* doc = view ? view->GetDocument() : nullptr;
    return {view, doc, child, const_cast<CMDIFrameWnd*>(this), AfxGetApp()};
}

CCmdUI CMDIFrameWnd::QueryCommand(UINT nID) const {
    CCmdUI ui(nID);
    for (CCmdTarget* target : CommandRoute()) {
        if (target && target->OnCmdMsg(nID, &ui))
            return ui;
    }
    ui.Enable(FALSE);
    return ui;
}

void CMDIFrameWnd::OnCommand(UINT nID) {
    if (!QueryCommand(nID).m_bEnabled)
        return;
    for (CCmdTarget* target : CommandRoute()) {
        if (target && target->OnCmdMsg(nID, nullptr))
            break;
    }
    UpdateCommandUI();
}

QAction* CMDIFrameWnd::FindAction(UINT nID) const {
    auto it = m_actions.find(nID);
    return it == m_actions.end() ? nullptr : it->second;
}

QAction* CMDIFrameWnd::Action(UINT nID) {
    if (QAction* existing = FindAction(nID))
        return existing;
    auto* action = new QAction(this);
    action->setStatusTip(PromptPart(nID, false));
    const QString tip = PromptPart(nID, true);
    if (!tip.isEmpty())
        action->setToolTip(tip);
    action->setIconVisibleInMenu(false);
    QList<QKeySequence> keys;
    if (const AccelTable* table = AfxFindAccelerators(m_nIDResource)) {
        for (const AccelEntry& e : table->entries) {
            if (e.cmd == nID)
                keys.push_back(KeyOf(e));
        }
    }
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, [this, nID] { OnCommand(nID); });
    addAction(action);  // keys work whatever menu is on show
    m_actions.emplace(nID, action);
    return action;
}

const std::vector<QMenu*>& CMDIFrameWnd::Menu(UINT nIDResource) {
    auto found = m_menus.find(nIDResource);
    if (found != m_menus.end())
        return found->second;
    std::vector<QMenu*>& popups = m_menus[nIDResource];
    const MenuResource* res = AfxFindMenu(nIDResource);
    if (!res)
        return popups;
    CWinApp* app = AfxGetApp();
    for (const MenuPopup& popup : res->popups) {
        auto* menu = new QMenu(FromLocal(popup.text), this);
        bool windowMenu = false;
        for (const MenuItem& item : popup.items) {
            if (!item.text) {
                menu->addSeparator();
            } else if (item.id == ID_FILE_MRU_FILE1) {
                // The recent files take the placeholder's place; it shows while the list is empty.
                if (!m_pRecentPlaceholder) {
                    m_pRecentPlaceholder = new QAction(FromLocal(item.text), this);
                    m_pRecentPlaceholder->setEnabled(false);
                    m_pRecentPlaceholder->setStatusTip(PromptPart(item.id, false));
                }
                menu->addAction(m_pRecentPlaceholder);
                const int count = app ? app->MaxRecentFiles() : 0;
                for (int i = 0; i < count; ++i)
                    menu->addAction(Action(ID_FILE_MRU_FILE1 + i));
            } else {
                QAction* action = Action(item.id);
                action->setText(FromLocal(item.text));
                if (item.flags & MF_GRAYED)
                    action->setEnabled(false);
                menu->addAction(action);
                windowMenu |= item.id == ID_WINDOW_CASCADE;
            }
        }
        connect(menu, &QMenu::aboutToShow, this, [this, menu, windowMenu] {
            UpdateCommandUI();
            if (windowMenu)
                FillWindowMenu(menu);
        });
        popups.push_back(menu);
    }
    return popups;
}

void CMDIFrameWnd::ShowMenu(UINT nIDResource) {
    if (m_nCurrentMenu == nIDResource)
        return;
    const std::vector<QMenu*>& popups = Menu(nIDResource);
    menuBar()->clear();
    for (QMenu* menu : popups)
        menuBar()->addMenu(menu);
    m_nCurrentMenu = nIDResource;
}

void CMDIFrameWnd::FillWindowMenu(QMenu* menu) {
    for (QAction* a : m_windowListActions) {
        menu->removeAction(a);
        delete a;
    }
    m_windowListActions.clear();
    const std::vector<CMDIChildWnd*> frames = ChildFrames();
    if (frames.empty())
        return;
    m_windowListActions.push_back(menu->addSeparator());
    CMDIChildWnd* active = MDIGetActive();
    int n = 1;
    for (CMDIChildWnd* frame : frames) {
        if (!frame->isVisible())
            continue;
        QString title = frame->windowTitle();
        title.replace('&', "&&");
        QAction* a = menu->addAction(QString("&%1 %2").arg(n++).arg(title));
        a->setCheckable(true);
        a->setChecked(frame == active);
        connect(a, &QAction::triggered, this, [this, frame] {
            for (CMDIChildWnd* f : ChildFrames()) {
                if (f == frame)
                    f->ActivateFrame();
            }
        });
        m_windowListActions.push_back(a);
    }
}

void CMDIFrameWnd::UpdateCommandUI() {
    for (auto& [id, action] : m_actions) {
        const CCmdUI ui = QueryCommand(id);
        action->setEnabled(ui.m_bEnabled);
        action->setVisible(ui.m_bVisible);
        if (ui.m_nCheck >= 0) {
            action->setCheckable(true);
            action->setChecked(ui.m_nCheck != 0);
        }
        if (!ui.m_text.IsEmpty())
            action->setText(FromLocal(ui.m_text));
    }
    if (m_pRecentPlaceholder) {
        QAction* first = FindAction(ID_FILE_MRU_FILE1);
        m_pRecentPlaceholder->setVisible(!first || !first->isVisible());
    }
}

void CMDIFrameWnd::OnActivateChild() {
    CMDIChildWnd* active = MDIGetActive();
    UINT menu = m_nIDResource;
    if (active) {
        if (CDocument* doc = active->GetActiveDocument(); doc && doc->GetDocTemplate()) {
            menu = doc->GetDocTemplate()->GetResourceId();
        }
    }
    ShowMenu(menu);
    OnUpdateFrameTitle();
    UpdateCommandUI();
}

void CMDIFrameWnd::OnUpdateFrameTitle() {
    CMDIChildWnd* active = MDIGetActive();
    CDocument* doc = active ? active->GetActiveDocument() : nullptr;
    if ((m_dwStyle & FWS_ADDTOTITLE) && doc) {
        setWindowTitle(m_strTitle + " - " + FromLocal(doc->GetTitle()));
    } else {
        setWindowTitle(m_strTitle);
    }
}

void CMDIFrameWnd::SetMessageText(const QString& text) {
    if (m_pStatusBar)
        m_pStatusBar->SetPaneText(0, text);
}

bool CMDIFrameWnd::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // The message pane shows a highlighted item's prompt, else the idle text.
        QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (tip.isEmpty())
            tip = FromLocal(AfxLoadString(AFX_IDS_IDLEMESSAGE));
        SetMessageText(tip);
        return true;
    }
    return QMainWindow::event(event);
}

void CMDIFrameWnd::closeEvent(QCloseEvent* event) {
    // Nothing is ever modified, so no document asks to be saved.
    for (CMDIChildWnd* frame : ChildFrames())
        frame->DestroyWindow();
    QMainWindow::closeEvent(event);
}

bool CMDIFrameWnd::OnCmdMsg(UINT nID, CCmdUI* pCmdUI) {
    return DispatchCommand(this, kFrameCommands, nID, pCmdUI) || CCmdTarget::OnCmdMsg(nID, pCmdUI);
}

void CMDIFrameWnd::OnWindowCascade() {
    m_pMdiArea->cascadeSubWindows();
}
void CMDIFrameWnd::OnWindowTile() {
    m_pMdiArea->tileSubWindows();
}

void CMDIFrameWnd::OnWindowArrange() {
    // Minimised windows line up along the bottom edge of the client area.
    int x = 0;
    for (CMDIChildWnd* frame : ChildFrames()) {
        if (!frame->isMinimized())
            continue;
        frame->move(x, m_pMdiArea->viewport()->height() - frame->height());
        x += frame->width();
    }
}

void CMDIFrameWnd::OnViewToolBar() {
    if (m_pToolBar)
        m_pToolBar->setVisible(!m_pToolBar->isVisible());
}
void CMDIFrameWnd::OnUpdateViewToolBar(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_pToolBar != nullptr);
    pCmdUI->SetCheck(m_pToolBar && m_pToolBar->isVisible() ? 1 : 0);
}
void CMDIFrameWnd::OnViewStatusBar() {
    if (m_pStatusBar)
        m_pStatusBar->setVisible(!m_pStatusBar->isVisible());
}
void CMDIFrameWnd::OnUpdateViewStatusBar(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_pStatusBar != nullptr);
    pCmdUI->SetCheck(m_pStatusBar && m_pStatusBar->isVisible() ? 1 : 0);
}

void CMDIFrameWnd::OnHelpFinder() {
    AfxGetApp()->ShowHelp();
}
void CMDIFrameWnd::OnHelp() {
    AfxGetApp()->ShowHelp();
}
void CMDIFrameWnd::OnContextHelp() {
    SetMessageText(FromLocal(AfxLoadString(AFX_IDS_HELPMODEMESSAGE)));
    AfxGetApp()->ShowHelp();
}

// ---- CMDIChildWnd -----------------------------------------------------------------------------

CMDIChildWnd::CMDIChildWnd() = default;
CMDIChildWnd::~CMDIChildWnd() {
    DestroyView();
}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT&) {
    return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, CMDIFrameWnd* pParentWnd, CCreateContext* pContext) {
    m_pMDIFrame = pParentWnd;
    CREATESTRUCT cs;
    cs.lpCreateParams = pContext;
    if (!PreCreateWindow(cs))
        return FALSE;
    setWindowIcon(AfxLoadIcon(nIDResource));
    pParentWnd->MdiArea()->addSubWindow(this);
    hide();
    if (!pContext || !pContext->m_pNewViewClass)
        return FALSE;
    m_pView = pContext->m_pNewViewClass->CreateObject();
    if (!m_pView)
        return FALSE;
    setWidget(m_pView);
    if (!m_pView->Create(this, pContext))
        return FALSE;
    OnUpdateFrameTitle();
    return TRUE;
}

void CMDIChildWnd::ActivateFrame() {
    if (!isVisible()) {
        // A new window takes most of the client area, as the default window size does.
        const QSize area = m_pMDIFrame->MdiArea()->viewport()->size();
        resize(std::max(320, area.width() * 3 / 4), std::max(240, area.height() * 3 / 4));
        show();
    }
    if (isMinimized())
        showNormal();
    m_pMDIFrame->MdiArea()->setActiveSubWindow(this);
    m_pMDIFrame->OnActivateChild();
}

void CMDIChildWnd::DetachFromMainFrame() {
    m_pMDIFrame = nullptr;
}

void CMDIChildWnd::DestroyView() {
    if (CView* view = std::exchange(m_pView, nullptr))
        view->DestroyWindow();
}

void CMDIChildWnd::DestroyWindow() {
    if (m_destroying)
        return;
    m_destroying = true;
    // The view's window goes first: the view, and with its last view the document, go with it.
    DestroyView();
    hide();
    if (QMdiArea* area = mdiArea())
        area->removeSubWindow(this);
    deleteLater();
    if (m_pMDIFrame)
        m_pMDIFrame->OnActivateChild();
}

void CMDIChildWnd::closeEvent(QCloseEvent* event) {
    event->ignore();
    DestroyWindow();
}

void CMDIChildWnd::OnUpdateFrameTitle() {
    if (CDocument* doc = GetActiveDocument())
        setWindowTitle(FromLocal(doc->GetTitle()));
    if (m_pMDIFrame)
        m_pMDIFrame->OnUpdateFrameTitle();
}

bool CMDIChildWnd::OnCmdMsg(UINT nID, CCmdUI* pCmdUI) {
    return CCmdTarget::OnCmdMsg(nID, pCmdUI);
}
