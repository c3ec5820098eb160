// CWinApp: the application object. It starts the framework (AfxWinMain), keeps the document
// templates, the recent-file list in the settings store and the printer, and handles the
// application's own commands (New, Open, the recent files, Exit, help).
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "app/framework/CmdTarget.h"
#include "platform/String.h"

class QPrinter;
class QSettings;
class CDocument;
class CMDIFrameWnd;
class CMultiDocTemplate;
class CRecentFileList;

class CWinApp : public CCmdTarget {
  public:
    // Without a name the application takes its name from the application-title string.
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    // Runs the message loop until the main window is gone; returns ExitInstance's result.
    virtual int Run();
    // Writes the recent-file list (and the preview page count when set) to the settings store.
    virtual int ExitInstance();

    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    // Reads the recent-file list of up to nMaxMRU entries and "Settings"/"PreviewPages".
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    // The settings store: organisation from SetRegistryKey, application from its name.
    std::unique_ptr<QSettings> Settings() const;

    void AddDocTemplate(CMultiDocTemplate* pTemplate);  // the application owns it
    const std::vector<std::unique_ptr<CMultiDocTemplate>>& DocTemplates() const {
        return m_templates;
    }
    // Opens the file (an absolute path is made of it); a file already open only has its window
    // activated. Null when the open fails.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);
    // Closes every open document with its windows.
    void CloseAllDocuments();
    const CRecentFileList* RecentFiles() const { return m_pRecentFileList.get(); }
    int MaxRecentFiles() const;
    int PreviewPages() const { return m_nNumPreviewPages; }

    // The program file's name with the extension ".CHM".
    void EnableHtmlHelp();
    const QString& HelpFilePath();
    // Opens the help file; says which file it looked for when it is absent.
    void ShowHelp();

    // The printer that print jobs use; the Print dialog changes its settings.
    QPrinter& GetPrinter();

    bool OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

    void OnFileNew();
    // The Open dialog ("All Files"), then OpenDocumentFile.
    void OnFileOpen();
    void OnOpenRecentFile(UINT nID);
    void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
    void OnAppExit();

    const char* m_pszAppName = nullptr;
    CMDIFrameWnd* m_pMainWnd = nullptr;
    int m_nCmdShow = 1;

  private:
    CString m_strAppName;
    CString m_strRegistryKey;
    QString m_strHelpFilePath;
    bool m_bHtmlHelp = false;
    std::vector<std::unique_ptr<CMultiDocTemplate>> m_templates;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    std::unique_ptr<QPrinter> m_pPrinter;
    int m_nNumPreviewPages = 0;
};

CWinApp* AfxGetApp();
CMDIFrameWnd* AfxGetMainWnd();

// The framework's start: the Qt application, the message-box sink, InitInstance, the message
// loop and ExitInstance of the one application object.
int AfxWinMain(int argc, char** argv);

// Shows AfxMessageBox texts in a modal Qt message box captioned with the application title.
void AfxInstallMessageBoxSink();

// The platform services that start-up asks for. Qt needs no common-control registration and no
// component system; both always succeed.
void InitCommonControls();
BOOL AfxOleInit();
void AfxEnableControlContainer();
