// Modal dialogs built from dialog templates: the controls are laid out in dialog units of the
// template's font, in template order (which is the tab order), and control objects (CButton,
// CEdit) are attached to them by DDX_Control. OK and Cancel, Enter, Esc and the close box reach
// the dialog as the commands IDOK and IDCANCEL; a click on another button is the command of its
// id.
#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

#include "app/framework/CmdTarget.h"
#include "app/framework/Resource.h"
#include "platform/MessageBox.h"
#include "platform/String.h"
#include "platform/Wnd.h"

class QDialog;
class CDialog;

inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;

// A control window of a dialog, reached through the object attached to it.
class CDlgControl : public CWnd {
  public:
    ~CDlgControl() override { Detach(); }

    bool Attach(QWidget* pWidget, int nID);
    void Detach();
    bool IsAttached() const { return !m_pWidget.isNull(); }
    QWidget* GetWidget() const { return m_pWidget.data(); }
    int GetDlgCtrlID() const { return m_nID; }

    void GetClientRect(LPRECT lpRect) const override;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    void SetWindowText(LPCTSTR lpszString);
    CString GetWindowText() const;

  protected:
    // The kind of widget this object can be attached to.
    virtual bool Accepts(QWidget* pWidget) const = 0;

  private:
    QPointer<QWidget> m_pWidget;
    int m_nID = 0;
};

// Push buttons and check boxes.
class CButton : public CDlgControl {
  public:
    // BST_CHECKED or BST_UNCHECKED.
    int GetCheck() const;
    void SetCheck(int nCheck);

  protected:
    bool Accepts(QWidget* pWidget) const override;
};

class CEdit : public CDlgControl {
  protected:
    bool Accepts(QWidget* pWidget) const override;
};

class CDataExchange {
  public:
    CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
        : m_pDlgWnd(pDlgWnd), m_bSaveAndValidate(bSaveAndValidate) {}
    void Fail() { m_bFailed = true; }
    bool Failed() const { return m_bFailed; }

    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;

  private:
    bool m_bFailed = false;
};

// Attaches the control object to the dialog's control with the id. A missing control, or one of
// another kind, fails the exchange (the dialog then does not open).
void DDX_Control(CDataExchange* pDX, int nIDC, CDlgControl& rControl);

class CDialog : public CCmdTarget {
  public:
    // The owner is the given widget, else the main window.
    explicit CDialog(UINT nIDTemplate, QWidget* pParentWnd = nullptr);
    ~CDialog() override;

    // IDOK or IDCANCEL (the argument of EndDialog); -1 when the dialog cannot be created.
    virtual INT_PTR DoModal();
    // Runs DoDataExchange; TRUE puts the focus on the first tab stop.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void EndDialog(int nResult);

    QWidget* GetDlgItem(int nID) const;
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    // The dialog's window while it runs; null otherwise.
    QDialog* GetSafeHwnd() const { return m_pWindow; }
    UINT GetTemplateId() const { return m_nIDTemplate; }

    // Dialog base units of the template's font (average character width, character height) and
    // a rectangle in dialog units converted to pixels.
    static QSize BaseUnits(const QFont& font);
    static QRect MapDialogRect(const QFont& font, int x, int y, int cx, int cy);
    // The font a template asks for, at the screen's resolution.
    static QFont TemplateFont(const DialogTemplate& tmpl);

    // The innermost dialog in DoModal, for whoever drives it from outside (tests).
    static CDialog* GetActiveModal();

    bool OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

  private:
    class Window;
    struct Control {
        int id;
        QWidget* widget;
    };
    bool Build(const DialogTemplate& tmpl);

    UINT m_nIDTemplate;
    QWidget* m_pParentWnd;
    QDialog* m_pWindow = nullptr;
    std::vector<Control> m_controls;
    bool m_bExchangeFailed = false;
};
