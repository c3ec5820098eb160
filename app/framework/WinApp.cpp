#include "app/framework/WinApp.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QSettings>
#include <QUrl>

#include "app/framework/DocTemplate.h"
#include "app/framework/Document.h"
#include "app/framework/MDIFrame.h"
#include "app/framework/RecentFiles.h"
#include "app/framework/Resource.h"
#include "platform/MessageBox.h"

namespace {

CWinApp* g_app = nullptr;

const CommandEntry<CWinApp> kCommands[] = {
    {ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, &CWinApp::OnOpenRecentFile,
     &CWinApp::OnUpdateRecentFileMenu},
    {ID_APP_EXIT, &CWinApp::OnAppExit},
};

QString FromLocal(const char* text) {
    return QString::fromLocal8Bit(text ? text : "");
}

}  // namespace

CWinApp* AfxGetApp() {
    return g_app;
}
CMDIFrameWnd* AfxGetMainWnd() {
    return g_app ? g_app->m_pMainWnd : nullptr;
}

void InitCommonControls() {}
BOOL AfxOleInit() {
    return TRUE;
}
void AfxEnableControlContainer() {}

CWinApp::CWinApp(LPCTSTR lpszAppName) {
    if (lpszAppName)
        m_strAppName = lpszAppName;
    g_app = this;
}

CWinApp::~CWinApp() {
    // Documents still open go with their templates, before the main window.
    m_templates.clear();
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance() {
    if (m_strAppName.IsEmpty())
        m_strAppName = AfxLoadString(AFX_IDS_APP_TITLE);
    m_pszAppName = m_strAppName.GetString();
    return TRUE;
}

int CWinApp::Run() {
    if (m_pMainWnd)
        QApplication::exec();
    // Windows closed on the way out are deleted while the toolkit still runs.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ExitInstance();
}

void CWinApp::CloseAllDocuments() {
    for (const auto& tmpl : m_templates) {
        while (!tmpl->Documents().empty())
            tmpl->Documents().front()->OnCloseDocument();
    }
}

int CWinApp::ExitInstance() {
    if (m_pRecentFileList) {
        std::unique_ptr<QSettings> settings = Settings();
        m_pRecentFileList->WriteList(*settings);
        if (m_nNumPreviewPages != 0) {
            settings->setValue("Settings/PreviewPages", m_nNumPreviewPages);
        }
    }
    return 0;
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey) {
    m_strRegistryKey = lpszRegistryKey;
}

std::unique_ptr<QSettings> CWinApp::Settings() const {
    CString app = m_strAppName.IsEmpty() ? CString(AfxLoadString(AFX_IDS_APP_TITLE)) : m_strAppName;
    return std::make_unique<QSettings>(FromLocal(m_strRegistryKey), FromLocal(app));
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU) {
    std::unique_ptr<QSettings> settings = Settings();
    if (nMaxMRU > 0) {
        m_pRecentFileList =
            std::make_unique<CRecentFileList>("Recent File List", "File%d", nMaxMRU, 30);
        m_pRecentFileList->ReadList(*settings);
    }
    m_nNumPreviewPages = settings->value("Settings/PreviewPages", 0).toInt();
}

int CWinApp::MaxRecentFiles() const {
    return m_pRecentFileList ? m_pRecentFileList->GetSize() : 0;
}

void CWinApp::AddDocTemplate(CMultiDocTemplate* pTemplate) {
    m_templates.emplace_back(pTemplate);
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName) {
    if (m_templates.empty() || !lpszFileName)
        return nullptr;
    // An absolute path, with "." and ".." resolved; links are left for the file system to
    // compare.
    const QString absolute = QDir::cleanPath(QFileInfo(FromLocal(lpszFileName)).absoluteFilePath());
    const QByteArray path = absolute.toLocal8Bit();
    for (const auto& tmpl : m_templates) {
        if (CDocument* open = tmpl->FindOpenDocument(path.constData())) {
            if (CView* view = open->GetFirstView()) {
                if (CMDIChildWnd* frame = view->GetParentFrame())
                    frame->ActivateFrame();
            }
            return open;
        }
    }
    return m_templates.front()->OpenDocumentFile(path.constData());
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName) {
    if (m_pRecentFileList)
        m_pRecentFileList->Add(FromLocal(lpszPathName));
    if (m_pMainWnd)
        m_pMainWnd->UpdateCommandUI();
}

void CWinApp::EnableHtmlHelp() {
    m_bHtmlHelp = true;
}

const QString& CWinApp::HelpFilePath() {
    if (m_strHelpFilePath.isEmpty()) {
        // The program file's name with the help file's extension in place of its own.
        const QFileInfo info(QCoreApplication::applicationFilePath());
        const QString name = info.suffix().isEmpty() ? info.fileName() : info.completeBaseName();
        m_strHelpFilePath = info.absolutePath() + '/' + name + (m_bHtmlHelp ? ".CHM" : ".HLP");
    }
    return m_strHelpFilePath;
}

void CWinApp::ShowHelp() {
    const QString& path = HelpFilePath();
    if (QFileInfo(path).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        return;
    }
    CString text;
    text.Format("Cannot find the help file \"%s\".", path.toLocal8Bit().constData());
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

QPrinter& CWinApp::GetPrinter() {
    if (!m_pPrinter)
        m_pPrinter = std::make_unique<QPrinter>();
    return *m_pPrinter;
}

bool CWinApp::OnCmdMsg(UINT nID, CCmdUI* pCmdUI) {
    return DispatchCommand(this, kCommands, nID, pCmdUI) || CCmdTarget::OnCmdMsg(nID, pCmdUI);
}

void CWinApp::OnFileNew() {
    if (!m_templates.empty())
        m_templates.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen() {
    QFileDialog dialog(m_pMainWnd, "Open");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The template names no filter: every file is offered.
    dialog.setNameFilter("All Files (*)");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    OpenDocumentFile(dialog.selectedFiles().front().toLocal8Bit().constData());
}

void CWinApp::OnOpenRecentFile(UINT nID) {
    if (!m_pRecentFileList)
        return;
    const int index = static_cast<int>(nID - ID_FILE_MRU_FILE1);
    if (index < 0 || index >= m_pRecentFileList->GetCount())
        return;
    const QString path = (*m_pRecentFileList)[index];
    if (!OpenDocumentFile(path.toLocal8Bit().constData())) {
        // The entry that failed to open is dropped (wherever it has moved meanwhile).
        for (int i = 0; i < m_pRecentFileList->GetCount(); ++i) {
            if ((*m_pRecentFileList)[i] == path) {
                m_pRecentFileList->Remove(i);
                break;
            }
        }
    }
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI) {
    const int index = static_cast<int>(pCmdUI->m_nID - ID_FILE_MRU_FILE1);
    const bool present = m_pRecentFileList && index < m_pRecentFileList->GetCount();
    pCmdUI->Enable(present);
    pCmdUI->SetVisible(present);
    if (present)
        pCmdUI->SetText(CString(m_pRecentFileList->GetMenuText(index).toLocal8Bit().constData()));
}

void CWinApp::OnAppExit() {
    if (m_pMainWnd)
        m_pMainWnd->close();
}

void AfxInstallMessageBoxSink() {
    SetMessageBoxSink([](const CString& text, UINT type) {
        QWidget* parent = QApplication::activeModalWidget();
        if (!parent)
            parent = AfxGetMainWnd();
        QMessageBox box(parent);
        box.setWindowTitle(FromLocal(AfxLoadString(AFX_IDS_APP_TITLE)));
        box.setText(FromLocal(text));
        box.setStandardButtons(QMessageBox::Ok);
        const UINT icon = type & 0xF0;
        box.setIcon(icon == MB_ICONEXCLAMATION   ? QMessageBox::Warning
                    : icon == MB_ICONSTOP        ? QMessageBox::Critical
                    : icon == MB_ICONINFORMATION ? QMessageBox::Information
                                                 : QMessageBox::NoIcon);
        box.exec();
        return IDOK;
    });
}

int AfxWinMain(int argc, char** argv) {
    QApplication application(argc, argv);
    if (const ResourceSet* resources = AfxGetResources()) {
        QCoreApplication::setApplicationVersion(
            QString::fromLatin1(resources->version.productVersionText));
    }
    AfxInstallMessageBoxSink();
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    app->m_nCmdShow = SW_SHOWNORMAL;
    if (!app->InitInstance()) {
        if (app->m_pMainWnd)
            delete app->m_pMainWnd;
        app->ExitInstance();
        return 0;
    }
    const int result = app->Run();
    app->CloseAllDocuments();
    delete app->m_pMainWnd;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetMessageBoxSink(nullptr);
    return result;
}
