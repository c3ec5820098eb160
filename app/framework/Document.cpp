#include "app/framework/Document.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "app/framework/DocTemplate.h"
#include "app/framework/MDIFrame.h"
#include "app/framework/Resource.h"
#include "app/framework/View.h"
#include "app/framework/WinApp.h"
#include "platform/MessageBox.h"

namespace {

const CommandEntry<CDocument> kCommands[] = {
    // Save has no handler: nothing here is ever written back to its file, so the route keeps
    // the command disabled.
    {ID_FILE_CLOSE, &CDocument::OnFileClose},
};

void ReportOpenFailure(LPCTSTR lpszPathName, int error) {
    CString text;
    text.Format("Cannot open the document \"%s\".\n%s.", lpszPathName, std::strerror(error));
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

CDocument::~CDocument() {
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::Serialize(CArchive&) {}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName) {
    // Non-blocking, so that a FIFO without a writer does not hang the open; the reader decides
    // later what it makes of a file that is not a regular one.
    int fd = ::open(lpszPathName, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        ReportOpenFailure(lpszPathName, errno);
        return FALSE;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        int error = S_ISDIR(st.st_mode) ? EISDIR : errno;
        ::close(fd);
        ReportOpenFailure(lpszPathName, error);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(FALSE);
    if (st.st_size > 0) {
        CArchive ar(CArchive::load);
        Serialize(ar);
    }
    ::close(fd);
    return TRUE;
}

void CDocument::OnCloseDocument() {
    // The last view's removal deletes the document; keep it alive until every frame is gone.
    bool autoDelete = m_bAutoDelete;
    m_bAutoDelete = false;
    m_closing = true;
    while (CView* view = GetFirstView()) {
        CMDIChildWnd* frame = view->GetParentFrame();
        if (!frame)
            break;
        frame->DestroyWindow();
    }
    m_bAutoDelete = autoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::SetTitle(LPCTSTR lpszTitle) {
    m_strTitle = lpszTitle;
    UpdateFrameTitles();
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU) {
    m_strPathName = lpszPathName;
    SetTitle(std::filesystem::path(lpszPathName).filename().string().c_str());
    if (bAddToMRU)
        AfxGetApp()->AddToRecentFileList(lpszPathName);
}

bool CDocument::IsSameFile(LPCTSTR lpszPathName) const {
    if (m_strPathName.IsEmpty())
        return false;
    if (m_strPathName == lpszPathName)
        return true;
    // The file system decides: two spellings of one file (a link, a folder mounted without
    // letter case) name the same file.
    std::error_code ec;
    return std::filesystem::equivalent(m_strPathName.GetString(), lpszPathName, ec);
}

void CDocument::AddView(CView* pView) {
    m_views.push_back(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), pView), m_views.end());
    pView->m_pDocument = nullptr;
    if (m_views.empty() && m_bAutoDelete && !m_closing)
        delete this;
}

void CDocument::UpdateFrameTitles() {
    for (CView* view : m_views) {
        if (CMDIChildWnd* frame = view->GetParentFrame())
            frame->OnUpdateFrameTitle();
    }
}

bool CDocument::OnCmdMsg(UINT nID, CCmdUI* pCmdUI) {
    return DispatchCommand(this, kCommands, nID, pCmdUI) || CCmdTarget::OnCmdMsg(nID, pCmdUI);
}

void CDocument::OnFileClose() {
    OnCloseDocument();
}
