// Windows: answers in the console the program was started from, or handed by its starter (a
// pipe, a file, kalderon-test.com's console), and in a box only where there
// is neither.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "console.h"
#include "text.h"

bool AttachStarterConsole() {
    static bool attached = false, asked = false;
    if (!asked) {
        asked = true;
        attached = AttachConsole(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED;  // attached already
    }
    return attached;
}

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

// A console's lines are broken at words, a long line's further lines
// indented under its text; a pipe or a file gets the text as it is.
static constexpr size_t CONSOLE_WIDTH = 79;

static void WriteLineWrapped(HANDLE out, const wchar_t* line, size_t length) {
    DWORD written = 0;
    size_t indent = 0;
    while (indent < length && line[indent] == L' ') ++indent;
    const size_t hanging = indent == 0 ? 0 : indent + 2;
    for (bool first = true;; first = false) {
        const size_t room = CONSOLE_WIDTH - (first ? 0 : hanging);
        if (!first) WriteConsoleW(out, L"                                        ", DWORD(hanging), &written, nullptr);
        if (length <= room) {
            WriteConsoleW(out, line, DWORD(length), &written, nullptr);
            return;
        }
        size_t cut = room;
        while (cut > indent && line[cut] != L' ') --cut;
        if (cut <= indent) cut = room;  // one word wider than the console
        WriteConsoleW(out, line, DWORD(cut), &written, nullptr);
        WriteConsoleW(out, L"\r\n", 2, &written, nullptr);
        while (cut < length && line[cut] == L' ') ++cut;
        line += cut;
        length -= cut;
    }
}

static wchar_t g_wide[8192];

void SayToConsole(const char* text, bool error) {
    const HANDLE out = Console(error);
    DWORD mode = 0, written = 0;
    if (!Given(out)) return;
    if (!GetConsoleMode(out, &mode)) {
        WriteFile(out, text, DWORD(strlen(text)), &written, nullptr);
        return;
    }
    WidenUtf8(text, g_wide, sizeof g_wide / sizeof g_wide[0]);
    for (const wchar_t* line = g_wide; *line != L'\0';) {
        const wchar_t* end = wcschr(line, L'\n');
        const size_t length = end != nullptr ? size_t(end - line) : wcslen(line);
        WriteLineWrapped(out, line, length);
        if (end == nullptr) break;
        WriteConsoleW(out, L"\r\n", 2, &written, nullptr);
        line = end + 1;
    }
}

void AnswerAndEnd(const char* text, int status) {
    SayToConsole(text, status != 0);
    if (!HaveConsole()) {
        WidenUtf8(text, g_wide, sizeof g_wide / sizeof g_wide[0]);
        if (status == 0)
            MessageBoxW(nullptr, g_wide, L"kalderon-test", MB_OK | MB_ICONINFORMATION);
        else
            MessageBoxW(nullptr, g_wide, nullptr, MB_OK | MB_ICONERROR);
    }
    ExitProcess(UINT(status));
}

void EndWithoutWindow() {
    static const wchar_t text[] = L"Не удалось открыть окно панели.";
    SayToConsole("kalderon-test: cannot open the panel's window.\n", true);
    if (!HaveConsole()) MessageBoxW(nullptr, text, nullptr, MB_OK | MB_ICONERROR);
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
