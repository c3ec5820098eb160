#include "app/framework/DocTemplate.h"

#include <QApplication>
#include <QCursor>
#include <algorithm>

#include "app/framework/Document.h"
#include "app/framework/MDIFrame.h"
#include "app/framework/Resource.h"
#include "app/framework/View.h"
#include "app/framework/WinApp.h"
#include "platform/MessageBox.h"

namespace {

// Shows the wait cursor while it lives.
class CWaitCursor {
  public:
    CWaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~CWaitCursor() { QApplication::restoreOverrideCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

}  // namespace

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, const CRuntimeClass<CDocument>* pDocClass,
                                     const CRuntimeClass<CMDIChildWnd>* pFrameClass,
                                     const CRuntimeClass<CView>* pViewClass)
    : m_nIDResource(nIDResource),
      m_pDocClass(pDocClass),
      m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass) {}

CMultiDocTemplate::~CMultiDocTemplate() {
    // Documents still open when the application goes are closed with their frames.
    while (!m_docList.empty())
        m_docList.front()->OnCloseDocument();
}

CDocument* CMultiDocTemplate::CreateNewDocument() {
    CDocument* doc = m_pDocClass->CreateObject();
    if (!doc)
        return nullptr;
    doc->m_pDocTemplate = this;
    m_docList.push_back(doc);
    return doc;
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc) {
    m_docList.erase(std::remove(m_docList.begin(), m_docList.end(), pDoc), m_docList.end());
    pDoc->m_pDocTemplate = nullptr;
}

CMDIChildWnd* CMultiDocTemplate::CreateNewFrame(CDocument* pDoc) {
    CCreateContext context;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewDocTemplate = this;
    context.m_pNewViewClass = m_pViewClass;

    CMDIChildWnd* frame = m_pFrameClass->CreateObject();
    if (!frame)
        return nullptr;
    CMDIFrameWnd* mainFrame = AfxGetApp()->m_pMainWnd;
    if (!mainFrame || !frame->LoadFrame(m_nIDResource, mainFrame, &context)) {
        frame->DestroyWindow();
        return nullptr;
    }
    return frame;
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible) {
    CDocument* doc = CreateNewDocument();
    if (!doc) {
        AfxMessageBox("Failed to create empty document.");
        return nullptr;
    }
    bool autoDelete = doc->m_bAutoDelete;
    doc->m_bAutoDelete = false;  // a failed frame must not take the document with it
    CMDIChildWnd* frame = CreateNewFrame(doc);
    doc->m_bAutoDelete = autoDelete;
    if (!frame) {
        AfxMessageBox("Failed to create empty document.");
        delete doc;
        return nullptr;
    }

    if (!lpszPathName) {
        SetDefaultTitle(doc);
        if (!doc->OnNewDocument()) {
            frame->DestroyWindow();
            return nullptr;
        }
    } else {
        bool opened = false;
        {
            CWaitCursor wait;
            try {
                opened = doc->OnOpenDocument(lpszPathName);
            } catch (...) {
                // A load that ends in an exception ends as a failed load.
                opened = false;
            }
        }
        if (!opened) {
            frame->DestroyWindow();
            return nullptr;
        }
        doc->SetPathName(lpszPathName);
    }
    InitialUpdateFrame(frame, doc, bMakeVisible);
    return doc;
}

void CMultiDocTemplate::InitialUpdateFrame(CMDIChildWnd* pFrame, CDocument*, BOOL bMakeVisible) {
    if (CView* view = pFrame->GetActiveView())
        view->OnInitialUpdate();
    if (bMakeVisible)
        pFrame->ActivateFrame();
}

CDocument* CMultiDocTemplate::FindOpenDocument(LPCTSTR lpszPathName) const {
    for (CDocument* doc : m_docList) {
        if (doc->IsSameFile(lpszPathName))
            return doc;
    }
    return nullptr;
}

CString CMultiDocTemplate::GetDocString(DocStringIndex index) const {
    const char* text = AfxLoadString(m_nIDResource);
    if (!text)
        return CString();
    int field = 0;
    const char* start = text;
    for (const char* p = text;; ++p) {
        if (*p == '\n' || *p == '\0') {
            if (field == index)
                return CString(start, static_cast<int>(p - start));
            if (*p == '\0')
                return CString();
            ++field;
            start = p + 1;
        }
    }
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDoc) {
    CString title = GetDocString(docName);
    if (title.IsEmpty())
        title = "Untitled";
    CString numbered;
    numbered.Format("%s%d", title.GetString(), ++m_nUntitledCount);
    pDoc->SetTitle(numbered);
}
