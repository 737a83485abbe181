// How the program picks its port among those Windows lists, kept free of
// Windows headers so that the rule is tested anywhere.
#pragma once

#include <cstddef>
#include <cstdint>

// A parallel port as Windows lists it: its LPT number and its base.
struct ListedPort {
    uint32_t lpt;   // n of LPTn
    uint16_t base;  // first I/O port of its first range of at least 3
};

// A port's PortName, "LPT3", as its number; 0 for any other name (COM1...).
uint32_t LptNumberOf(const wchar_t* portName);

// The port base in a REG_RESOURCE_LIST (a device's AllocConfig): the first
// I/O range of at least LPT_PORT_COUNT ports in the order listed, which is
// not always the lowest (a card's ECP block may come second and lie below).
// False when there is none, or when the list is not whole.
constexpr uint32_t LPT_PORT_COUNT = 3;  // data, status, control
bool FirstPortRange(const uint8_t* list, size_t size, uint16_t* base);

// The index of the port with the lowest LPT number, or -1 when none.
int LowestLpt(const ListedPort* ports, int count);

// The index of LPTn, or -1 when Windows does not list it.
int FindLpt(const ListedPort* ports, int count, uint32_t lpt);
