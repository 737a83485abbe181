// A panel session recorded as a board script (--record FILE): each command
// that reached the board, as the line --run reads, so that the session
// replayed on the next board puts the same traffic on its port and checks
// each read. Each line is in the file once its command has returned: a
// closed window, a kill or a crash loses nothing done before it.
#pragma once

#include <cstdint>

#include "board_script.h"

// Opens path for appending (an existing file is never cut), before the port
// is taken; where it cannot be opened, refused with the path and the
// system's reason, exit status 1 (port_refusal.h's way).
void StartRecording(const char* path);

// The session's head: what recorded it (program), when, on which port.
void RecordHead(const char* program, const char* port);

// One command, after it ran, with the step mode it ran under: a steps line
// first where that changes, then the operation (read: = the byte shown).
void RecordCommand(ScriptOp op, RegisterCode code, uint8_t byte, uint32_t stepMode);
