// The Linux programs' words: English, as on standard output.
#include <iterator>

#include "command_line.h"

static const UsageText USAGE_ERRORS[] = {
    {"", ""},  // UsageError::None
    {"unknown option \"", "\""},
    {"unexpected word \"", "\""},
    {"\"", "\" needs a value"},
    {"\"", "\" is given twice"},
    {"\"", "\": the simulated board needs no port"},
    {"a word is longer than ", " bytes"},  // the limit in between
    {"\"", "\" cannot go with \"--run\": record the panel, then run the file"},
};
static_assert(std::size(USAGE_ERRORS) == size_t(UsageError::Count), "a text for each UsageError");

// Both programs open the same panel.
static const char NO_WINDOW[] =
    "no display to open the panel on. Start it in a desktop session, or with make run, which starts a virtual "
    "display; over ssh, use ssh -X.";

const ProgramWords LINUX_PROGRAM = {
    "kalderon-test",
    "kalderon-test",
    "[--port PORT] [--run FILE | --record FILE]",
    "The operator's test panel for the device-programmer board on a parallel port.\n"
    "\n"
    "Options:\n"
    "  --port PORT   the port the board hangs on; without it, /dev/parport0:\n"
    "                  a device       --port /dev/parport1\n"
    "                  a base (hex)   --port 0x278    or a range   --port 0x278-0x27F\n"
    "  --run FILE    run the board script FILE (- for standard input) instead of\n"
    "                the panel, with no window; each line an operation:\n"
    "                write REGISTER BYTE, read [= BYTE], reset, step [COUNT],\n"
    "                timer [= MIN..MAX], steps on|off, repeat COUNT ... end, wait MS;\n"
    "                a run whose checks held ends with a line naming them\n"
    "  --record FILE append each command of the panel's session to FILE as a\n"
    "                board script; on a good board: --record check.txt, then on\n"
    "                the next: --run check.txt (status 1 where a read or the\n"
    "                timer differs)\n"
    "  -h, --help    print this help and exit\n"
    "  --version     print the version and exit\n"
    "\n"
    "Exit status: 0 when the panel is closed or the script ran; 1 when the board\n"
    "cannot be reached (no such port, or it cannot be opened), a script's read\n"
    "found another byte or its timer a count outside its band, there is no\n"
    "display for the panel, or the output could not be written; 2 for a wrong\n"
    "command line or script; 130 when Ctrl+C stopped a script.\n"
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
    "[--run FILE | --record FILE]",
    "The operator's test panel on a simulated board: no port and no hardware.\n"
    "KALDERON_PORT_TRACE=FILE appends every port access to FILE; a FILE ending\n"
    "in .vcd is a waveform.\n"
    "\n"
    "Options:\n"
    "  --run FILE    run the board script FILE (- for standard input) instead of\n"
    "                the panel, with no window (man kalderon-test)\n"
    "  --record FILE append each command of the panel's session to FILE as a\n"
    "                board script, for --run to replay\n"
    "  -h, --help    print this help and exit\n"
    "  --version     print the version and exit\n"
    "\n"
    "Exit status: 0 when the panel is closed or the script ran; 1 when the trace\n"
    "file cannot be written, a script's read found another byte or its timer a\n"
    "count outside its band, there is no display for the panel, or the output\n"
    "could not be written; 2 for a wrong command line or script; 130 when\n"
    "Ctrl+C stopped a script.\n"
    "The manual: man kalderon-test\n",
    "Usage: ",
    "More: ",
    true,
    USAGE_ERRORS,
    NO_WINDOW,
};
