#include "port_shift.h"

#include "port_io.h"

// The port library's own Inp32 and Out32, imported under these names (the
// .def maps them) so that the link's calls land on the two below.
extern "C" __declspec(dllimport) short PORT_CALL LibraryInp32(short port);
extern "C" __declspec(dllimport) void PORT_CALL LibraryOut32(short port, short value);

static short g_shift;  // 0 until a port is chosen: the classic base

void PortMoveTo(uint16_t base) { g_shift = static_cast<short>(base - LPT_DATA); }

// One add on the way to the library; nothing else on the path.
extern "C" short PORT_CALL Inp32(short port) { return LibraryInp32(static_cast<short>(port + g_shift)); }

extern "C" void PORT_CALL Out32(short port, short value) {
    LibraryOut32(static_cast<short>(port + g_shift), value);
}
