// The simulated board's lines as a Value Change Dump (IEEE 1364), for
// GTKWave and sigrok/PulseView: one 1-bit wire per line, every name unique,
// one port access per microsecond, so the same run gives the same file.
#pragma once

#include <cstdint>
#include <cstdio>

// Every line at one moment: the PC's port registers and the board's latches.
struct BoardLines {
    uint8_t dataPort;      // 0x378
    uint8_t controlPort;   // 0x37A, bits 0-3 on the cable
    uint8_t status;        // 0x379: as this access read it, or as a read would see it now
    bool statusRead;       // this access read the status port
    uint8_t dataLatch;     // D0-D7
    uint32_t address;      // A0-A17
    uint8_t controlLatch;  // VPP, CS, PGM, OE, DE in bits 3-7
    uint8_t presented;     // Q0-Q7, the byte the board presents
    bool timer;
};

// Writes the header and the start state, at time 0.
void VcdStart(FILE* file, const BoardLines& start);
// One port access, one microsecond later than the one before: the lines
// that changed, then the next timestamp, so that the last access's changes
// are never at the file's last timestamp (where readers drop them). Flushed,
// so a run that is killed leaves a readable file.
void VcdAccess(FILE* file, const BoardLines& now);
