// The simulated board's waveform of one Write of 0x1A to address high and
// one Read, for readers we did not write to check (tests/vcd_sigrok.py).
// 0x1A is not its own mirror image, so a reversed bit order shows.
#include <cstdio>

#include "bus_cycles.h"
#include "sim_board.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: vcd_write_read OUT.vcd\n");
        return 2;
    }
    SimBoardReset();
    if (!SimBoardTraceTo(argv[1])) return 1;
    WriteRegister(REG_ADDR_HIGH, 0x1A);
    printf("read 0x%02X\n", ReadDataByte());
    SimBoardTraceTo(nullptr);
    return 0;
}
