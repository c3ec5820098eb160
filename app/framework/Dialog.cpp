#include "app/framework/Dialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <cmath>
#include <cstring>

#include "app/framework/MDIFrame.h"
#include "app/framework/ResourceImages.h"
#include "app/framework/WinApp.h"

namespace {

const CommandEntry<CDialog> kCommands[] = {
    {IDOK, &CDialog::OnOK},
    {IDCANCEL, &CDialog::OnCancel},
};

std::vector<CDialog*>& ModalStack() {
    static std::vector<CDialog*> stack;
    return stack;
}

QString FromLocal(const char* text) {
    return QString::fromLocal8Bit(text ? text : "");
}

// a * b / c, rounded half away from zero.
int MulDiv(int a, int b, int c) {
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

// The face the original platform's font-substitute table gives a logical dialog face.
QString DialogFace(const char* face) {
    if (std::strcmp(face, "MS Shell Dlg") == 0)
        return "Microsoft Sans Serif";
    return FromLocal(face);
}

}  // namespace

// The dialog's window: Esc, the close box and Enter without a default button reach the dialog
// as its commands.
class CDialog::Window : public QDialog {
  public:
    Window(CDialog& owner, QWidget* parent) : QDialog(parent), m_owner(owner) {}
    void reject() override { m_owner.OnCmdMsg(IDCANCEL, nullptr); }
    void accept() override { m_owner.OnCmdMsg(IDOK, nullptr); }

  private:
    CDialog& m_owner;
};

// ---- controls ---------------------------------------------------------------------------------

bool CDlgControl::Attach(QWidget* pWidget, int nID) {
    if (!pWidget || !Accepts(pWidget))
        return false;
    m_pWidget = pWidget;
    m_nID = nID;
    return true;
}

void CDlgControl::Detach() {
    m_pWidget = nullptr;
    m_nID = 0;
}

void CDlgControl::GetClientRect(LPRECT lpRect) const {
    *lpRect = m_pWidget ? RECT{0, 0, m_pWidget->width(), m_pWidget->height()} : RECT{};
}

BOOL CDlgControl::EnableWindow(BOOL bEnable) {
    if (!m_pWidget)
        return FALSE;
    const BOOL wasDisabled = m_pWidget->isEnabled() ? FALSE : TRUE;
    m_pWidget->setEnabled(bEnable != FALSE);
    return wasDisabled;
}

BOOL CDlgControl::IsWindowEnabled() const {
    return m_pWidget && m_pWidget->isEnabled();
}

BOOL CDlgControl::ShowWindow(int nCmdShow) {
    if (!m_pWidget)
        return FALSE;
    const BOOL wasVisible = m_pWidget->isVisibleTo(m_pWidget->parentWidget()) ? TRUE : FALSE;
    m_pWidget->setVisible(nCmdShow != SW_HIDE);
    return wasVisible;
}

BOOL CDlgControl::IsWindowVisible() const {
    return m_pWidget && m_pWidget->isVisible();
}

void CDlgControl::SetWindowText(LPCTSTR lpszString) {
    if (auto* edit = qobject_cast<QLineEdit*>(m_pWidget.data())) {
        edit->setText(FromLocal(lpszString));
    } else if (auto* button = qobject_cast<QAbstractButton*>(m_pWidget.data())) {
        button->setText(FromLocal(lpszString));
    }
}

CString CDlgControl::GetWindowText() const {
    QString text;
    if (auto* edit = qobject_cast<QLineEdit*>(m_pWidget.data())) {
        text = edit->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(m_pWidget.data())) {
        text = button->text();
    }
    const QByteArray bytes = text.toLocal8Bit();
    return CString(bytes.constData(), static_cast<int>(bytes.size()));
}

int CButton::GetCheck() const {
    auto* button = qobject_cast<QAbstractButton*>(GetWidget());
    return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int nCheck) {
    if (auto* button = qobject_cast<QAbstractButton*>(GetWidget())) {
        button->setChecked(nCheck != BST_UNCHECKED);
    }
}

bool CButton::Accepts(QWidget* pWidget) const {
    return qobject_cast<QAbstractButton*>(pWidget) != nullptr;
}

bool CEdit::Accepts(QWidget* pWidget) const {
    return qobject_cast<QLineEdit*>(pWidget) != nullptr;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CDlgControl& rControl) {
    if (rControl.IsAttached())
        return;
    if (!rControl.Attach(pDX->m_pDlgWnd->GetDlgItem(nIDC), nIDC))
        pDX->Fail();
}

// ---- the dialog -------------------------------------------------------------------------------

CDialog::CDialog(UINT nIDTemplate, QWidget* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

CDialog* CDialog::GetActiveModal() {
    return ModalStack().empty() ? nullptr : ModalStack().back();
}

QFont CDialog::TemplateFont(const DialogTemplate& tmpl) {
    QFont font(DialogFace(tmpl.face));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : 96;
    font.setPixelSize(MulDiv(tmpl.pointSize, dpi, 72));
    font.setWeight(tmpl.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(tmpl.italic);
    return font;
}

QSize CDialog::BaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return QSize((width / 26 + 1) / 2, metrics.height());
}

QRect CDialog::MapDialogRect(const QFont& font, int x, int y, int cx, int cy) {
    const QSize base = BaseUnits(font);
    const int left = MulDiv(x, base.width(), 4);
    const int top = MulDiv(y, base.height(), 8);
    const int right = MulDiv(x + cx, base.width(), 4);
    const int bottom = MulDiv(y + cy, base.height(), 8);
    return QRect(left, top, right - left, bottom - top);
}

bool CDialog::Build(const DialogTemplate& tmpl) {
    const QFont font = TemplateFont(tmpl);
    m_pWindow->setFont(font);
    m_pWindow->setWindowTitle(FromLocal(tmpl.caption));
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (tmpl.style & WS_CAPTION)
        flags |= Qt::WindowTitleHint;
    if (tmpl.style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    m_pWindow->setWindowFlags(flags);
    m_pWindow->setFixedSize(MapDialogRect(font, 0, 0, tmpl.cx, tmpl.cy).size());

    QWidget* previousTabStop = nullptr;
    std::vector<QWidget*> groupBoxes;
    for (const DialogControl& c : tmpl.controls) {
        QWidget* widget = nullptr;
        if (c.kind == ControlClass::Button) {
            const DWORD type = c.style & BS_TYPEMASK;
            if (type == BS_AUTOCHECKBOX) {
                widget = new QCheckBox(FromLocal(c.text), m_pWindow);
            } else if (type == BS_GROUPBOX) {
                auto* box = new QGroupBox(FromLocal(c.text), m_pWindow);
                // A group box only frames the controls under it.
                box->setAttribute(Qt::WA_TransparentForMouseEvents);
                groupBoxes.push_back(box);
                widget = box;
            } else {
                auto* button = new QPushButton(FromLocal(c.text), m_pWindow);
                button->setAutoDefault(true);
                button->setDefault(type == BS_DEFPUSHBUTTON);
                widget = button;
            }
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                const int id = c.id;
                QObject::connect(button, &QAbstractButton::clicked, m_pWindow,
                                 [this, id] { OnCmdMsg(static_cast<UINT>(id), nullptr); });
            }
        } else if (c.kind == ControlClass::Edit) {
            auto* edit = new QLineEdit(m_pWindow);
            edit->setFrame((c.style & WS_BORDER) != 0);
            edit->setAlignment((c.style & ES_CENTER) ? Qt::AlignCenter : Qt::AlignLeft);
            widget = edit;
        } else {
            auto* label = new QLabel(m_pWindow);
            const DWORD type = c.style & SS_TYPEMASK;
            if (type == SS_ICON) {
                label->setPixmap(AfxLoadIcon(c.iconId).pixmap(32, 32));
            } else {
                label->setText(FromLocal(c.text));
                label->setAlignment((type == SS_RIGHT ? Qt::AlignRight : Qt::AlignLeft) |
                                    Qt::AlignTop);
            }
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            widget = label;
        }
        QRect rect = MapDialogRect(font, c.x, c.y, c.cx, c.cy);
        if ((c.kind == ControlClass::Static) && (c.style & SS_TYPEMASK) == SS_ICON) {
            rect.setSize(QSize(32, 32));  // an icon control takes the icon's size
        }
        widget->setGeometry(rect);
        widget->setEnabled((c.style & WS_DISABLED) == 0);
        if (!(c.style & WS_VISIBLE))
            widget->setVisible(false);
        if (c.style & WS_TABSTOP) {
            widget->setFocusPolicy(Qt::StrongFocus);
            if (previousTabStop)
                QWidget::setTabOrder(previousTabStop, widget);
            previousTabStop = widget;
        } else {
            widget->setFocusPolicy(c.kind == ControlClass::Edit ? Qt::ClickFocus : Qt::NoFocus);
        }
        m_controls.push_back(Control{c.id, widget});
    }
    for (QWidget* box : groupBoxes)
        box->lower();
    return true;
}

INT_PTR CDialog::DoModal() {
    const DialogTemplate* tmpl = AfxFindDialog(m_nIDTemplate);
    if (!tmpl)
        return -1;
    QWidget* parent = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    Window window(*this, parent);
    m_pWindow = &window;
    m_controls.clear();
    m_bExchangeFailed = false;
    INT_PTR result = -1;
    ModalStack().push_back(this);
    if (Build(*tmpl)) {
        const BOOL focusFirst = OnInitDialog();
        if (!m_bExchangeFailed) {
            if (focusFirst) {
                for (const Control& c : m_controls) {
                    if (c.widget->focusPolicy() & Qt::TabFocus && c.widget->isVisibleTo(&window) &&
                        c.widget->isEnabled()) {
                        c.widget->setFocus(Qt::OtherFocusReason);
                        break;
                    }
                }
            }
            result = window.exec();
        }
    }
    ModalStack().pop_back();
    m_controls.clear();
    m_pWindow = nullptr;
    return result;
}

BOOL CDialog::OnInitDialog() {
    if (!UpdateData(FALSE))
        m_bExchangeFailed = true;
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return dx.Failed() ? FALSE : TRUE;
}

void CDialog::OnOK() {
    EndDialog(IDOK);
}
void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int nResult) {
    if (m_pWindow)
        m_pWindow->done(nResult);
}

QWidget* CDialog::GetDlgItem(int nID) const {
    if (nID == -1)
        return nullptr;
    for (const Control& c : m_controls) {
        if (c.id == nID)
            return c.widget;
    }
    return nullptr;
}

UINT CDialog::IsDlgButtonChecked(int nIDButton) const {
    auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(nIDButton));
    return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CDialog::CheckDlgButton(int nIDButton, UINT nCheck) {
    if (auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(nIDButton))) {
        button->setChecked(nCheck != BST_UNCHECKED);
    }
}

bool CDialog::OnCmdMsg(UINT nID, CCmdUI* pCmdUI) {
    return DispatchCommand(this, kCommands, nID, pCmdUI) || CCmdTarget::OnCmdMsg(nID, pCmdUI);
}
