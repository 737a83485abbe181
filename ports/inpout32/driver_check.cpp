// The port library (inpout32.dll, inpoutx64.dll) needs its kernel driver,
// which it installs on first use with administrator rights. Without it Out32
// silently does nothing and Inp32 returns garbage, so the panel would lie
// about the board: refuse to start.
#include <windows.h>

#include "port_start.h"

void PortStart() {
    using DriverOpenFn = BOOL(WINAPI*)();
    // The build names this width's DLL: inpout32.dll or inpoutx64.dll.
    const HMODULE dll = GetModuleHandleW(PORT_LIBRARY_FILE);
    // Through a generic function pointer: FARPROC's signature is not the export's.
    const auto found = reinterpret_cast<void (*)()>(GetProcAddress(dll, "IsInpOutDriverOpen"));
    const auto driverOpen = reinterpret_cast<DriverOpenFn>(found);
    // Older DLLs have no such check; they run as they always did.
    if (driverOpen == nullptr || driverOpen()) return;
    MessageBoxW(nullptr,
                L"Не удалось открыть драйвер порта (" PORT_LIBRARY_FILE L").\n"
                L"Запустите программу один раз от имени администратора.",
                nullptr, MB_OK | MB_ICONERROR);
    ExitProcess(1);
}
