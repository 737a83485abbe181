// kalderon-test-sim's start on Linux: its command line names no port, so
// there is none to take; only the board. The Windows program calls the
// DLL's start instead (sim_marker.cpp).
#include "port_choice.h"
#include "sim_board.h"

const char* PortStart(const PortArgument&) {
    SimBoardStart();
    return SIMULATED_BOARD_PORT;
}
