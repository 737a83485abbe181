// Windows: before the panel opens, make sure the port library can reach the
// hardware and choose the port the board hangs on among those Windows lists.
// Every refusal comes before the first port access.
#include <windows.h>

#include "lpt_list.h"
#include "port_choice.h"
#include "port_io.h"
#include "port_refusal.h"
#include "port_shift.h"
#include "port_start.h"

// The build names this width's DLL: inpout32.dll or inpoutx64.dll.
static void* LibraryExport(const char* name) {
    // Through a generic function pointer: FARPROC's signature is not the export's.
    return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(PORT_LIBRARY_FILE), name));
}

// Without its driver the library's Out32 silently does nothing and Inp32
// returns garbage, so the panel would lie about the board. Older DLLs have
// no such check; they run as they always did.
static bool DriverOpen() {
    using DriverOpenFn = BOOL(WINAPI*)();
    const auto driverOpen = reinterpret_cast<DriverOpenFn>(LibraryExport("IsInpOutDriverOpen"));
    return driverOpen == nullptr || driverOpen();
}

// The simulated board's DLL has a start of its own: it needs no port, and
// has only its trace to make.
using SimulatedStartFn = PortStarted (*)(PortTroubleEnd);
static SimulatedStartFn SimulatedBoardStart() {
    return reinterpret_cast<SimulatedStartFn>(LibraryExport("SimulatedBoardStart"));
}

// The simulated board answers wherever it is asked, so --port is a usage
// error beside it, as on Linux.
bool PortNamed() { return SimulatedBoardStart() == nullptr; }

PortStarted PortStart(const char* value, PortTroubleEnd troubleEnd) {
    static Trouble refusal;
    if (!DriverOpen()) {
        refusal = ClosedDriverRefusal(PORT_LIBRARY_FILE);
        return {nullptr, refusal.english, refusal.russian};
    }
    if (const SimulatedStartFn start = SimulatedBoardStart()) return start(troubleEnd);
    // A base is taken as given, listed or not; the list still names the
    // other ports.
    static FoundPort found[FOUND_PORTS_MAX];
    const PortArgument asked = ReadPortValue(value);
    const int listed = ListParallelPorts(found);
    const int count = asked.kind == PortAsked::Base ? 0 : listed;
    const ChosenPort chosen = ChoosePort(asked, found, count, WINDOWS_REACH);
    if (chosen.name == nullptr) {
        refusal = ChoiceRefusal(asked, found, count, WINDOWS_PORT_WORDS, &WINDOWS_NAMING_A_PORT);
        return {nullptr, refusal.english, refusal.russian};
    }
    PortMoveTo(static_cast<uint16_t>(chosen.base));
    static NamedPorts named;
    NamePorts(&named, chosen, found, listed, WINDOWS_PORT_WORDS);
    return {chosen.name, nullptr, nullptr, named.where, true, named.others};
}
