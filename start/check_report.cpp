#include "check_report.h"

#include "run_end.h"
#include "said.h"
#include "text.h"

// "0x55 0xAA"
struct ByteList {
    char text[32];
};
static ByteList Bytes(const uint8_t* bytes, int count) {
    ByteList list = {};
    for (int i = 0; i < count; ++i) {
        Add(list.text, i == 0 ? "0x" : " 0x");
        AppendHex(list.text, sizeof list.text, bytes[i], 2);
    }
    return list;
}

// A number with three decimals: "5.000", "0,004". Its thousandths after a
// leading 1, so that the digits are always there to cut at.
struct Decimals {
    char text[24];
};
static Decimals Thousandths(double value, const char* point) {
    constexpr uint32_t LEAD = 1000000000;  // up to 999999.999, where a larger value stops
    const double thousandths = value * 1000 + 0.5;
    char digits[12] = "";
    Add(digits, DecimalDigits(LEAD + (thousandths < LEAD - 1 ? uint32_t(thousandths) : LEAD - 1)).text);
    const char* whole = digits + 1;
    while (whole < digits + 6 && *whole == '0') ++whole;
    const char fraction[] = {digits[7], digits[8], digits[9], '\0'};
    digits[7] = '\0';
    Decimals d = {};
    Add(d.text, whole, point, fraction);
    return d;
}

static constexpr DecimalDigits POLL_LIMIT(TIMER_POLL_LIMIT), COST_READS(CHECK_COST_READS);

int SayPortCheck(const PortCheck& check, const PortStarted& port, CheckSaid* said) {
    said->text[0] = '\0';
    const char* where = port.where != nullptr ? port.where : In(SAID_CHECK_SIMULATED_BOARD);
    AddPattern(said->text, In(SAID_CHECK_STARTED), where);

    CheckSaid control = {};
    if (port.controlFromPort)
        AddPattern(control.text, In(SAID_CHECK_CONTROL), Bytes(CHECK_CONTROL, CHECK_CONTROL_COUNT).text,
                   Bytes(check.controlRead, CHECK_CONTROL_COUNT).text);
    else
        AddPattern(control.text, In(SAID_CHECK_CONTROL_NOT_COUNTED));
    const bool answers = check.found != CheckFound::NoPort;
    AddPattern(said->text, answers ? In(SAID_CHECK_PORT) : In(SAID_CHECK_NO_PORT), where,
               Bytes(CHECK_DATA, CHECK_DATA_COUNT).text, Bytes(check.dataRead, CHECK_DATA_COUNT).text, control.text);

    const bool board = check.found == CheckFound::Board;
    if (answers) {
        // The cost through a double: a 32-bit program then needs no 64-bit
        // division from the compiler's library.
        const char* point = In(SAID_DECIMAL_POINT);
        const double readNanoseconds = double(int64_t(check.costNanoseconds)) / CHECK_COST_READS;
        const Decimals microseconds = Thousandths(readNanoseconds / 1000, point);
        const Decimals milliseconds = Thousandths(readNanoseconds * check.count / 1000000, point);
        const char* timer = board                                        ? In(SAID_CHECK_BOARD)
                            : check.found == CheckFound::TimerNeverSet ? In(SAID_CHECK_TIMER_NEVER_SET)
                                                                       : In(SAID_CHECK_TIMER_STUCK);
        AddPattern(said->text, timer, DecimalDigits(check.count).text, milliseconds.text, microseconds.text,
                   POLL_LIMIT.text);
        AddPattern(said->text, In(SAID_CHECK_STATUS_LINES), Bytes(&check.status[0], 1).text,
                   Bytes(&check.status[1], 1).text);
        if (board) AddPattern(said->text, In(SAID_CHECK_COST), microseconds.text, COST_READS.text);
    }
    const bool othersListed = port.others != nullptr && port.others[0] != '\0';
    if (!board) AddPattern(said->text, othersListed ? In(SAID_CHECK_OTHERS) : In(SAID_CHECK_NO_OTHERS), port.others);
    AddPattern(said->text, port.where == nullptr  ? In(SAID_CHECK_PROVES_NOTHING)
                           : port.controlFromPort ? In(SAID_CHECK_PROVES_PORT)
                                                  : In(SAID_CHECK_PROVES_DATA));
    AddPattern(said->text, board     ? In(SAID_CHECK_VERDICT_BOARD)
                           : answers ? In(SAID_CHECK_VERDICT_NO_BOARD)
                                     : In(SAID_CHECK_VERDICT_NO_PORT),
               where);
    return board ? EXIT_DONE : EXIT_TROUBLE;
}
