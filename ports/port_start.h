// Called once by the Linux entry before any window opens: the port library
// takes hold of its port there, or ends the program with a clear message.
#pragma once

void PortStart();
