// The layer's main: keeps the arguments, as Windows' C runtime does, and
// calls the program's own entry.
#include "windows.h"

int main(int argc, char** argv) {
    __argc = argc;
    __argv = argv;
    wchar_t noCommandLine[] = L"";
    return wWinMain(GetModuleHandleW(nullptr), nullptr, noCommandLine, 1);
}
