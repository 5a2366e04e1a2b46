// CSingleDocTemplate: the one document type of a single-document program:
// its resources, document string, and the classes of document, frame and
// view, which it creates once and reuses for every file.
#pragma once
#include <windows.h>
#include "framework/RuntimeClass.h"
#include "framework/String.h"

class CDocument;
class CFrameWnd;

class CSingleDocTemplate {
public:
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };

    CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                       CRuntimeClass* pViewClass);
    ~CSingleDocTemplate();

    // One field of the document string (resource string nIDResource,
    // fields separated by "\n").
    CString GetDocString(DocStringIndex index) const;
    // nullptr makes a new untitled document. Creates document, frame and view
    // on the first call. Returns nullptr when the file could not be opened.
    CDocument* OpenDocumentFile(const char* pszPathName, bool bMakeVisible = true);
    void SetDefaultTitle(CDocument* pDoc);
    CDocument* GetDocument() const { return m_pOnlyDoc; }
    CFrameWnd* GetFrame() const { return m_pFrame; }
    // Forgets the frame once its window is gone.
    void FrameDestroyed() { m_pFrame = nullptr; }

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;

private:
    bool CreateDocAndFrame();
    void InitialUpdateFrame(bool bMakeVisible);

    CString m_strDocStrings;
    CDocument* m_pOnlyDoc = nullptr;
    CFrameWnd* m_pFrame = nullptr;
};
