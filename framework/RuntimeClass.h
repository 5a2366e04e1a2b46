// CRuntimeClass: a class name and a factory, so that the document template
// can create the program's document, frame and view without knowing them.
#pragma once

struct CRuntimeClass {
    const char* m_lpszClassName;
    void* (*m_pfnCreateObject)();

    void* CreateObject() const { return m_pfnCreateObject(); }
};

// The run-time class of T, which must be default-constructible.
template <class T> CRuntimeClass* RuntimeClassOf(const char* pszName) {
    static CRuntimeClass s_class = {pszName, []() -> void* { return new T; }};
    return &s_class;
}
