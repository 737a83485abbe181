// A panel session recorded as a board script (--record FILE): each command
// that reached the board, as the line --run reads, so that the session
// replayed on the next board puts the same traffic on its port and checks
// each read. Each line is in the file once its command has returned: a
// closed window, a kill or a crash loses nothing done before it.
#pragma once

#include <cstdint>

#include "board_ops.h"
#include "trouble.h"

// Opens path for appending (an existing file is never cut), before the port
// is taken; false with the path and the system's reason where it cannot be.
bool StartRecording(const char* path, Trouble* trouble);

// The session's head: what recorded it (program), when, on which port. A
// session replays as it was done whatever the file held before it: its
// first command comes after a steps line of its own.
void RecordHead(const char* program, const char* port);

// One command, after it ran, with the step mode it ran under: a steps line
// first where that changes, then the operation (write: the register and the
// byte; read: = the byte shown; timer: = the band around the count shown).
// A line that cannot be written ends the run (run_end.h).
void RecordCommand(BoardCommand command, RegisterCode code, uint32_t value, uint32_t stepMode);
