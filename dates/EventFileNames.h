// How event files are named: the shown name, the path behind it, and the
// cleaning of a name the user types. Event files live in the start-up folder
// (strCurDir, ending in a backslash), apart from at most one file named on
// the command line (strEventFileArg, its full path, or empty).
#pragma once
#include "framework/String.h"

#include <vector>

CString ResolveEventFilePath(const CString& strName, const CString& strEventFileArg,
                             const CString& strCurDir);
// The path DeleteEventFile removes, or empty for an empty name. When it is
// the command-line file, strEventFileArg is emptied.
CString TakeEventFilePathForDelete(const CString& strName, CString& strEventFileArg,
                                   const CString& strCurDir);
// A path's file name without its last four characters (the ".evn").
CString EventFileDisplayName(const CString& strPath);
// The name that "Default" selects: the last event file, else the command-line
// file; empty when there is neither.
CString DefaultEventFileName(const CString& strLastEventFile, const CString& strEventFileArg);
// Removes leading blanks and every character a file name cannot hold. Returns
// true when anything was removed, with nCaret at the last removed position;
// otherwise nCaret is -1.
bool CleanEventFileName(CString& strName, int& nCaret);
// True for a file name ending in ".evn" (any case) with a name before it.
// A "*.evn" search also finds longer extensions through their short names
// ("x.evnt" is "X~1.EVN"); this tells them apart.
bool HasEvnExtension(const CString& strFile);
// The titles (names without ".evn") of the event files in strFolder (ending
// in a backslash), in the order the folder lists them. Windows only: it
// searches the folder.
std::vector<CString> EvnFileTitles(const CString& strFolder);
