// Windows: the arguments as the C runtime split them, as UTF-8.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "console.h"
#include "text.h"

// A command line holds at most 32767 characters: as UTF-8 (three bytes a
// character at most, four a pair) with a terminator a word, they all fit.
static constexpr int COMMAND_CHARS = 32768;

int ProgramArguments(const char* const** args) {
    static char bytes[COMMAND_CHARS * 3 + COMMAND_CHARS];
    static const char* words[COMMAND_CHARS / 2 + 1];
    size_t used = 0;
    int count = 0;
    for (int i = 1; i < __argc; ++i) {
        NarrowToUtf8(__wargv[i], bytes + used, sizeof bytes - used);
        words[count++] = bytes + used;
        used += strlen(bytes + used) + 1;
    }
    *args = words;
    return count;
}
