// The words a check of the port and the board says its lines in, each
// platform's (words_linux.cpp, words_windows.cpp); the lines are built by
// the check's report (start/check_report.h).
#pragma once

// Each line a pattern, %1 to %5 standing for its values in the order each
// names them; a line ends in its own newline.
struct CheckWords {
    const char* simulatedBoard;     // where a port's name and address would be
    const char* started;            // the port library started: %1 the port
    const char* port[2];            // nothing answers, the port answers: %1 the port; its data
                                    // register %2 written and %3 read back; %4 the control part
    const char* control;            // the control register: %1 written, %2 read back
    const char* controlNotCounted;  // where a driver answers a control read from its own copy
    const char* board[3];           // by CheckFound, from TimerStuck: %1 the count, %2 its
                                    // milliseconds, %3 a read's microseconds, %4 the poll limit
    const char* statusLines;        // %1 with the low nibble selected, %2 the high
    const char* cost;               // %1 a read's microseconds, %2 over how many reads
    const char* others[2];          // none listed; %1 the others, each with its --port
    const char* proves[3];          // what the check proves: both registers read from the
                                    // port, the data register alone, on the simulated board
    const char* verdict[3];         // no port, no board, the board answered: %1 the port
    const char* decimalPoint;
};
extern const CheckWords LINUX_CHECK_WORDS;    // words_linux.cpp
extern const CheckWords WINDOWS_CHECK_WORDS;  // words_windows.cpp: UTF-8, Russian
