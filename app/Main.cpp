// The program's entry point: the application object does the rest.
#include <windows.h>

#include "app/AlmanarkApp.h"
#include "app/ProgramArgument.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    // Naming theApp here also links it in from the program's library.
    if (AfxGetApp() != &theApp)
        return -1;
    return AfxWinMain(hInstance, SkipProgramName(::GetCommandLineA()), nCmdShow);
}
