// CProfileRewriter: changes a private profile file (the settings file, an
// event file) the way a document is saved. The profile functions rewrite a
// file in place and say nothing when the disk cuts the write short, which
// leaves a file that lost its last lines. The writes go to a copy beside the
// file instead; the copy is read back from the disk and only then renamed
// over the file in one step.
#pragma once
#include <functional>
#include <string>

#include "framework/String.h"

class CProfileRewriter {
public:
    // Applies the profile writes of write (given the copy's path) to a copy
    // of strPath and puts the copy in its place. False when the file could
    // not be replaced: it is then as it was.
    static bool Rewrite(const CString& strPath, const std::function<void(const CString&)>& write);

private:
    static bool CanWrite(const CString& strPath);
    static bool ReadsBackWhole(const CString& strTemp);
    static void Forget(const CString& strPath);
    static std::string ProfileText(const CString& strPath);
};
