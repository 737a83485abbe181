// The stand-in port library has no start export the program would call (the
// real library has none): the simulated board starts when the DLL is loaded.
// Its trouble (a trace that cannot be written) ends the program on standard
// error, where the test's driver reads it.
#include <windows.h>

#include <cstdio>

#include "sim_board.h"

static void TroubleEnds(const char* english, const char*) {
    fprintf(stderr, "%s\n", english);
    ExitProcess(1);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    const PortStarted started = SimBoardStart(TroubleEnds);
    if (started.port == nullptr) TroubleEnds(started.english, started.russian);
    return TRUE;
}
