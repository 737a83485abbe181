// The Windows port library's driver check, which every program of either
// width asks of its DLL: a simulated board is always there.
#include "port_io.h"

extern "C" int PORT_CALL IsInpOutDriverOpen() { return 1; }
