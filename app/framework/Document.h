// CDocument: the data side of a document/view pair. It deletes itself when its last view goes.
#pragma once

#include <vector>

#include "app/framework/CmdTarget.h"
#include "platform/String.h"

class CView;
class CMultiDocTemplate;

// The archive handed to Serialize: the direction only, since no document here stores anything.
class CArchive {
  public:
    enum Mode { load = 1, store = 0 };
    explicit CArchive(Mode mode) : m_mode(mode) {}
    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

  private:
    Mode m_mode;
};

class CDocument : public CCmdTarget {
  public:
    CDocument() = default;
    ~CDocument() override;

    virtual void Serialize(CArchive& ar);
    virtual BOOL OnNewDocument();
    // Tests that the file can be opened for reading (the framework's message names the file and
    // the cause when it cannot), calls DeleteContents, clears the modified flag and calls
    // Serialize for a non-empty file. Opens nothing for writing.
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    // Destroys every frame showing the document; the document goes with its last view.
    virtual void OnCloseDocument();
    virtual void DeleteContents() {}

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // Sets the path and the title (the file's name) and, when asked, adds the path to the
    // recent-file list.
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    // True when the path names the file this document was opened from.
    bool IsSameFile(LPCTSTR lpszPathName) const;

    BOOL IsModified() const { return m_bModified; }
    void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    CView* GetFirstView() const { return m_views.empty() ? nullptr : m_views.front(); }
    CMultiDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    bool OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

    void OnFileClose();

    CMultiDocTemplate* m_pDocTemplate = nullptr;
    bool m_bAutoDelete = true;

  private:
    void UpdateFrameTitles();

    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified = FALSE;
    std::vector<CView*> m_views;
    bool m_closing = false;
};
