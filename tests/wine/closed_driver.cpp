// An inpout32.dll whose driver could not be opened: what the real DLL is
// like when it was never run with administrator rights.
#include "port_io.h"

extern "C" void PORT_CALL Out32(short, short) {}
extern "C" short PORT_CALL Inp32(short) { return 0; }
extern "C" int PORT_CALL IsInpOutDriverOpen() { return 0; }
