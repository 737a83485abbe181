// The error box of a port refusal (port_refusal.h). The programs' is
// port_trouble.cpp; a test program may supply its own to read the box.
#pragma once

void ShowPortTrouble(const wchar_t* text);
