// CDeferredLibrary: a system library that only dialogs and shell actions
// need, loaded at the first call of one of its functions instead of with
// the program, so that start-up does not pay for it. The program calls
// into the common dialogs and the shell only through these.
#pragma once
#include <windows.h>

class CDeferredLibrary {
public:
    explicit CDeferredLibrary(const char* pszName) : m_pszName(pszName) {}
    CDeferredLibrary(const CDeferredLibrary&) = delete;
    CDeferredLibrary& operator=(const CDeferredLibrary&) = delete;

    // The function, loading the library first; null when either is missing.
    // Fn is its declared type, decltype(::Name): naming the function itself
    // would make the program import the library at start again.
    template <typename Fn> Fn* Find(const char* pszProc) {
        return reinterpret_cast<Fn*>(reinterpret_cast<void*>(Proc(pszProc)));
    }
    // Calls the function with the arguments; fallback when it cannot be had.
    template <typename Fn, typename Result, typename... Args>
    Result Call(const char* pszProc, Result fallback, Args... args) {
        Fn* pfn = Find<Fn>(pszProc);
        return pfn ? static_cast<Result>(pfn(args...)) : fallback;
    }

    static CDeferredLibrary& CommonDialogs();
    static CDeferredLibrary& Shell();

private:
    FARPROC Proc(const char* pszProc);

    const char* m_pszName;
    HMODULE m_hModule = nullptr;
};
