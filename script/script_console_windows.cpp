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

static HANDLE g_stopped;  // an event, set once a stop is asked, for good
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
    if (error != 0) AddSystemReason(reason, reasonSize, int(error));
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

// Waits on the stop and the console's input together: a stop that comes
// after the flag was looked at still ends the pause at once, where a read
// begun just after it would wait for Enter. Only Enter's key going down ends
// the pause; every other event is taken and passed over.
void ScriptStepPause(const wchar_t* text) {
    DWORD written = 0;
    WriteConsoleW(g_terminalOut, text, DWORD(wcslen(text)), &written, nullptr);
    WriteConsoleW(g_terminalOut, L"\n", 1, &written, nullptr);
    const HANDLE waits[] = {g_stopped, g_terminal};
    INPUT_RECORD input = {};
    DWORD got = 0;
    while (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1 &&
           ReadConsoleInputW(g_terminal, &input, 1, &got)) {
        if (got == 1 && input.EventType == KEY_EVENT && input.Event.KeyEvent.bKeyDown &&
            input.Event.KeyEvent.wVirtualKeyCode == VK_RETURN)
            return;
    }
}

// Closing the console ends the program once the handler returns: it waits
// for the operation under way to end first (Windows allows it a few seconds).
static BOOL WINAPI Stop(DWORD event) {
    SetEvent(g_stopped);
    if (event == CTRL_CLOSE_EVENT) Sleep(INFINITE);
    return TRUE;
}

void CatchStop() {
    AttachStarterConsole();
    g_stopped = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(Stop, TRUE);
}

bool StopAsked() { return WaitForSingleObject(g_stopped, 0) == WAIT_OBJECT_0; }

// INFINITE is a count of milliseconds too; a wait that long is one less.
void PauseFor(uint32_t milliseconds) {
    WaitForSingleObject(g_stopped, milliseconds == INFINITE ? INFINITE - 1 : milliseconds);
}
