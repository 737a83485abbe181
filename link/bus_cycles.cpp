#include "bus_cycles.h"

uint32_t StepMode = 0;
StepPause StepNotifier = nullptr;

// Step mode is looked at at every pause point, not once per cycle. With no
// one to acknowledge a pause, the cycle goes on rather than crash.
static void PauseIfStepping(const wchar_t* text) {
    if (StepMode != 0 && StepNotifier != nullptr) StepNotifier(text);
}

void WriteRegister(RegisterCode code, uint8_t data) {
    // The data byte is on the bus before the code changes, and the code stands
    // one write before the strobe rises and after it falls.
    Out32(LPT_DATA, data);
    PauseIfStepping(L"Данные на шине");
    Out32(LPT_CONTROL, code);
    PauseIfStepping(L"Адрес регистра выставлен");
    Out32(LPT_CONTROL, code | CTRL_WRITE_STROBE);
    PauseIfStepping(L"Строб записи выставлен");
    Out32(LPT_CONTROL, code);
    PauseIfStepping(L"Строб записи снят");
}

uint8_t ReadDataByte() {
    Out32(LPT_CONTROL, 0x00);  // CTRL_NIBBLE_HIGH clear: the low nibble
    const uint8_t low = (Inp32(LPT_STATUS) & STATUS_NIBBLE_MASK) >> 4;
    Out32(LPT_CONTROL, CTRL_NIBBLE_HIGH);
    const uint8_t high = Inp32(LPT_STATUS) & STATUS_NIBBLE_MASK;
    return high | low;
}
