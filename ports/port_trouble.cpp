// The same box on both platforms, as the panel's are: Win32's, or the Qt
// layer's, which shows none where there is no display (started from a
// terminal without one, standard error has it all).
#include <windows.h>

#include "port_trouble.h"

void ShowPortTrouble(const wchar_t* text) { MessageBoxW(nullptr, text, nullptr, MB_OK | MB_ICONERROR); }
