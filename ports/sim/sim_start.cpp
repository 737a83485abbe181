// The simulated board's start: no port to look up or take hold of, only the
// board in its start state, tracing to the file KALDERON_PORT_TRACE names.
// Where it is not set, a trace a test program has started goes on.
#include "console.h"
#include "port_io.h"
#include "sim_board.h"

void SimBoardStart() {
    SimBoardReset();
    const char* path = EnvironmentUtf8("KALDERON_PORT_TRACE");
    if (path != nullptr && *path != '\0') SimBoardStartTrace(path);
}

// The Windows port library's driver check; a simulated board is always there.
extern "C" int PORT_CALL IsInpOutDriverOpen() { return 1; }
