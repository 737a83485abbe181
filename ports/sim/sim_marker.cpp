// The simulated board's start, which the program calls when it finds this
// export beside the real library's (the real library has none): no port is
// looked up, only the trace the board was asked for is made.
#include "sim_board.h"

extern "C" __declspec(dllexport) PortStarted SimulatedBoardStart(PortTroubleEnd troubleEnd) {
    return SimBoardStart(troubleEnd);
}
