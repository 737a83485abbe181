// Windows: answers in the console the program was started from, or handed by
// its starter (a pipe, a file, kalderon-test.com's console).
#include <windows.h>

#include <cerrno>
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

bool StartedFromConsole() { return Given(Console(true)); }

const bool ANSWER_IN_BOX = true;

static DWORD g_lost[2];  // by stream: standard output, standard error

// A console gets wide text, shown as it is; a pipe or a file the bytes, all
// of them or the stream is lost. No stream at all is a start without a
// console, whose answer is a box.
void SayToConsole(const char* text, bool error) {
    static wchar_t wide[SAID_MAX];
    const HANDLE out = Console(error);
    DWORD mode = 0, written = 0;
    if (!Given(out)) return;
    if (GetConsoleMode(out, &mode)) {
        WidenUtf8(text, wide, sizeof wide / sizeof wide[0]);
        WriteConsoleW(out, wide, DWORD(wcslen(wide)), &written, nullptr);
        return;
    }
    const DWORD length = DWORD(strlen(text));
    const DWORD failure = WriteFile(out, text, length, &written, nullptr) ? ERROR_HANDLE_DISK_FULL : GetLastError();
    if (written != length && g_lost[error] == 0) g_lost[error] = failure;
}

// WriteFile hands each text to the system whole, which keeps it from then on.
int StreamLost(bool error) { return int(g_lost[error]); }

void AddSystemReason(char* to, size_t size, int code) {
    wchar_t message[256] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, DWORD(code), 0, message,
                   sizeof message / sizeof message[0], nullptr);
    for (wchar_t* end = message + wcslen(message);
         end > message && (end[-1] == L'\n' || end[-1] == L'\r' || end[-1] == L'.');)
        *--end = L'\0';
    Append(to, size, message);
}

// An environment's value may be as long as Windows allows one.
static constexpr DWORD VALUE_CHARS = 32767;

const char* EnvironmentUtf8(const char* name) {
    static char value[VALUE_CHARS * 3];
    static wchar_t wide[VALUE_CHARS];
    wchar_t wideName[64];
    WidenUtf8(name, wideName, 64);
    const DWORD length = GetEnvironmentVariableW(wideName, wide, VALUE_CHARS);
    if (length == 0 || length >= VALUE_CHARS) return nullptr;
    NarrowToUtf8(wide, value, sizeof value);
    return value;
}

FILE* OpenUtf8(const char* path, const char* mode) {
    wchar_t widePath[PATH_BYTES_MAX + 1], wideMode[8];
    if (strlen(path) > PATH_BYTES_MAX) {
        errno = ENAMETOOLONG;
        return nullptr;
    }
    WidenUtf8(path, widePath, PATH_BYTES_MAX + 1);
    WidenUtf8(mode, wideMode, 8);
    return _wfopen(widePath, wideMode);
}
