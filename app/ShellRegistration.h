// The registry keys of the program's file types under HKEY_CLASSES_ROOT:
// the event-file type added at every start, and the removal of all keys.
#pragma once
#include <windows.h>

class CShellRegistration {
public:
    static void RegisterEventFileType();
    // The sum of the result codes of the 13 deletions: 0 when all succeeded.
    static LONG DeleteRegistryKeys();
};
