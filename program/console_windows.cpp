// Windows: answers in the console the program was started from, or handed by its starter (a
// pipe, a file, kalderon-test.com's console), and in a box only where there
// is neither.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "console.h"
#include "text.h"

// Asked again, it finds the console attached already.
bool AttachStarterConsole() { return AttachConsole(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED; }

static bool Given(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

// Standard output or error where the starter gave one, else the console of
// the process that started this one, if any.
static HANDLE Console(bool error) {
    const HANDLE given = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (Given(given)) return given;
    static HANDLE console = INVALID_HANDLE_VALUE;
    if (console == INVALID_HANDLE_VALUE && AttachStarterConsole())
        console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    return console;
}

bool HaveConsole() { return Given(Console(true)); }

static wchar_t g_wide[8192];

// A console gets wide text, shown as it is; a pipe or a file the bytes.
void SayToConsole(const char* text, bool error) {
    const HANDLE out = Console(error);
    DWORD mode = 0, written = 0;
    if (!Given(out)) return;
    if (GetConsoleMode(out, &mode)) {
        WidenUtf8(text, g_wide, sizeof g_wide / sizeof g_wide[0]);
        WriteConsoleW(out, g_wide, DWORD(wcslen(g_wide)), &written, nullptr);
    } else {
        WriteFile(out, text, DWORD(strlen(text)), &written, nullptr);
    }
}

// A box wraps its own lines: a text's soft breaks (" \n" and the indent
// after it, words_windows.cpp) become spaces, so that it shows paragraphs.
static const wchar_t* Paragraphs(const char* text) {
    WidenUtf8(text, g_wide, sizeof g_wide / sizeof g_wide[0]);
    wchar_t* to = g_wide;
    for (const wchar_t* from = g_wide; *from != L'\0'; ++from) {
        *to++ = *from;
        if (from[0] == L' ' && from[1] == L'\n')
            for (++from; from[1] == L' ';) ++from;
    }
    *to = L'\0';
    return g_wide;
}

void AnswerAndEnd(const char* text, int status) {
    SayToConsole(text, status != 0);
    if (!HaveConsole())
        MessageBoxW(nullptr, Paragraphs(text), status == 0 ? L"kalderon-test" : nullptr,
                    MB_OK | (status == 0 ? MB_ICONINFORMATION : MB_ICONERROR));
    ExitProcess(UINT(status));
}

// Where Windows cannot show the panel, it shows no box either.
void EndWithoutWindow() {
    SayToConsole("kalderon-test: cannot open the panel's window.\n", true);
    ExitProcess(1);
}

static constexpr int PATH_CHARS = 1024;

const char* EnvironmentUtf8(const char* name) {
    static char value[PATH_CHARS * 3];
    wchar_t wideName[64], wide[PATH_CHARS];
    WidenUtf8(name, wideName, 64);
    const DWORD length = GetEnvironmentVariableW(wideName, wide, PATH_CHARS);
    if (length == 0 || length >= DWORD(PATH_CHARS)) return nullptr;
    NarrowToUtf8(wide, value, sizeof value);
    return value;
}

FILE* OpenUtf8(const char* path, const char* mode) {
    wchar_t widePath[PATH_CHARS], wideMode[8];
    WidenUtf8(path, widePath, PATH_CHARS);
    WidenUtf8(mode, wideMode, 8);
    return _wfopen(widePath, wideMode);
}
