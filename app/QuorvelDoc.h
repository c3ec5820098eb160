// CQuorvelDoc: ties one data file to the diagram of its view. It keeps nothing of its own; the
// file is only ever read.
#pragma once

#include "app/framework/Document.h"

class CDiagram;
class CDC;

class CQuorvelDoc : public CDocument {
  public:
    static constexpr const char* kClassName = "CQuorvelDoc";

    CQuorvelDoc();
    ~CQuorvelDoc() override;

    void Serialize(CArchive& ar) override;
    BOOL OnNewDocument() override;
    // Loads the file into the view's diagram and draws it once.
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;

    CDiagram* m_pDiagram;  // borrowed from the view
    CDC* m_pViewDC;        // borrowed from the view; used only while opening
};
