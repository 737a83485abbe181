// Windows: the arguments as the C runtime split them, as UTF-8; answers in a
// box, as a program without a console gives them, and also in the console
// it was started from, if any.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "command_line.h"

static constexpr size_t ARG_BYTES = 512;

int ProgramArguments(const char** args) {
    static char bytes[PORT_ARGS_MAX][ARG_BYTES];
    const int count = __argc - 1 < PORT_ARGS_MAX ? __argc - 1 : PORT_ARGS_MAX;
    for (int i = 0; i < count; ++i) {
        WideCharToMultiByte(CP_UTF8, 0, __wargv[i + 1], -1, bytes[i], ARG_BYTES - 1, nullptr, nullptr);
        args[i] = bytes[i];
    }
    return count;
}

// Standard output or error where the starter gave one (a pipe, a file, a
// console), else the console of the process that started this one, if any.
static HANDLE Console(bool error) {
    const HANDLE given = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (given != nullptr && given != INVALID_HANDLE_VALUE) return given;
    static HANDLE console = INVALID_HANDLE_VALUE;
    static bool asked = false;
    if (!asked) {
        asked = true;
        if (AttachConsole(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED)  // attached already
            console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
    }
    return console;
}

// A console shows wide text as it is; a pipe or a file gets UTF-8.
static void Write(HANDLE out, const char* utf8, const wchar_t* wide) {
    DWORD mode = 0, written = 0;
    if (out == INVALID_HANDLE_VALUE) return;
    if (GetConsoleMode(out, &mode))
        WriteConsoleW(out, wide, DWORD(wcslen(wide)), &written, nullptr);
    else
        WriteFile(out, utf8, DWORD(strlen(utf8)), &written, nullptr);
}

static wchar_t g_wide[4096];

static const wchar_t* Widened(const char* text) {
    if (MultiByteToWideChar(CP_UTF8, 0, text, -1, g_wide, sizeof g_wide / sizeof g_wide[0]) == 0) g_wide[0] = L'\0';
    return g_wide;
}

static constexpr int PATH_CHARS = 1024;

const char* EnvironmentUtf8(const char* name) {
    static char value[PATH_CHARS * 3];
    wchar_t wideName[64], wide[PATH_CHARS];
    MultiByteToWideChar(CP_UTF8, 0, name, -1, wideName, 64);
    const DWORD length = GetEnvironmentVariableW(wideName, wide, PATH_CHARS);
    if (length == 0 || length >= DWORD(PATH_CHARS)) return nullptr;
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, value, sizeof value, nullptr, nullptr);
    return value;
}

FILE* OpenUtf8(const char* path, const char* mode) {
    wchar_t widePath[PATH_CHARS], wideMode[8];
    if (MultiByteToWideChar(CP_UTF8, 0, path, -1, widePath, PATH_CHARS) == 0) return nullptr;
    MultiByteToWideChar(CP_UTF8, 0, mode, -1, wideMode, 8);
    return _wfopen(widePath, wideMode);
}

void SayToConsole(const char* text, bool error) { Write(Console(error), text, Widened(text)); }

void AnswerAndEnd(const char* text, int status) {
    SayToConsole(text, status != 0);
    if (status == 0)
        MessageBoxW(nullptr, g_wide, L"kalderon-test", MB_OK | MB_ICONINFORMATION);
    else
        MessageBoxW(nullptr, g_wide, nullptr, MB_OK | MB_ICONERROR);
    ExitProcess(UINT(status));
}
