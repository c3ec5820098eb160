// The MDI frames on QMainWindow and QMdiArea. The main frame holds one QAction per command id,
// shared by menus, toolbar and accelerator keys, and the command route: a command goes to the
// active view, its document, the active child frame, the main frame and the application; the
// first handler wins, and an item whose command has no handler on the route is disabled.
#pragma once

#include <QMainWindow>
#include <QMdiSubWindow>
#include <array>
#include <map>
#include <vector>

#include "app/framework/CmdTarget.h"
#include "app/framework/View.h"

class QMdiArea;
class QMenu;
class QAction;
class CDocument;
class CStatusBar;
class CToolBar;
struct CCreateContext;

// Bar alignment and styles.
inline constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
inline constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
inline constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
inline constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
inline constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
inline constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP;
inline constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM;
inline constexpr DWORD CBRS_TOOLTIPS = 0x0010;
inline constexpr DWORD CBRS_FLYBY = 0x0020;
inline constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0080;
inline constexpr DWORD CBRS_GRIPPER = 0x00400000;
inline constexpr DWORD TBSTYLE_FLAT = 0x0800;
inline constexpr DWORD WS_OVERLAPPEDWINDOW = 0x00CF0000;
inline constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

class CMDIChildWnd;

class CMDIFrameWnd : public QMainWindow, public CCmdTarget {
  public:
    CMDIFrameWnd();
    ~CMDIFrameWnd() override;

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // Title (string nIDResource), menu, accelerators and icon of the resource, the MDI client,
    // then OnCreate. FALSE when PreCreateWindow or OnCreate fails.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   QWidget* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    virtual int OnCreate(LPCREATESTRUCT lpCreateStruct);

    void ShowWindow(int nCmdShow);
    void UpdateWindow();
    void EnableDocking(DWORD dwDockStyle);
    void DockControlBar(CToolBar* pBar);

    // The child frame that commands go to: the active one, else the one active last.
    CMDIChildWnd* MDIGetActive() const;
    QMdiArea* MdiArea() const { return m_pMdiArea; }
    std::vector<CMDIChildWnd*> ChildFrames() const;

    // The command route, in order; null entries are skipped.
    std::array<CCmdTarget*, 5> CommandRoute() const;
    // Runs the command when a handler on the route takes it and its state is enabled.
    void OnCommand(UINT nID);
    // The state the route gives the command: handled and enabled, and its check.
    CCmdUI QueryCommand(UINT nID) const;
    // Brings every action (menu item, button, key) up to date with the route.
    void UpdateCommandUI();
    QAction* Action(UINT nID);
    QAction* FindAction(UINT nID) const;

    // The menu resource on show: the frame's own while no document window is active, else the
    // active document's template's.
    UINT CurrentMenuId() const { return m_nCurrentMenu; }
    const std::vector<QMenu*>& Menu(UINT nIDResource);
    // A child frame was activated, created or destroyed: menu, title and commands follow it.
    void OnActivateChild();
    void OnUpdateFrameTitle();

    void SetMessageText(const QString& text);
    CStatusBar* m_pStatusBar = nullptr;
    CToolBar* m_pToolBar = nullptr;

    bool OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

    void OnWindowCascade();
    void OnWindowTile();
    void OnWindowArrange();
    void OnViewToolBar();
    void OnUpdateViewToolBar(CCmdUI* pCmdUI);
    void OnViewStatusBar();
    void OnUpdateViewStatusBar(CCmdUI* pCmdUI);
    // The framework's help handlers, for a derived frame's command table.
    void OnHelpFinder();
    void OnHelp();
    void OnContextHelp();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void ShowMenu(UINT nIDResource);
    void FillWindowMenu(QMenu* menu);

    QMdiArea* m_pMdiArea = nullptr;
    UINT m_nIDResource = 0;
    UINT m_nCurrentMenu = 0;
    DWORD m_dwStyle = 0;
    QString m_strTitle;
    std::map<UINT, QAction*> m_actions;
    std::map<UINT, std::vector<QMenu*>> m_menus;
    QAction* m_pRecentPlaceholder = nullptr;
    std::vector<QAction*> m_windowListActions;
};

class CMDIChildWnd : public QMdiSubWindow, public CCmdTarget {
  public:
    CMDIChildWnd();
    ~CMDIChildWnd() override;

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // Creates the frame hidden in the main frame's MDI client, with the template's icon, and
    // its view from the creation context. FALSE when anything fails.
    BOOL LoadFrame(UINT nIDResource, CMDIFrameWnd* pParentWnd, CCreateContext* pContext);
    // Shows and activates the frame.
    void ActivateFrame();
    // Destroys the view's window (and so the view and, with its last view, the document), then
    // the frame.
    void DestroyWindow();

    CView* GetActiveView() const { return m_pView; }
    CDocument* GetActiveDocument() const { return m_pView ? m_pView->GetDocument() : nullptr; }
    CMDIFrameWnd* GetMDIFrame() const { return m_pMDIFrame; }
    // The main frame is going: the frame must not call on it any more.
    void DetachFromMainFrame();
    void OnUpdateFrameTitle();

    bool OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void DestroyView();

    CView* m_pView = nullptr;
    CMDIFrameWnd* m_pMDIFrame = nullptr;
    bool m_destroying = false;
};
