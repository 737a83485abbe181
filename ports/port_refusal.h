// Every reason the program gives for not going on with its port, written
// once for both platforms: in English on standard error, and in the panel's
// language in an error box (ShowPortTrouble, port_trouble.h), then exit
// status 1. At start, each comes before the first port access.
#pragma once

#include "port_choice.h"

// One thing said in both languages.
struct PortText {
    const char* english;
    const wchar_t* russian;
};

// How a platform speaks of its ports, and what it advises: how the operator
// names a port, how a base is shown, and what it says when it found none.
struct PortWords {
    const char* exampleName;  // "LPT3"
    const char* exampleBase;  // "D010"
    const char* baseFormat;   // as the operator reads bases elsewhere: "%04X"
    PortText noPort;          // none named and none found
    PortText noneFound;       // the list of ports, empty
};
extern const PortWords WINDOWS_PORT_WORDS;
extern const PortWords LINUX_PORT_WORDS;

// Advice after the list of ports: how to name a port Windows does not show;
// why a USB adapter will not do (only where there is one).
extern const PortText WINDOWS_NAMING_A_PORT;
extern const PortText LINUX_USB_ADAPTER;

// The one way to refuse: the English on standard error after the
// program's name, the Russian in the box, exit status 1.
[[noreturn]] void RefusePort(const PortText& said);

// What each refusal says, in buffers of this file's that the next one
// overwrites.

// ChoosePort chose nothing: the operator named no port this platform can
// open, or named none and there is none. Lists the ports found, then advice
// (null for none).
PortText ChoiceRefusal(const PortArgument& asked, const FoundPort* found, int count, const PortWords& words,
                       const PortText* advice);

// The chosen device cannot be opened and claimed (error is errno): the
// reason, its fix, and the ports found.
PortText OpeningRefusal(const char* device, int error, const FoundPort* found, int count, const PortWords& words,
                        const PortText* advice);

// A claimed port failed (error is errno): it went away.
PortText LostPortRefusal(const char* device, int error);

// The port library's kernel driver is not open (libraryFile: inpout32.dll).
PortText ClosedDriverRefusal(const char* libraryFile);
