// kalderon-test.com: the console's way in to kalderon-test.exe, which has
// none of its own. cmd.exe runs a .com before an .exe of the same name, so
// "kalderon-test --run check.txt" comes here: this starts the program beside
// it with the same arguments and this console's standard handles, waits, and
// ends with its status, so that cmd shows the output and %ERRORLEVEL%.
// Where the program cannot start at all for want of its port library, it
// says so, which the program itself never can.
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

// In Russian as the program's own texts are: wide to a console, UTF-8 to a
// pipe or a file.
static wchar_t said[PATH_CHARS + 512];
static void Say(HANDLE out) {
    static char bytes[sizeof said / sizeof said[0] * 3];
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, said, DWORD(lstrlenW(said)), &written, nullptr);
        return;
    }
    const int length = WideCharToMultiByte(CP_UTF8, 0, said, -1, bytes, sizeof bytes, nullptr, nullptr);
    if (length > 1) WriteFile(out, bytes, DWORD(length - 1), &written, nullptr);
}

// Which library is missing and where it must be.
static void SayLibraryMissing(HANDLE out, wchar_t* program) {
    wchar_t* name = program + lstrlenW(program);
    while (name > program && name[-1] != L'\\') --name;
    name[name > program ? -1 : 0] = L'\0';  // the program's folder
    lstrcpyW(said, L"kalderon-test: нет библиотеки порта " PORT_LIBRARY_FILE L", без неё программа не запускается.\r\n"
                   L"Её место рядом с программой: ");
    lstrcatW(said, program);
    lstrcatW(said, L"\\" PORT_LIBRARY_FILE L"\r\nГде её взять: README.txt, «Если программа не запускается».\r\n");
    Say(out);
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
    // The program inherits this: a port library that is not there ends it
    // with its status, said here, instead of a loader's box that holds cmd
    // until someone clicks it.
    SetErrorMode(SEM_FAILCRITICALERRORS);
    if (!CreateProcessW(program, command, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        lstrcpyW(said, L"kalderon-test.com: не удалось запустить kalderon-test.exe, который должен лежать рядом.\r\n");
        Say(startup.hStdError);
        return 1;
    }
    // Ctrl+C is the program's: it stops after the operation under way, and
    // this waits for it.
    SetConsoleCtrlHandler(nullptr, TRUE);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    // The loader's status (0xC0000135) for a program whose DLL is not there:
    // the port library, the one it imports that Windows does not carry.
    if (status != DWORD(STATUS_DLL_NOT_FOUND)) return int(status);
    SayLibraryMissing(startup.hStdError, program);
    return 1;  // the board cannot be reached, as the program's own refusals end
}
