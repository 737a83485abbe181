// Linux entry: the panel's own wWinMain does the rest, as on Windows, where
// the C runtime keeps the arguments for the port library's start.
#include "command_line.h"
#include "windows.h"

int main(int argc, char** argv) {
    KeepProgramArguments(argc - 1, argv + 1);
    wchar_t noCommandLine[] = L"";
    return wWinMain(GetModuleHandleW(nullptr), nullptr, noCommandLine, 1);
}
