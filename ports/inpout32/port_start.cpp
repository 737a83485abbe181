// Windows: before the panel opens, make sure the port library can reach the
// hardware and choose the port the board hangs on: the first parallel port
// Windows lists, or the one the operator names with --port. Every refusal
// comes before the first port access, in an error box, with exit status 1.
#include <windows.h>

#include <cstdlib>
#include <cwchar>

#include "lpt_list.h"
#include "port_args.h"
#include "port_shift.h"
#include "port_io.h"

static constexpr size_t TEXT_MAX = 2048;
static constexpr int ARGS_MAX = 8;  // more than --port's two are wrong anyway
static constexpr size_t ARG_BYTES = 512;

// The build names this width's DLL: inpout32.dll or inpoutx64.dll.
static void* LibraryExport(const char* name) {
    // Through a generic function pointer: FARPROC's signature is not the export's.
    return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(PORT_LIBRARY_FILE), name));
}

[[noreturn]] static void Refuse(const wchar_t* text) {
    MessageBoxW(nullptr, text, nullptr, MB_OK | MB_ICONERROR);
    ExitProcess(1);
}

// The library needs its kernel driver, which it installs on first use with
// administrator rights. Without it Out32 silently does nothing and Inp32
// returns garbage, so the panel would lie about the board.
static void CheckDriver() {
    using DriverOpenFn = BOOL(WINAPI*)();
    const auto driverOpen = reinterpret_cast<DriverOpenFn>(LibraryExport("IsInpOutDriverOpen"));
    // Older DLLs have no such check; they run as they always did.
    if (driverOpen == nullptr || driverOpen()) return;
    Refuse(L"Не удалось открыть драйвер порта (" PORT_LIBRARY_FILE L").\n"
           L"Запустите программу один раз от имени администратора.\n\n"
           L"Если это не помогает, драйвер не даёт загрузить сама Windows или другая программа:\n"
           L"• «Целостность памяти» (Безопасность Windows → Безопасность устройства → Изоляция ядра) "
           L"или список заблокированных уязвимых драйверов: отключите их;\n"
           L"• антивирус поместил драйвер в карантин: восстановите его и добавьте в исключения;\n"
           L"• службы защиты от читов в играх: остановите их или удалите.");
}

// The simulated board needs no port: it answers wherever the program asks,
// and has only its trace to check, in a start of its own.
static bool StartedSimulatedBoard() {
    using StartFn = void (*)();
    const auto start = reinterpret_cast<StartFn>(LibraryExport("SimulatedBoardStart"));
    if (start == nullptr) return false;
    start();
    return true;
}

// "LPT1 (0378), LPT3 (D010)", or a sentence saying there is none.
static void AppendListed(wchar_t* text, const ListedPort* ports, int count) {
    const size_t used = wcslen(text);
    wchar_t* at = text + used;
    size_t left = TEXT_MAX - used;
    if (count == 0) {
        swprintf(at, left, L"Windows не нашла на этом компьютере ни одного параллельного порта.");
        return;
    }
    int written = swprintf(at, left, L"Параллельные порты этого компьютера:");
    for (int i = 0; i < count && written > 0; ++i) {
        at += written;
        left -= size_t(written);
        written = swprintf(at, left, L"%ls LPT%u (%04X)", i == 0 ? L"" : L",", ports[i].lpt, ports[i].base);
    }
}

static const wchar_t NAMING_A_PORT[] =
    L"Порт, которого Windows не показывает, указывают его адресом при запуске программы, например:\n"
    L"    kalderon-test.exe --port D010\n"
    L"Адрес — начало первого диапазона ввода-вывода: Диспетчер устройств → Порты (COM и LPT) → "
    L"порт → Ресурсы.";

[[noreturn]] static void RefuseNoPort() {
    wchar_t text[TEXT_MAX];
    swprintf(text, TEXT_MAX, L"Windows не нашла ни одного параллельного порта (LPT).\n\n%ls", NAMING_A_PORT);
    Refuse(text);
}

[[noreturn]] static void RefuseGiven(const char* given, const ListedPort* ports, int count) {
    wchar_t shown[ARG_BYTES] = {};
    MultiByteToWideChar(CP_UTF8, 0, given, -1, shown, ARG_BYTES - 1);
    wchar_t text[TEXT_MAX];
    swprintf(text, TEXT_MAX,
             L"Порт «%ls» не найден или это не порт.\n"
             L"Укажите порт так: --port LPT3 или --port D010.\n\n",
             shown);
    AppendListed(text, ports, count);
    const size_t used = wcslen(text);
    swprintf(text + used, TEXT_MAX - used, L"\n\n%ls", NAMING_A_PORT);
    Refuse(text);
}

// The operator's arguments after the program's name, as UTF-8.
static int ReadArguments(char (*bytes)[ARG_BYTES], const char** args) {
    const int count = __argc - 1 < ARGS_MAX ? __argc - 1 : ARGS_MAX;
    for (int i = 0; i < count; ++i) {
        WideCharToMultiByte(CP_UTF8, 0, __wargv[i + 1], -1, bytes[i], ARG_BYTES - 1, nullptr, nullptr);
        args[i] = bytes[i];
    }
    return count;
}

void PortStart() {
    CheckDriver();
    if (StartedSimulatedBoard()) return;
    static char bytes[ARGS_MAX][ARG_BYTES];
    const char* args[ARGS_MAX];
    const PortArgument asked = ReadPortArgument(ReadArguments(bytes, args), args);
    // A base is taken listed or not (Windows may not list every port), so
    // only the other answers need Windows' list.
    if (asked.kind == PortAsked::Base) {
        PortMoveTo(static_cast<uint16_t>(asked.number));
        return;
    }
    ListedPort ports[LPT_LIST_MAX];
    const int count = ListParallelPorts(ports);
    const int chosen = asked.kind == PortAsked::Default ? LowestLpt(ports, count)
                       : asked.kind == PortAsked::Lpt   ? FindLpt(ports, count, asked.number)
                                                        : -1;
    if (chosen >= 0) {
        PortMoveTo(ports[chosen].base);
        return;
    }
    if (asked.kind == PortAsked::Default) RefuseNoPort();
    RefuseGiven(asked.given, ports, count);
}
