// Windows: the program has no console of its own. A script's step pause is
// shown in the console it was started from (kalderon-test.com's, or cmd's),
// and Enter read there, wherever its standard handles go; Ctrl+C or closing
// that console asks a stop.
#include <windows.h>

#include <cstring>
#include <cwchar>

#include "board_script.h"
#include "console.h"
#include "text.h"

static volatile LONG g_stop;
static HANDLE g_terminal = INVALID_HANDLE_VALUE, g_terminalOut = INVALID_HANDLE_VALUE;

bool ReadScriptFile(const char* path, char* text, size_t size, size_t* length, char* reason, size_t reasonSize) {
    HANDLE file = GetStdHandle(STD_INPUT_HANDLE);
    const bool fromInput = strcmp(path, "-") == 0;
    if (!fromInput) {
        static wchar_t wide[PATH_BYTES_MAX + 1];  // the command line's word fits whole
        WidenUtf8(path, wide, PATH_BYTES_MAX + 1);
        file = CreateFileW(wide, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    size_t used = 0;
    DWORD got = 0, error = 0;
    if (file == nullptr || file == INVALID_HANDLE_VALUE) {
        error = file == nullptr ? ERROR_INVALID_HANDLE : GetLastError();
    } else {
        while (used + 1 < size) {
            if (!ReadFile(file, text + used, DWORD(size - 1 - used), &got, nullptr)) {
                // A pipe whose writer is gone has ended, not failed.
                if (GetLastError() != ERROR_BROKEN_PIPE) error = GetLastError();
                break;
            }
            if (got == 0) break;
            used += got;
        }
        if (!fromInput) CloseHandle(file);
    }
    text[used] = '\0';
    *length = used;
    reason[0] = '\0';
    if (error != 0) {
        wchar_t message[256] = L"";
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, message,
                       sizeof message / sizeof message[0], nullptr);
        for (wchar_t* end = message + wcslen(message); end > message && (end[-1] == L'\n' || end[-1] == L'\r' ||
                                                                        end[-1] == L'.');)
            *--end = L'\0';
        Append(reason, reasonSize, message);
    }
    return reason[0] == '\0';
}

bool OpenTerminal() {
    if (g_terminal != INVALID_HANDLE_VALUE) return true;
    AttachStarterConsole();  // where it fails, there is no console at all
    g_terminal = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
    g_terminalOut = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    return g_terminal != INVALID_HANDLE_VALUE && g_terminalOut != INVALID_HANDLE_VALUE;
}

void ScriptStepPause(const wchar_t* text) {
    DWORD written = 0;
    WriteConsoleW(g_terminalOut, text, DWORD(wcslen(text)), &written, nullptr);
    WriteConsoleW(g_terminalOut, L"\n", 1, &written, nullptr);
    wchar_t c = 0;
    DWORD got = 0;
    while (!g_stop && ReadConsoleW(g_terminal, &c, 1, &got, nullptr) && got == 1 && c != L'\n') {
    }
}

// Closing the console ends the program once the handler returns: it waits
// for the operation under way to end first (Windows allows it a few seconds).
static BOOL WINAPI Stop(DWORD event) {
    InterlockedExchange(&g_stop, 1);
    if (event == CTRL_CLOSE_EVENT) Sleep(INFINITE);
    return TRUE;
}

void CatchStop() {
    AttachStarterConsole();
    SetConsoleCtrlHandler(Stop, TRUE);
}

bool StopAsked() { return g_stop != 0; }

void PauseFor(uint32_t milliseconds) {
    static constexpr DWORD SLICE_MS = 20;
    for (DWORD slept = 0; !g_stop && slept < milliseconds; slept += SLICE_MS)
        Sleep(milliseconds - slept < SLICE_MS ? milliseconds - slept : SLICE_MS);
}
