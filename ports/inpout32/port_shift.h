// The link speaks to the first parallel port at its classic base (LPT_DATA);
// the port library is asked at the base of the port the program chose.
#pragma once

#include <cstdint>

// Every later Inp32/Out32 goes to base + (port - LPT_DATA).
void PortMoveTo(uint16_t base);
