// The stand-in port library has no start export the program would call (the
// real library has none): the simulated board starts when the DLL is loaded.
#include <windows.h>

#include "sim_board.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) SimBoardStart();
    return TRUE;
}
