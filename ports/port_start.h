// Called once by the entry before any window opens: the port library takes
// hold of its port there, or ends the program with a clear message.
#pragma once

void PortStart();

// Linux: how a port library tells the operator why it cannot go on, in the
// panel's language, before it ends the program with status 1. The program
// supplies it (an error box where there is a display, port_trouble.cpp); a
// test program its own.
void ShowPortTrouble(const wchar_t* text);
