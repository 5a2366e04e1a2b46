#include "framework/DocTemplate.h"

#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/ModalSeam.h"
#include "framework/View.h"
#include "framework/WinApp.h"

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                       CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass) {
    char sz[512] = {0};
    ::LoadStringA(::GetModuleHandleA(nullptr), nIDResource, sz, sizeof sz);
    m_strDocStrings = sz;
}

CSingleDocTemplate::~CSingleDocTemplate() {
    if (m_pFrame && m_pFrame->GetSafeHwnd())
        m_pFrame->DestroyWindow(); // deletes frame and view
    delete m_pOnlyDoc;
}

CString CSingleDocTemplate::GetDocString(DocStringIndex index) const {
    int nStart = 0;
    for (int i = 0; i < (int)index; ++i) {
        nStart = m_strDocStrings.Find('\n', nStart);
        if (nStart < 0)
            return CString();
        ++nStart;
    }
    int nEnd = m_strDocStrings.Find('\n', nStart);
    return nEnd < 0 ? m_strDocStrings.Mid(nStart) : m_strDocStrings.Mid(nStart, nEnd - nStart);
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDoc) {
    CString strTitle = GetDocString(docName);
    pDoc->SetTitle(strTitle.IsEmpty() ? "Untitled" : strTitle);
}

bool CSingleDocTemplate::CreateDocAndFrame() {
    if (!m_pOnlyDoc) {
        m_pOnlyDoc = static_cast<CDocument*>(m_pDocClass->CreateObject());
        m_pOnlyDoc->m_pDocTemplate = this;
    }
    if (!m_pFrame) {
        auto* pFrame = static_cast<CFrameWnd*>(m_pFrameClass->CreateObject());
        pFrame->m_pNewViewClass = m_pViewClass;
        pFrame->m_pDocument = m_pOnlyDoc;
        m_pFrame = pFrame;
        if (!pFrame->LoadFrame(m_nIDResource)) {
            // A frame whose window never came to be deletes itself only when
            // its window existed.
            if (m_pFrame == pFrame) {
                if (!pFrame->GetSafeHwnd())
                    delete pFrame;
                m_pFrame = nullptr;
            }
            return false;
        }
    }
    return true;
}

void CSingleDocTemplate::InitialUpdateFrame(bool bMakeVisible) {
    if (!m_pFrame)
        return;
    if (CView* pView = m_pFrame->GetActiveView())
        pView->OnInitialUpdate();
    m_pFrame->OnUpdateFrameTitle();
    (void)bMakeVisible; // the application shows the main window itself
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const char* pszPathName, bool bMakeVisible) {
    bool bCreated = m_pOnlyDoc == nullptr || m_pFrame == nullptr;
    if (!bCreated && !m_pOnlyDoc->SaveModified())
        return nullptr;
    if (!CreateDocAndFrame()) {
        AfxMessageBox("Failed to create empty document.", MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    CDocument* pDoc = m_pOnlyDoc;
    if (!pszPathName || !*pszPathName) {
        SetDefaultTitle(pDoc);
        if (!pDoc->OnNewDocument())
            return nullptr;
    } else {
        bool bWasModified = pDoc->IsModified();
        pDoc->SetModifiedFlag(false);
        if (!pDoc->OnOpenDocument(pszPathName)) {
            if (bCreated) {
                // Nothing to fall back to: the first document failed.
                if (m_pFrame)
                    m_pFrame->DestroyWindow();
            } else if (!pDoc->IsModified()) {
                // The file never opened: the document is as it was.
                pDoc->SetModifiedFlag(bWasModified);
            } else {
                // Part of the file was read into the document: start afresh.
                SetDefaultTitle(pDoc);
                if (!pDoc->OnNewDocument())
                    AfxMessageBox("Failed to create empty document.", MB_OK);
                InitialUpdateFrame(bMakeVisible);
            }
            return nullptr;
        }
        pDoc->SetPathName(pszPathName);
    }
    InitialUpdateFrame(bMakeVisible);
    return pDoc;
}
