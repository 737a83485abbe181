#include "port_check.h"

PortCheck CheckPort(bool controlFromPort, NanosecondClock clock) {
    PortCheck check = {};
    // The data lines are the board's bus: left as they were found.
    const short found = Inp32(LPT_DATA);
    bool dataKept = true, controlKept = true;
    for (int i = 0; i < CHECK_DATA_COUNT; ++i) {
        Out32(LPT_DATA, CHECK_DATA[i]);
        check.dataRead[i] = uint8_t(Inp32(LPT_DATA));
        dataKept = dataKept && check.dataRead[i] == CHECK_DATA[i];
    }
    Out32(LPT_DATA, found);
    for (int i = 0; i < CHECK_CONTROL_COUNT; ++i) {
        Out32(LPT_CONTROL, CHECK_CONTROL[i]);
        check.controlRead[i] = uint8_t(Inp32(LPT_CONTROL));
        controlKept = controlKept && (check.controlRead[i] & CONTROL_READ_BACK_BITS) == CHECK_CONTROL[i];
    }
    // A port is missing only where neither register holds, as Linux's own
    // driver probes one.
    if (!dataKept && !(controlFromPort && controlKept)) return check;
    // The status lines with each nibble selected, as a read-back sees them.
    Out32(LPT_CONTROL, 0x00);
    check.status[0] = uint8_t(Inp32(LPT_STATUS));
    Out32(LPT_CONTROL, CTRL_NIBBLE_HIGH);
    check.status[1] = uint8_t(Inp32(LPT_STATUS));
    check.count = MeasureTimer();
    check.found = check.count == TIMER_COUNT_MAX ? CheckFound::TimerStuck
                  : check.count == 0             ? CheckFound::TimerNeverSet
                                                 : CheckFound::Board;
    if (check.found != CheckFound::Board) return check;
    const uint64_t start = clock();
    for (uint32_t i = 0; i < CHECK_COST_READS; ++i) Inp32(LPT_STATUS);
    check.costNanoseconds = clock() - start;
    return check;
}
