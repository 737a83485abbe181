// The Linux programs tell the operator why the port (or the simulated
// board's trace) cannot be used in an error box, as the Windows program's
// driver check does: started from a
// desktop menu, no one sees standard error. With no display there is no box
// (and Qt is never started to complain about it); standard error has it all.
#include "windows.h"

#include <cstdlib>

#include "port_trouble.h"

static bool HaveDisplay() {
    const char* x11 = getenv("DISPLAY");
    const char* wayland = getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

void ShowPortTrouble(const wchar_t* text) {
    if (HaveDisplay()) MessageBoxW(nullptr, text, nullptr, MB_OK | MB_ICONERROR);
}
