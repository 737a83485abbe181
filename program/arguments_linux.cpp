// Linux: the arguments main was given, which the Win32 layer keeps as the C
// runtime keeps them on Windows.
#include "console.h"
#include "windows.h"

int ProgramArguments(const char* const** args) {
    *args = __argc > 0 ? __argv + 1 : __argv;
    return __argc > 0 ? __argc - 1 : 0;
}
