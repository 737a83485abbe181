// Windows: before the panel opens, make sure the port library can reach the
// hardware and choose the port the board hangs on among those Windows lists.
// Every refusal comes before the first port access.
#include <windows.h>

#include "lpt_list.h"
#include "port_choice.h"
#include "port_io.h"
#include "port_refusal.h"
#include "port_shift.h"

// The build names this width's DLL: inpout32.dll or inpoutx64.dll.
static void* LibraryExport(const char* name) {
    // Through a generic function pointer: FARPROC's signature is not the export's.
    return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(PORT_LIBRARY_FILE), name));
}

// Without its driver the library's Out32 silently does nothing and Inp32
// returns garbage, so the panel would lie about the board. Older DLLs have
// no such check; they run as they always did.
static void CheckDriver() {
    using DriverOpenFn = BOOL(WINAPI*)();
    const auto driverOpen = reinterpret_cast<DriverOpenFn>(LibraryExport("IsInpOutDriverOpen"));
    if (driverOpen != nullptr && !driverOpen()) RefusePort(ClosedDriverRefusal(PORT_LIBRARY_FILE));
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

// The simulated board takes the --port an operator's shortcut may carry, and
// answers wherever it is asked.
const char* PortStart(const PortArgument& asked) {
    CheckDriver();
    if (StartedSimulatedBoard()) return SIMULATED_BOARD_PORT;
    // A base needs no list, so Windows is not asked for one.
    static FoundPort found[FOUND_PORTS_MAX];
    const int count = asked.kind == PortAsked::Base ? 0 : ListParallelPorts(found);
    const ChosenPort chosen = ChoosePort(asked, found, count, WINDOWS_REACH);
    if (chosen.name == nullptr)
        RefusePort(ChoiceRefusal(asked, found, count, WINDOWS_PORT_WORDS, &WINDOWS_NAMING_A_PORT));
    PortMoveTo(static_cast<uint16_t>(chosen.base));
    return chosen.name;
}
