// kalderon-test-sim's start on Linux: its command line names no port, so
// there is none to take; only the board. The Windows program calls the
// DLL's start instead (sim_marker.cpp).
#include "port_start.h"
#include "sim_board.h"

bool PortNamed() { return false; }

PortStarted PortStart(const char*, PortTroubleEnd troubleEnd) { return SimBoardStart(troubleEnd); }
