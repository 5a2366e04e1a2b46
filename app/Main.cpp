// The program's entry point: the application object does the rest.
#include <windows.h>

#include "app/ProgramArgument.h"
#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    // The raw command line, for the program's own argument after the first "/".
    return AfxWinMain(hInstance, SkipProgramName(::GetCommandLineA()), nCmdShow);
}
