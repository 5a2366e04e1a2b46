// CFileStream: a write-only COM stream over a new file, for the imaging
// codecs. It keeps the system's error of a failed write, which the codecs
// report only as a general failure: a full disk can then say so.
#pragma once
#include <objidl.h>

class CFileStream : public IStream {
public:
    // Creates (or empties) the file; IsOpen tells whether that worked.
    explicit CFileStream(const char* pszPath);
    ~CFileStream();
    CFileStream(const CFileStream&) = delete;
    CFileStream& operator=(const CFileStream&) = delete;

    bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    // The system error of the last failed call, 0 while none failed.
    DWORD LastError() const { return m_dwError; }
    // Flushes the bytes to the disk and closes the file; false on failure.
    bool Close();

    // IUnknown: the stream lives on the stack of its user; counts are kept
    // only to be honest to the codecs.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_nRefs; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_nRefs; }

    HRESULT STDMETHODCALLTYPE Read(void*, ULONG, ULONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Write(const void* pv, ULONG cb, ULONG* pcbWritten) override;
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD dwOrigin,
                                   ULARGE_INTEGER* pNewPos) override;
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER size) override;
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*,
                                     ULARGE_INTEGER*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Revert() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* pStat, DWORD grfStatFlag) override;
    HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return E_NOTIMPL; }

private:
    // Keeps the error of the call that just failed and gives its HRESULT.
    HRESULT Failed();

    HANDLE m_hFile;
    DWORD m_dwError = 0;
    ULONG m_nRefs = 1;
};
