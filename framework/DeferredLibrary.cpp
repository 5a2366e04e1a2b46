#include "framework/DeferredLibrary.h"

FARPROC CDeferredLibrary::Proc(const char* pszProc) {
    if (!m_hModule)
        m_hModule = ::LoadLibraryA(m_pszName);
    return m_hModule ? ::GetProcAddress(m_hModule, pszProc) : nullptr;
}

CDeferredLibrary& CDeferredLibrary::CommonDialogs() {
    static CDeferredLibrary s_library("comdlg32.dll");
    return s_library;
}

CDeferredLibrary& CDeferredLibrary::Shell() {
    static CDeferredLibrary s_library("shell32.dll");
    return s_library;
}
