#include "image/FileStream.h"

#include <cstring>

CFileStream::CFileStream(const char* pszPath)
    : m_hFile(::CreateFileA(pszPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (m_hFile == INVALID_HANDLE_VALUE)
        m_dwError = ::GetLastError();
}

CFileStream::~CFileStream() {
    if (IsOpen())
        ::CloseHandle(m_hFile);
}

bool CFileStream::Close() {
    if (!IsOpen())
        return false;
    if (!::FlushFileBuffers(m_hFile))
        Failed();
    const bool bClosed = ::CloseHandle(m_hFile) != 0;
    m_hFile = INVALID_HANDLE_VALUE;
    return bClosed && m_dwError == 0;
}

HRESULT CFileStream::Failed() {
    m_dwError = ::GetLastError();
    return HRESULT_FROM_WIN32(m_dwError ? m_dwError : ERROR_WRITE_FAULT);
}

HRESULT CFileStream::QueryInterface(REFIID riid, void** ppv) {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IStream) ||
        IsEqualIID(riid, IID_ISequentialStream)) {
        *ppv = static_cast<IStream*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

HRESULT CFileStream::Write(const void* pv, ULONG cb, ULONG* pcbWritten) {
    DWORD nWritten = 0;
    const BOOL bOK = ::WriteFile(m_hFile, pv, cb, &nWritten, nullptr);
    if (pcbWritten)
        *pcbWritten = nWritten;
    // A write cut short is a full disk to the caller, as the system says.
    if (bOK && nWritten < cb)
        ::SetLastError(ERROR_DISK_FULL);
    return bOK && nWritten == cb ? S_OK : Failed();
}

HRESULT CFileStream::Seek(LARGE_INTEGER move, DWORD dwOrigin, ULARGE_INTEGER* pNewPos) {
    LARGE_INTEGER pos = {};
    if (!::SetFilePointerEx(m_hFile, move, &pos, dwOrigin))
        return Failed();
    if (pNewPos)
        pNewPos->QuadPart = (ULONGLONG)pos.QuadPart;
    return S_OK;
}

HRESULT CFileStream::SetSize(ULARGE_INTEGER size) {
    LARGE_INTEGER pos = {}, zero = {}, target = {};
    target.QuadPart = (LONGLONG)size.QuadPart;
    if (!::SetFilePointerEx(m_hFile, zero, &pos, FILE_CURRENT) ||
        !::SetFilePointerEx(m_hFile, target, nullptr, FILE_BEGIN) || !::SetEndOfFile(m_hFile) ||
        !::SetFilePointerEx(m_hFile, pos, nullptr, FILE_BEGIN))
        return Failed();
    return S_OK;
}

HRESULT CFileStream::Stat(STATSTG* pStat, DWORD) {
    memset(pStat, 0, sizeof *pStat);
    pStat->type = STGTY_STREAM;
    LARGE_INTEGER size = {};
    if (!::GetFileSizeEx(m_hFile, &size))
        return Failed();
    pStat->cbSize.QuadPart = (ULONGLONG)size.QuadPart;
    pStat->grfMode = STGM_READWRITE;
    return S_OK;
}
