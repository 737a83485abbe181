// The port library's start, the third part of its contract beside Inp32 and
// Out32 (link/port_io.h): called once by the program's entry with the port
// the operator named, before any window opens. The library looks the port up
// and takes hold of it there, or says why it cannot; no port is touched
// before it. Each platform's libraries are in the folders beside this one.
#pragma once

// How the program ends where the port fails after the start (it went away,
// or the simulated board's trace cannot be written): the English for the
// console, the Russian (UTF-8) for a box. It never returns: the access that
// failed must not go on.
using PortTroubleEnd = void (*)(const char* english, const char* russian);

// Whether the library drives a port the operator names: the simulated board
// needs none, and answers wherever it is asked.
bool PortNamed();

// The port taken, as the operator would name it; or, where none is (port is
// null), why: the English for the console, the Russian (UTF-8) for a box.
// What a check (port_check.h) and a script's closing line say of the port
// taken: where it is, whether its control register reads back from the
// port itself, and the other ports there are.
struct PortStarted {
    const char* port;
    const char* english;
    const char* russian;
    const char* where = nullptr;  // the port and its address as the operator reads them, "LPT1
                                  // (0378)"; null on the simulated board, which is at none
    bool controlFromPort = true;  // false where a driver answers from its own copy (ppdev)
    const char* others = "";      // the other parallel ports listed, each as the --port that
                                  // takes it: "--port LPT3 (D010)"; empty where there is none
};

// asked: --port's value (null: none named); troubleEnd: kept for what
// fails after the start.
PortStarted PortStart(const char* asked, PortTroubleEnd troubleEnd);
