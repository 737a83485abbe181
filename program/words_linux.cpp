// The Linux programs' words: English, as on standard output.
#include <iterator>

#include "check_words.h"
#include "command_line.h"
#include "help_from_table.h"  // the options and exit statuses: options_and_statuses.txt

static const UsageText USAGE_ERRORS[] = {
    {"", ""},  // UsageError::None
    {"unknown option \"", "\""},
    {"unexpected word \"", "\""},
    {"\"", "\" needs a value"},
    {"\"", "\" is given twice"},
    {"\"", "\": the simulated board needs no port"},
    {"a word is longer than ", " bytes"},  // the limit in between
    {"\"", "\" cannot go with \"--run\": record the panel, then run the file"},
    {"\"--check\" cannot go with \"", "\": a check runs nothing else"},
};
static_assert(std::size(USAGE_ERRORS) == size_t(UsageError::Count), "a text for each UsageError");

// Both programs open the same panel.
// A line ending in a space goes on in the next, which a box joins into one
// paragraph (run_end.cpp).
const CheckWords LINUX_CHECK_WORDS = {
    "the simulated board",
    "Port library: started, on %1.\n",
    {"Port: nothing answers at %1: \n  its data register read back %3 for %2%4.\n",
     "Port: %1 answers: \n  its data register read back %3 for %2%4.\n"},
    "; \n  its control register %2 for %1",
    "; \n  its control register is not counted: ppdev answers it from its own copy",
    {"Board: none answered: the timer line stayed set for all %4 reads. \n"
     "  Check the cable and the board's power.\n",
     "Board: none answered: the timer line was clear from the first read. \n"
     "  Check the board's power and its timer.\n",
     "Board: answered: its timer ran for %1 status reads, \n  %2 ms at %3 µs a read.\n"},
    "Status lines: %1 with the low nibble selected, %2 with the high.\n",
    "Read cost: %1 µs a status read on this port, over %2 reads.\n",
    {"No other parallel port is listed here.\n", "Other parallel ports here: %1.\n"},
    {"What the check can prove: the port keeps what is written to its data and \n"
     "  control registers, and the board's timer starts and stops; not the \n"
     "  board's registers, its read-back or the chip.\n",
     "What the check can prove: the port keeps what is written to its data \n"
     "  register (its control register is read from ppdev's own copy, not the \n"
     "  port), and the board's timer starts and stops; not the board's \n"
     "  registers, its read-back or the chip.\n",
     "What the check can prove: nothing of hardware; KALDERON_SIM_BOARD=no-port \n"
     "  or no-board plays the other verdicts.\n"},
    {"Verdict: %1: nothing answers.\n", "Verdict: %1: the port answers, no board does.\n",
     "Verdict: %1: the board answered.\n"},
    ".",
};

static const char NO_WINDOW[] =
    "no display to open the panel on. Start it in a desktop session, or with make run, which starts a virtual "
    "display; over ssh, use ssh -X.";

const ProgramWords LINUX_PROGRAM = {
    "kalderon-test",
    "kalderon-test",
    "[--port PORT] [--check | --run FILE | --record FILE]",
    "The operator's test panel for the device-programmer board on a parallel port.\n"
    "\n"
    "Options:\n" KALDERON_TEST_OPTIONS
    "\n"
    "A board script's lines, one operation each: write REGISTER BYTE, read [= BYTE],\n"
    "reset, step [COUNT], timer [= MIN..MAX], steps on|off, repeat COUNT ... end,\n"
    "wait MS. Recorded on a good board (--record check.txt), a script checks the\n"
    "next (--run check.txt).\n"
    "\n"
    "Exit status:\n" KALDERON_TEST_STATUSES
    "\n"
    "The manual: man kalderon-test\n",
    "Usage: ",
    "More: ",
    true,
    USAGE_ERRORS,
    NO_WINDOW,
    &LINUX_CHECK_WORDS,
};

const ProgramWords LINUX_SIM_PROGRAM = {
    "kalderon-test-sim",
    "kalderon-test-sim",
    "[--check | --run FILE | --record FILE]",
    "The operator's test panel on a simulated board: no port and no hardware.\n"
    "KALDERON_PORT_TRACE=FILE appends every port access to FILE; a FILE ending\n"
    "in .vcd is a waveform. KALDERON_SIM_BOARD=no-port plays a port that is not\n"
    "there, KALDERON_SIM_BOARD=no-board a port with no board on it.\n"
    "\n"
    "Options:\n" KALDERON_TEST_SIM_OPTIONS
    "\n"
    "Exit status:\n" KALDERON_TEST_SIM_STATUSES
    "\n"
    "The manual: man kalderon-test\n",
    "Usage: ",
    "More: ",
    true,
    USAGE_ERRORS,
    NO_WINDOW,
    &LINUX_CHECK_WORDS,
};
