// CMultiDocTemplate: creates a document, its child frame and its view by dynamic creation, and
// opens or initialises the document in them.
#pragma once

#include <vector>

#include "app/framework/CmdTarget.h"
#include "app/framework/RuntimeClass.h"
#include "platform/String.h"

class CDocument;
class CMDIChildWnd;
class CView;
class CMultiDocTemplate;

// What a new frame needs to make its view.
struct CCreateContext {
    CDocument* m_pCurrentDoc = nullptr;
    CMultiDocTemplate* m_pNewDocTemplate = nullptr;
    const CRuntimeClass<CView>* m_pNewViewClass = nullptr;
};

class CMultiDocTemplate : public CCmdTarget {
  public:
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };

    // The resource id names the template string, the menu shown while one of its documents is
    // active and the icon of its frames.
    CMultiDocTemplate(UINT nIDResource, const CRuntimeClass<CDocument>* pDocClass,
                      const CRuntimeClass<CMDIChildWnd>* pFrameClass,
                      const CRuntimeClass<CView>* pViewClass);
    ~CMultiDocTemplate() override;

    // With a path: opens that file in a new document (the caller has already checked that it is
    // not open). Without: a new untitled document. Null when it fails; no window is left then.
    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE);
    CDocument* CreateNewDocument();
    CMDIChildWnd* CreateNewFrame(CDocument* pDoc);
    void InitialUpdateFrame(CMDIChildWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);

    // The open document of this file, if any.
    CDocument* FindOpenDocument(LPCTSTR lpszPathName) const;
    const std::vector<CDocument*>& Documents() const { return m_docList; }
    void RemoveDocument(CDocument* pDoc);

    CString GetDocString(DocStringIndex index) const;
    UINT GetResourceId() const { return m_nIDResource; }

  private:
    void SetDefaultTitle(CDocument* pDoc);

    UINT m_nIDResource;
    const CRuntimeClass<CDocument>* m_pDocClass;
    const CRuntimeClass<CMDIChildWnd>* m_pFrameClass;
    const CRuntimeClass<CView>* m_pViewClass;
    std::vector<CDocument*> m_docList;
    int m_nUntitledCount = 0;
};
