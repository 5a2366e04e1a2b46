// 64-bit offsets for 32-bit POSIX builds too; must precede every include.
#if !defined(_WIN32) && !defined(_FILE_OFFSET_BITS)
#define _FILE_OFFSET_BITS 64
#endif
#include "framework/File.h"

#include <cerrno>

namespace {
int SeekStream(FILE* pStream, int64_t lOff, int nOrigin) {
#ifdef _WIN32
    return _fseeki64(pStream, lOff, nOrigin);
#else
    return fseeko(pStream, (off_t)lOff, nOrigin);
#endif
}

int64_t TellStream(FILE* pStream) {
#ifdef _WIN32
    return _ftelli64(pStream);
#else
    return (int64_t)ftello(pStream);
#endif
}

// The C stream mode for the flags. Writing without modeCreate keeps the
// file's contents, as does modeCreate with modeNoTruncate when the file
// already exists.
const char* StreamMode(unsigned nFlags, bool bExists) {
    bool bCreate = (nFlags & CFile::modeCreate) != 0;
    bool bWrite = (nFlags & (CFile::modeWrite | CFile::modeReadWrite)) != 0;
    if (!bWrite)
        return "rb";
    if (bCreate && !((nFlags & CFile::modeNoTruncate) && bExists))
        return (nFlags & CFile::modeReadWrite) ? "w+b" : "wb";
    return "r+b";
}

// The errno of a failed write. A write cut short without an error of its own
// ran out of room: the C runtime then leaves errno at 0 (or sets EINVAL, as
// Wine's does when WriteFile succeeds with fewer bytes).
int WriteErrno() {
    return errno == 0 || errno == EINVAL ? ENOSPC : errno;
}
} // namespace

CFile::~CFile() {
    Abort();
}

bool CFile::Open(const char* pszFileName, unsigned nOpenFlags, CFileException* pError) {
    Abort();
    m_strFileName = pszFileName ? pszFileName : "";
    m_nLastOp = opNone;
    bool bExists = false;
    if ((nOpenFlags & modeCreate) && (nOpenFlags & modeNoTruncate)) {
        if (FILE* pProbe = fopen(m_strFileName, "rb")) {
            bExists = true;
            fclose(pProbe);
        }
    }
    errno = 0;
    m_pStream = pszFileName && *pszFileName ? fopen(m_strFileName, StreamMode(nOpenFlags, bExists))
                                            : nullptr;
    if (m_pStream)
        return true;
    if (pError) {
        int nErr = errno ? errno : ENOENT;
        *pError = CFileException(CFileException::CauseFromErrno(nErr), m_strFileName, nErr);
    }
    return false;
}

// C streams need a positioning call between a write and a following read
// (and the other way round); a seek to the current position is enough.
void CFile::SwitchTo(LastOp nOp) {
    if (m_nLastOp != opNone && m_nLastOp != nOp && SeekStream(m_pStream, 0, SEEK_CUR) != 0)
        ThrowErrno(errno);
    m_nLastOp = nOp;
}

unsigned CFile::Read(void* pBuf, unsigned nCount) {
    if (!m_pStream)
        ThrowErrno(EBADF);
    if (nCount == 0)
        return 0;
    SwitchTo(opRead);
    errno = 0;
    size_t nRead = fread(pBuf, 1, nCount, m_pStream);
    if (nRead < nCount && ferror(m_pStream)) {
        int nErr = errno;
        clearerr(m_pStream);
        ThrowErrno(nErr);
    }
    return (unsigned)nRead;
}

void CFile::Write(const void* pBuf, unsigned nCount) {
    if (!m_pStream)
        ThrowErrno(EBADF);
    if (nCount == 0)
        return;
    SwitchTo(opWrite);
    errno = 0;
    if (fwrite(pBuf, 1, nCount, m_pStream) != nCount) {
        int nErr = WriteErrno();
        clearerr(m_pStream);
        ThrowErrno(nErr);
    }
}

uint64_t CFile::Seek(int64_t lOff, SeekPosition nFrom) {
    if (!m_pStream)
        ThrowErrno(EBADF);
    int nOrigin = nFrom == begin ? SEEK_SET : nFrom == current ? SEEK_CUR : SEEK_END;
    errno = 0;
    if (SeekStream(m_pStream, lOff, nOrigin) != 0) {
        int nErr = errno;
        throw CFileException(nErr == EINVAL || nErr == 0 ? CFileException::badSeek
                                                         : CFileException::CauseFromErrno(nErr),
                             m_strFileName, nErr);
    }
    m_nLastOp = opNone;
    return GetPosition();
}

uint64_t CFile::GetPosition() const {
    if (!m_pStream)
        ThrowErrno(EBADF);
    int64_t lPos = TellStream(m_pStream);
    if (lPos < 0)
        ThrowErrno(errno);
    return (uint64_t)lPos;
}

uint64_t CFile::GetLength() const {
    uint64_t nPos = GetPosition();
    if (SeekStream(m_pStream, 0, SEEK_END) != 0)
        ThrowErrno(errno);
    int64_t lEnd = TellStream(m_pStream);
    int nErr = errno;
    if (SeekStream(m_pStream, (int64_t)nPos, SEEK_SET) != 0)
        ThrowErrno(errno);
    if (lEnd < 0)
        ThrowErrno(nErr);
    return (uint64_t)lEnd;
}

void CFile::Flush() {
    if (!m_pStream)
        return;
    errno = 0;
    if (fflush(m_pStream) != 0)
        ThrowErrno(WriteErrno());
}

// A full disk often shows only when the stream's buffer is written out, so a
// failed flush or close is an error like a failed write.
void CFile::Close() {
    if (!m_pStream)
        return;
    errno = 0;
    int nErr = 0;
    if (fflush(m_pStream) != 0)
        nErr = WriteErrno();
    errno = 0;
    if (fclose(m_pStream) != 0 && nErr == 0)
        nErr = errno ? errno : EIO;
    m_pStream = nullptr;
    m_nLastOp = opNone;
    if (nErr)
        ThrowErrno(nErr);
}

void CFile::Abort() {
    if (m_pStream)
        fclose(m_pStream);
    m_pStream = nullptr;
    m_nLastOp = opNone;
}

void CFile::ThrowErrno(int nErrno) const {
    // A failure without an errno is still a failure.
    if (nErrno == 0)
        nErrno = EIO;
    throw CFileException(CFileException::CauseFromErrno(nErrno), m_strFileName, nErrno);
}
