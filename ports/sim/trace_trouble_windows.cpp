// Windows: paths from the environment are in the ANSI code page, and the
// simulated board's DLL shows its own error box.
#include <windows.h>

#include "sim_board.h"

void WidenPath(const char* bytes, wchar_t* out, size_t size) {
    if (MultiByteToWideChar(CP_ACP, 0, bytes, -1, out, int(size)) == 0 && size > 0) out[0] = L'\0';
}

void TraceTrouble(const wchar_t* text) {
    MessageBoxW(nullptr, text, nullptr, MB_OK | MB_ICONERROR);
    ExitProcess(1);
}
