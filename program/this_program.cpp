// Which program this is: compiled into each program, which the build names
// (PROGRAM_WORDS, cmake/linux.cmake and cmake/windows.cmake).
#include "command_line.h"

const ProgramWords& THIS_PROGRAM = PROGRAM_WORDS;
