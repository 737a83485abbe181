// Windows: the arguments as the C runtime split them, as UTF-8; answers in a
// box, as a program without a console gives them, and also in the console
// it was started from, if any.
#include <windows.h>

#include <cstdlib>

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
// console), else the console of the process that started this one.
static void ToConsole(const wchar_t* text, const char* utf8, int status) {
    HANDLE out = GetStdHandle(status == 0 ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    bool attached = false;
    if (out == nullptr || out == INVALID_HANDLE_VALUE) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
        attached = true;
        out = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (out == INVALID_HANDLE_VALUE) return;
    }
    DWORD mode = 0, written = 0;
    // A console shows wide text as it is; a pipe or a file gets UTF-8.
    if (GetConsoleMode(out, &mode))
        WriteConsoleW(out, text, DWORD(lstrlenW(text)), &written, nullptr);
    else
        WriteFile(out, utf8, DWORD(lstrlenA(utf8)), &written, nullptr);
    if (attached) FreeConsole();
}

void AnswerAndEnd(const char* text, int status) {
    static wchar_t wide[4096];
    if (MultiByteToWideChar(CP_UTF8, 0, text, -1, wide, sizeof wide / sizeof wide[0]) == 0) wide[0] = L'\0';
    ToConsole(wide, text, status);
    if (status == 0)
        MessageBoxW(nullptr, wide, L"kalderon-test", MB_OK | MB_ICONINFORMATION);
    else
        MessageBoxW(nullptr, wide, nullptr, MB_OK | MB_ICONERROR);
    ExitProcess(UINT(status));
}
