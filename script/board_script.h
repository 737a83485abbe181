// Board scripts: the panel's operations from a file or standard input, with
// no window, for an instrument's loop or a board-by-board check. The whole
// script is read and checked before the first port access; it then runs
// through the same link functions the panel's buttons call, so the port
// sees exactly what the panel would put there.
//
// One operation a line; '#' starts a comment; words in any case, each of
// at most SCRIPT_WORD_BYTES_MAX bytes; a leading UTF-8 byte-order mark is
// skipped:
//   write REGISTER BYTE   REGISTER: data, control, low or high;
//                         BYTE: 0x5A, 0b01011010 or 90
//   read [= BYTE]         prints "read 0x5A"; with = BYTE, another byte
//                         ends the run with status 1 after that line
//   timer [= MIN..MAX]    prints "timer 5000"; with = MIN..MAX (or = N), a
//                         count outside ends the run with status 1 after
//                         that line; counts are decimal, 0 to 99999
//   reset, step [COUNT]
//   steps on|off          step mode for the write cycles that follow: each
//                         pause shows its phase on the terminal and waits
//                         for Enter there (not on the script's own input or
//                         output)
//   repeat COUNT ... end  the lines between, COUNT times; repeats nest
//   wait MS               a pause between operations
#pragma once

#include <cstddef>
#include <cstdint>

#include "port_io.h"
#include "text.h"

enum class ScriptOp : uint8_t { Write, Read, Reset, Step, Timer, Steps, Repeat, End, Wait, Count };

struct ScriptStep {
    ScriptOp op;
    RegisterCode code;  // write: the register
    uint8_t byte;       // write: the byte; read: the byte expected
    bool compare;       // read = BYTE, timer = MIN..MAX
    uint32_t count;     // step and repeat: times; wait: milliseconds; steps: 1 on, 0 off;
                        // timer: the least count expected
    uint32_t line;      // where it is in the script
    uint32_t other;     // repeat: the index of its end; end: of its repeat; timer: the most
                        // count expected
};

constexpr uint32_t SCRIPT_STEPS_MAX = 4096;
constexpr size_t SCRIPT_WORD_BYTES_MAX = 63;  // a longer word is refused, never cut
constexpr uint32_t SCRIPT_DEPTH_MAX = 16;  // repeats inside repeats
constexpr size_t SCRIPT_ERROR_MAX = PATH_BYTES_MAX + 1 + 512;  // the script's path whole, and what is wrong

struct BoardScript {
    const char* name;  // as errors name it: the path, or "<stdin>"
    uint32_t count;
    ScriptStep steps[SCRIPT_STEPS_MAX];
};

// The word a script names a register by: data, control, low or high.
const char* RegisterWord(RegisterCode code);
// The word an operation is written as: write, read, reset...
const char* OperationWord(ScriptOp op);
// A timer's count, or its band, as a script writes it: "5000", "4000..6000".
void AddCounts(char* to, size_t size, uint32_t least, uint32_t most);

// Reads a whole script's text; false with "NAME:LINE: what is wrong" in
// error. Step mode needs a terminal to wait on (haveTerminal).
bool ReadBoardScript(const char* text, const char* name, bool haveTerminal, BoardScript* script,
                     char (&error)[SCRIPT_ERROR_MAX]);

// Runs it, printing what reads and the timer give; the exit status (as
// run_end.h names them): EXIT_DONE when every line ran and every check
// held, closed by a line naming the checks ("check.txt: 12 reads and 1 timer
// as expected"); EXIT_TROUBLE when a read found another byte or a timer
// another count; EXIT_STOPPED when the operator stopped it (Ctrl+C, after
// the operation under way). Its step pauses are ScriptStepPause's: whoever
// runs it installs that.
int RunBoardScript(const BoardScript& script);

// The script at path ("-": standard input) read and checked whole, for the
// entry to call before the port is taken; where it cannot be read or is
// wrong, false with what to say (a script error, status EXIT_WRONG): named
// where the program says it (the file cannot be read), not where the
// script's line does (NAME:LINE: what is wrong).
constexpr size_t SCRIPT_BYTES_MAX = 1 << 20;  // far beyond any script
struct ScriptTrouble {
    char said[SCRIPT_ERROR_MAX];
    bool named;
};
bool LoadBoardScript(const char* path, BoardScript* script, ScriptTrouble* trouble);

// A step pause of a running script: shows the phase on the operator's
// terminal, and waits for Enter there; at once once a stop is asked. Each
// platform's (below).
void ScriptStepPause(const wchar_t* text);

// --- Each platform's (script_console_linux.cpp, script_console_windows.cpp)
// The script's text: the file at path (UTF-8), or standard input for "-",
// at most size - 1 bytes of it; false with the system's reason (UTF-8).
bool ReadScriptFile(const char* path, char* text, size_t size, size_t* length, char* reason, size_t reasonSize);
bool OpenTerminal();            // the operator's terminal, for the pauses; false: none
void CatchStop();               // Ctrl+C, or the console closed, asks a stop
bool StopAsked();
void PauseFor(uint32_t milliseconds);  // ends early once a stop is asked
