// Linux: how a port library tells the operator why it cannot go on, in the
// panel's language, before it ends the program with status 1. The program
// supplies it (an error box where there is a display, port_trouble.cpp); a
// test program its own.
#pragma once

void ShowPortTrouble(const wchar_t* text);
