// Where Windows put a port: its allocated configuration as the registry
// keeps it, read free of Windows headers so that it is tested anywhere.
#pragma once

#include <cstddef>
#include <cstdint>

// The port base in a REG_RESOURCE_LIST (a device's AllocConfig): the first
// I/O range the port fits in (PortRangeFits) in the order listed, which is
// not always the lowest (a card's ECP block may come second and lie below).
// False when there is none, or when the list is not whole.
bool FirstPortRange(const uint8_t* list, size_t size, uint16_t* base);
