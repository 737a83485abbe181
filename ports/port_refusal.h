// Every reason the program gives for not going on with its port, written
// once for both platforms: in English for the console, and in the panel's
// language for a box (program/run_end.h decides where each goes). At start,
// each comes before the first port access: the start returns it.
#pragma once

#include "port_choice.h"
#include "trouble.h"

// One thing said in both languages, as UTF-8: the box's wide text is made
// from it.
struct PortText {
    const char* english;
    const char* russian;
};

// How a platform speaks of its ports, and what it advises: how the operator
// names a port, how a base is shown, and what it says when it found none.
struct PortWords {
    const char* exampleName;  // "LPT3"
    const char* exampleBase;  // "D010"
    const char* basePrefix;   // a base as the operator reads it elsewhere: "" and 4 digits, "0x" and
    int baseDigits;           // as many as it takes
    PortText noPort;          // none found
};
extern const PortWords WINDOWS_PORT_WORDS;
extern const PortWords LINUX_PORT_WORDS;

// Advice after the list of ports: how to name a port Windows does not show;
// why a USB adapter will not do (only where there is one).
extern const PortText WINDOWS_NAMING_A_PORT;
extern const PortText LINUX_USB_ADAPTER;

// ChoosePort chose nothing: the operator named no port this platform can
// open, or named none and there is none. Lists the ports found, then advice
// (null for none).
Trouble ChoiceRefusal(const PortArgument& asked, const FoundPort* found, int count, const PortWords& words,
                          const PortText* advice);

// The chosen device cannot be opened and claimed (error is errno): the
// reason, its fix, and the ports found.
Trouble OpeningRefusal(const char* device, int error, const FoundPort* found, int count,
                           const PortWords& words, const PortText* advice);

// A claimed port failed (error is errno): it went away.
Trouble LostPortRefusal(const char* device, int error);

// The port library's kernel driver is not open (libraryFile: inpout32.dll).
Trouble ClosedDriverRefusal(const char* libraryFile);

// The port taken as a check and a script's closing line name it, "LPT1
// (0378)" (a base not listed as its base, a device not listed by its path),
// and the others listed, each as the --port that takes it: "--port LPT3
// (D010), --port LPT4 (E000)".
struct NamedPorts {
    char where[PORT_NAME_MAX + 16];
    char others[FOUND_PORTS_MAX * (PORT_NAME_MAX + 24)];
};
void NamePorts(NamedPorts* named, const ChosenPort& taken, const FoundPort* found, int count,
               const PortWords& words);
