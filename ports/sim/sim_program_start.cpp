// kalderon-test-sim's start on Linux: its command line (which names no
// port), then the board. The Windows program reads its own command line and
// then calls the DLL's start (sim_marker.cpp).
#include "command_line.h"
#include "port_io.h"
#include "sim_board.h"

void PortStart() {
    const char* args[PORT_ARGS_MAX];
    StartCommandLine(ProgramArguments(args), args, LINUX_SIM_PROGRAM);
    SimBoardStart();
}
