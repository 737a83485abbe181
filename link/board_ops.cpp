#include "board_ops.h"

AddressCounterState AddressCounter = {0, 0};

// OE and DE set, every other control line clear.
static constexpr uint8_t RESET_CONTROL = 0xC0;
static constexpr uint8_t RESET_DATA = 0xFF;

void ResetBoard() {
    // Cleared before the first write, so it is already 0 at the first pause.
    AddressCounter.low = 0;
    AddressCounter.high = 0;
    WriteRegister(REG_CONTROL, RESET_CONTROL);
    WriteRegister(REG_DATA, RESET_DATA);
    WriteRegister(REG_ADDR_HIGH, AddressCounter.high);
    WriteRegister(REG_ADDR_LOW, AddressCounter.low);
}

void StepAddress() {
    ++AddressCounter.low;
    WriteRegister(REG_ADDR_LOW, AddressCounter.low);
    if (AddressCounter.low == 0) {
        ++AddressCounter.high;
        WriteRegister(REG_ADDR_HIGH, AddressCounter.high);
    }
}

uint32_t MeasureTimer() {
    Out32(LPT_CONTROL, CTRL_TIMER_START);
    Out32(LPT_CONTROL, 0x00);
    // The count is in units of one loop pass, so a pass holds the status read,
    // the count, the limit check and the bit test, and nothing else. The last
    // allowed read ends the loop without its value being looked at.
    uint32_t reads = 0;
    for (;;) {
        const short status = Inp32(LPT_STATUS);
        ++reads;
        if (reads == TIMER_POLL_LIMIT) break;
        if ((status & STATUS_TIMER_RUNNING) == 0) break;
    }
    return reads - 1;
}
