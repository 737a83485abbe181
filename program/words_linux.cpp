// The Linux programs' words: English, as on standard output.
#include <iterator>

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
};
