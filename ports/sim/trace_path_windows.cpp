// Windows: a path from the environment is in the ANSI code page.
#include <windows.h>

#include "sim_board.h"

void WidenPath(const char* bytes, wchar_t* out, size_t size) {
    if (MultiByteToWideChar(CP_ACP, 0, bytes, -1, out, int(size)) == 0 && size > 0) out[0] = L'\0';
}
