// kalderon-test.com: the console's way in to kalderon-test.exe, which has
// none of its own. cmd.exe runs a .com before an .exe of the same name, so
// "kalderon-test --run check.txt" comes here: this starts the program beside
// it with the same arguments and this console's standard handles, waits, and
// ends with its status, so that cmd shows the output and %ERRORLEVEL%.
#include <windows.h>

#include "text.h"

static constexpr DWORD PATH_CHARS = PATH_BYTES_MAX + 1;
static constexpr DWORD COMMAND_CHARS = 32768;  // the most a command line holds

// The command line's arguments after the program's own name.
static const wchar_t* Arguments(const wchar_t* line) {
    bool quoted = false;
    for (; *line != L'\0' && (quoted || (*line != L' ' && *line != L'\t')); ++line)
        if (*line == L'"') quoted = !quoted;
    return line;
}

int wmain() {
    static wchar_t program[PATH_CHARS], command[COMMAND_CHARS];
    const DWORD length = GetModuleFileNameW(nullptr, program, PATH_CHARS);
    if (length < 4 || length >= PATH_CHARS) return 1;
    lstrcpyW(program + length - 4, L".exe");  // kalderon-test.com -> kalderon-test.exe
    lstrcpyW(command, L"\"");
    lstrcatW(command, program);
    lstrcatW(command, L"\"");
    const wchar_t* arguments = Arguments(GetCommandLineW());
    if (lstrlenW(command) + lstrlenW(arguments) >= int(COMMAND_CHARS)) return 1;
    lstrcatW(command, arguments);

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program, command, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        static const char cannot[] = "kalderon-test.com: cannot start kalderon-test.exe beside it\n";
        DWORD written = 0;
        WriteFile(startup.hStdError, cannot, sizeof cannot - 1, &written, nullptr);
        return 1;
    }
    // Ctrl+C is the program's: it stops after the operation under way, and
    // this waits for it.
    SetConsoleCtrlHandler(nullptr, TRUE);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    return int(status);
}
