#include "app/QuorvelDoc.h"

#include "app/framework/WinApp.h"
#include "diagram/Diagram.h"

CQuorvelDoc::CQuorvelDoc() : m_pDiagram(nullptr), m_pViewDC(nullptr) {}

CQuorvelDoc::~CQuorvelDoc() = default;

void CQuorvelDoc::Serialize(CArchive&) {}

BOOL CQuorvelDoc::OnNewDocument() {
    return CDocument::OnNewDocument();
}

BOOL CQuorvelDoc::OnOpenDocument(LPCTSTR lpszPathName) {
    if (!CDocument::OnOpenDocument(lpszPathName))
        return FALSE;
    if (!m_pDiagram || !m_pDiagram->Load(CString(lpszPathName)))
        return FALSE;
    m_pDiagram->Draw(m_pViewDC);
    AfxGetApp()->AddToRecentFileList(lpszPathName);
    return TRUE;
}
