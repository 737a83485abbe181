// inpout32.dll needs its kernel driver, which it installs on first use with
// administrator rights. Without it Out32 silently does nothing and Inp32
// returns garbage, so the panel would lie about the board: refuse to start.
#include <windows.h>

#include "port_start.h"

void PortStart() {
    using DriverOpenFn = BOOL(WINAPI*)();
    const HMODULE dll = GetModuleHandleW(L"inpout32.dll");
    const auto driverOpen = reinterpret_cast<DriverOpenFn>(GetProcAddress(dll, "IsInpOutDriverOpen"));
    // Older DLLs have no such check; they run as they always did.
    if (driverOpen == nullptr || driverOpen()) return;
    MessageBoxW(nullptr,
                L"Не удалось открыть драйвер порта (inpout32.dll).\n"
                L"Запустите программу один раз от имени администратора.",
                nullptr, MB_OK | MB_ICONERROR);
    ExitProcess(1);
}
