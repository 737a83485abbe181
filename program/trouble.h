// Trouble the operator is told of as a run ends (run_end.h): in English in
// the console, and in the panel's Russian where it goes in a box. Built by
// whichever part found it: the port refusals (port_refusal.h), and here the
// files the run keeps a record in.
#pragma once

#include <cstddef>

#include "text.h"

// Long enough for a path whole and what is said around it.
constexpr size_t TROUBLE_TEXT_MAX = PATH_BYTES_MAX + 1 + 2048;
struct Trouble {
    char english[TROUBLE_TEXT_MAX];
    char russian[TROUBLE_TEXT_MAX];  // UTF-8
};

// A file the run keeps a record in could not be made at start, or written
// later (error is errno): a record with a hole in it would show what never
// was. The simulated board's trace (the path as the environment gave it),
// and a panel session's record (--record).
enum class RecordFile { PortTrace, Session, Count };
void SayFileTrouble(Trouble* said, RecordFile file, const char* path, int error, bool atStart);
